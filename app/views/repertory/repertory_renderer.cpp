#include "views/repertory/repertory_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/window_texts.h"

using CTopicInfo = CRepertoryView::CTopicInfo;

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(20, 20, 20);
const QColor kCounts(128, 128, 128);
const QColor kGlyph(120, 120, 120);
const QColor kSelectedFocused(0, 95, 184);
const QColor kSelectedUnfocused(214, 224, 238);
const QColor kHover(0, 95, 184);

// The faces drawn: kerning off, so that a heading is as wide as the sum of
// its characters' advances.
QFont PageFont(QFont font) {
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

// Expands "%s" once in `format` (the first) with `text`; nothing else.
std::string Expand(const std::string& format, const std::string& text) {
    return views::FormatTexts(format, {text});
}

}  // namespace

CRepertoryRenderer::CRepertoryRenderer(const CInterfaceFonts& fonts)
    : m_normal(PageFont(fonts.Normal())),
      m_bold(PageFont(fonts.Bold())),
      m_normalMetrics(m_normal),
      m_boldMetrics(m_bold),
      m_texts(m_normal, PageFont(fonts.Italic()), m_bold),
      m_headingFormat(Localize("%s [ t: %d, rem: %d ]: ", 1)),
      m_rootFormat(Localize("%s of %s", 1)) {
    const QFontMetricsF exact(m_normal);
    for (int byte = 32; byte < 256; ++byte)
        m_advance[byte] = static_cast<float>(
            exact.horizontalAdvance(QChar(base::DecodeByte(static_cast<unsigned char>(byte)))));
    const int height = std::max(
        {m_normalMetrics.height(), m_boldMetrics.height(), QFontMetrics(fonts.Italic()).height()});
    m_lineHeight = height + 5;
    m_ascent = std::max(m_normalMetrics.ascent(), m_boldMetrics.ascent());
}

CRepertoryRenderer::~CRepertoryRenderer() = default;

void CRepertoryRenderer::SetTree(CTopicInfo* root, Repertory* repertory) {
    m_root = root;
    m_repertory = repertory;
    m_rows.Clear();
    m_rowNodes.clear();
    m_size = QSize();
    ++m_pass;
}

int CRepertoryRenderer::Indent(const CTopicInfo& node) const {
    return kLeftMargin + kIndentPerLevel * (node.Level() - 1);
}

CRepertoryRenderer::CHeadingParts CRepertoryRenderer::Heading(CTopicInfo& node) const {
    CHeadingParts parts;
    Topic* topic = node.GetTopic();
    if (node.IsRoot()) {
        const char* text2 = m_repertory != nullptr ? m_repertory->GetText2() : nullptr;
        const char* text4 = m_repertory != nullptr ? m_repertory->GetText4() : nullptr;
        parts.text = plumbing::DecodeCodePage(views::FormatTexts(
            m_rootFormat, {text2 != nullptr ? text2 : "", text4 != nullptr ? text4 : ""}));
        return parts;
    }
    const std::size_t split = m_headingFormat.find("%s");
    const char* text = topic->GetText();
    const std::string head = split == std::string::npos
                                 ? m_headingFormat
                                 : Expand(m_headingFormat.substr(0, split + 2), text ? text : "");
    const std::string tail =
        split == std::string::npos ? std::string() : m_headingFormat.substr(split + 2);
    parts.text = plumbing::DecodeCodePage(head);
    parts.counts = plumbing::DecodeCodePage(views::FormatTexts(
        tail, {std::to_string(node.ChildCount()), std::to_string(node.RemedyCount())}, true));
    return parts;
}

QString CRepertoryRenderer::HeadingText(CTopicInfo& node) const {
    const CHeadingParts parts = Heading(node);
    return parts.text + parts.counts;
}

void CRepertoryRenderer::Measure(CTopicInfo& node) const {
    if (node.m_headingWidth >= 0) return;
    if (node.IsRoot()) {
        node.m_textWidth = node.m_headingWidth =
            m_boldMetrics.horizontalAdvance(Heading(node).text);
        return;
    }
    // Summed advances of the code page bytes: no string is built or shaped.
    const std::size_t split = m_headingFormat.find("%s");
    auto advance = [this](std::string_view bytes) {
        double sum = 0;
        for (unsigned char byte : bytes) sum += m_advance[byte];
        return sum;
    };
    const char* text = node.GetTopic()->GetText();
    double width = advance(
        std::string_view(m_headingFormat).substr(0, std::min(split, m_headingFormat.size())));
    width += advance(text != nullptr ? text : "");
    node.m_textWidth = static_cast<int>(std::ceil(width));
    if (split != std::string::npos) {
        const std::string counts = views::FormatTexts(
            m_headingFormat.substr(split + 2),
            {std::to_string(node.ChildCount()), std::to_string(node.RemedyCount())}, true);
        width += advance(counts);
    }
    node.m_headingWidth = static_cast<int>(std::ceil(width));
}

void CRepertoryRenderer::Layout(int width) {
    ++m_pass;
    m_rows.Clear();
    m_rowNodes.clear();
    m_size = QSize();
    if (m_root == nullptr) return;
    const int right = std::max(1, width - kRightMargin);
    int top = kTopMargin;

    // Pre-order over the shown nodes; the stack holds what is still to come.
    std::vector<CTopicInfo*> pending{m_root};
    while (!pending.empty()) {
        CTopicInfo* node = pending.back();
        pending.pop_back();
        Measure(*node);
        const int indent = Indent(*node);
        m_rows.AddRow(top, m_lineHeight);
        m_rowNodes.push_back(node);
        const int boxLeft = node->IsRoot() ? indent : indent - kGlyphGap - kGlyphSize;
        node->m_firstItem = m_rows.AddItem(boxLeft, indent + node->m_headingWidth - boxLeft);
        node->m_layoutPass = m_pass;
        int x = indent + node->m_headingWidth;
        if (node->IsExpanded()) {
            for (const CTopicInfo::CRemedy& remedy : node->Remedies()) {
                const int itemWidth = m_texts.Get(remedy.m_remedy, remedy.m_grade).width;
                if (x + itemWidth > right && x > indent) {
                    top += m_lineHeight;
                    m_rows.AddRow(top, m_lineHeight);
                    m_rowNodes.push_back(node);
                    x = indent;
                }
                m_rows.AddItem(x, itemWidth);
                x += itemWidth;
            }
            std::vector<CTopicInfo>& children = node->Children();
            for (auto child = children.rbegin(); child != children.rend(); ++child)
                pending.push_back(&*child);
        }
        top += m_lineHeight;
    }
    m_size = QSize(m_rows.Right() + kRightMargin, m_rows.Bottom() + kBottomMargin);
}

QSize CRepertoryRenderer::ContentSize() const {
    return m_size;
}

int CRepertoryRenderer::Baseline(int row) const {
    return m_rows.RowTop(row) + (m_lineHeight - m_normalMetrics.height()) / 2 + m_ascent;
}

void CRepertoryRenderer::PaintGlyph(QPainter& painter, const CTopicInfo& node, int row) const {
    if (node.IsRoot() || !node.HasContent()) return;
    const int left = Indent(node) - kGlyphGap - kGlyphSize;
    const int top = m_rows.RowTop(row) + (m_lineHeight - kGlyphSize) / 2;
    const QRectF box(left + 0.5, top + 0.5, kGlyphSize - 1, kGlyphSize - 1);
    painter.setPen(QPen(kGlyph, 1));
    painter.setBrush(kPaper);
    painter.drawRect(box);
    const double middle = top + kGlyphSize / 2.0;
    const double centre = left + kGlyphSize / 2.0;
    painter.drawLine(QPointF(left + 2.5, middle), QPointF(left + kGlyphSize - 2.5, middle));
    if (!node.IsExpanded())
        painter.drawLine(QPointF(centre, top + 2.5), QPointF(centre, top + kGlyphSize - 2.5));
}

void CRepertoryRenderer::PaintItem(QPainter& painter, int item, const QColor* colour) const {
    const int row = m_rows.RowOfItem(item);
    CTopicInfo& node = *m_rowNodes[row];
    const int entry = item - node.m_firstItem - 1;
    if (entry < 0) {
        const CHeadingParts parts = Heading(node);
        const QPointF at(Indent(node), Baseline(row));
        painter.setFont(node.IsRoot() ? m_bold : m_normal);
        painter.setPen(colour != nullptr ? *colour : kInk);
        painter.drawText(at, parts.text);
        if (!parts.counts.isEmpty()) {
            painter.setPen(colour != nullptr ? *colour : kCounts);
            painter.drawText(at + QPointF(node.m_textWidth, 0), parts.counts);
        }
        return;
    }
    const CTopicInfo::CRemedy& remedy = node.Remedies()[static_cast<std::size_t>(entry)];
    const CRemedyTextCache::CEntry& form = m_texts.Get(remedy.m_remedy, remedy.m_grade);
    const QFont& font = m_texts.Font(form.face);
    painter.setFont(font);
    painter.setPen(colour != nullptr ? *colour : kInk);
    const int top = Baseline(row) - QFontMetrics(font).ascent();
    painter.drawStaticText(QPointF(m_rows.ItemLeft(item), top), form.drawn);
}

void CRepertoryRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, kPaper);
    const auto [first, end] = m_rows.RowsIn(area.top(), area.bottom() + 1);
    for (int row = first; row < end; ++row) {
        const CTopicInfo& node = *m_rowNodes[row];
        const int firstItem = m_rows.FirstItem(row);
        if (firstItem == node.m_firstItem) PaintGlyph(painter, node, row);
        for (int item = firstItem; item < m_rows.EndItem(row); ++item) {
            const QRect box = m_rows.ItemBox(item);
            if (box.right() < area.left() || box.left() > area.right()) continue;
            PaintItem(painter, item, nullptr);
        }
    }
}

void CRepertoryRenderer::PaintOverlay(QPainter& painter, const QRect& area,
                                      const CDrawnOverlay& overlay) {
    const int count = m_rows.ItemCount();
    if (overlay.hover >= 0 && overlay.hover < count && overlay.hover != overlay.selected) {
        const int row = m_rows.RowOfItem(static_cast<int>(overlay.hover));
        QRect box = m_rows.ItemBox(static_cast<int>(overlay.hover));
        const CTarget target = TargetOf(overlay.hover);
        if (target.remedy < 0 && !target.node->IsRoot()) box.setLeft(Indent(*target.node));
        if (box.intersects(area)) {
            const int y = Baseline(row) + 2;
            painter.setPen(QPen(kHover, 1));
            painter.drawLine(QPoint(box.left(), y), QPoint(box.right() - 3, y));
        }
    }
    if (overlay.selected >= 0 && overlay.selected < count) {
        QRect box = m_rows.ItemBox(static_cast<int>(overlay.selected));
        const CTarget target = TargetOf(overlay.selected);
        // The heading's box holds its glyph; the mark covers the text only,
        // without the blank that ends every text, so that it never touches
        // the item behind it.
        if (target.remedy < 0) box.setLeft(Indent(*target.node) - 2);
        box.setRight(box.right() - static_cast<int>(m_advance[static_cast<unsigned char>(' ')]) +
                     2);
        if (!box.intersects(area)) return;
        const QColor fill = overlay.focused ? kSelectedFocused : kSelectedUnfocused;
        const QColor text = overlay.focused ? QColor(Qt::white) : kInk;
        painter.fillRect(box.adjusted(0, 1, 0, -1), fill);
        PaintItem(painter, static_cast<int>(overlay.selected), &text);
    }
}

DrawnItemId CRepertoryRenderer::ItemAt(const QPoint& point) const {
    const int item = m_rows.ItemAt(point);
    return item >= 0 ? item : kNoDrawnItem;
}

void CRepertoryRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    std::vector<int> found;
    m_rows.ItemsIn(area, &found);
    for (int item : found) items->push_back(item);
}

QRect CRepertoryRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0 || item >= m_rows.ItemCount()) return {};
    return m_rows.ItemBox(static_cast<int>(item));
}

QString CRepertoryRenderer::ItemText(DrawnItemId item) const {
    const CTarget target = TargetOf(item);
    if (!target.IsValid()) return {};
    if (target.remedy < 0) return HeadingText(*target.node).trimmed();
    const CTopicInfo::CRemedy& remedy =
        target.node->Remedies()[static_cast<std::size_t>(target.remedy)];
    return m_texts.Get(remedy.m_remedy, remedy.m_grade).text.trimmed();
}

CHintText CRepertoryRenderer::ItemHint(DrawnItemId item) const {
    const CTarget target = TargetOf(item);
    if (!target.IsValid() || target.remedy < 0) return {};
    const int number = target.node->Remedies()[static_cast<std::size_t>(target.remedy)].m_remedy;
    Remedy* remedy = number >= 0 ? CorvelaInstance().GetRemedyById(number) : nullptr;
    const char* name = remedy != nullptr ? remedy->GetLongName() : nullptr;
    if (name == nullptr || *name == '\0') return {};
    return CHintText{name, CHintText::Translation::None};
}

DrawnItemId CRepertoryRenderer::ItemOf(const CTopicInfo* node, int remedy) const {
    if (node == nullptr || node->m_layoutPass != m_pass || node->m_firstItem < 0)
        return kNoDrawnItem;
    if (remedy < 0) return node->m_firstItem;
    if (!node->IsExpanded() || remedy >= node->RemedyCount()) return kNoDrawnItem;
    return node->m_firstItem + 1 + remedy;
}

CRepertoryRenderer::CTarget CRepertoryRenderer::TargetOf(DrawnItemId item) const {
    if (item < 0 || item >= m_rows.ItemCount()) return {};
    CTopicInfo* node =
        m_rowNodes[static_cast<std::size_t>(m_rows.RowOfItem(static_cast<int>(item)))];
    return {node, static_cast<int>(item) - node->m_firstItem - 1};
}

CTopicInfo* CRepertoryRenderer::LastNode() const {
    return m_rowNodes.empty() ? nullptr : m_rowNodes.back();
}

bool CRepertoryRenderer::OnGlyph(DrawnItemId item, const QPoint& point) const {
    const CTarget target = TargetOf(item);
    if (!target.IsValid() || target.remedy >= 0 || target.node->IsRoot() ||
        !target.node->HasContent())
        return false;
    return point.x() < Indent(*target.node) - kGlyphGap + 1;
}
