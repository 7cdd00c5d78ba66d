#include "views/analysis/symptom_list_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "model/records/analysis.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/symptom_items.h"
#include "views/analysis/topic_links.h"
#include "views/remedy_text.h"

using Item = CSympthomView::CView_Item;
using SymptomItem = CSympthomView::CView_Sympthom;
using TopicItem = CSympthomView::CView_Topic;
using ArticleItem = CSympthomView::CView_Article;

namespace {

constexpr int kRightMargin = 8;
constexpr int kDeleteRight = 24;  // the delete marks stand this far from the right edge
constexpr int kMinNameWidth = 24;  // a symptom's name box, however narrow the list
constexpr int kSymptomGap = 8;    // below a symptom's last line

QColor MarkColour() {
    return QColor(120, 120, 120);
}

QString Decoded(const std::string& text) {
    return plumbing::DecodeCodePage(text);
}

// A box of `size` centred vertically in a line at `top`, `height` high.
QRect MarkBox(int left, int top, int height, int size) {
    return QRect(left, top + (height - size) / 2, size, size);
}

void DrawDelete(QPainter& painter, const QRect& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = QRectF(box).adjusted(3, 3, -3, -3);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomLeft());
    painter.restore();
}

void DrawExpander(QPainter& painter, const QRect& box, bool expanded) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath triangle;
    const QRectF r = QRectF(box).adjusted(2, 2, -2, -2);
    if (expanded) {
        triangle.moveTo(r.left(), r.top() + 2);
        triangle.lineTo(r.right(), r.top() + 2);
        triangle.lineTo(r.center().x(), r.bottom() - 1);
    } else {
        triangle.moveTo(r.left() + 2, r.top());
        triangle.lineTo(r.right() - 1, r.center().y());
        triangle.lineTo(r.left() + 2, r.bottom());
    }
    triangle.closeSubpath();
    painter.fillPath(triangle, MarkColour());
    painter.restore();
}

void DrawInclude(QPainter& painter, const QRect& box, bool counted) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(MarkColour(), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(chart::PixelBox(box), 2, 2);
    if (counted) {
        painter.setPen(QPen(CSymptomListRenderer::Counted(), 1.8, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        const QRectF r = QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5);
        QPainterPath tick;
        tick.moveTo(r.left(), r.center().y());
        tick.lineTo(r.left() + r.width() * 0.4, r.bottom());
        tick.lineTo(r.right(), r.top());
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.restore();
}

}  // namespace

CSymptomListRenderer::CSymptomListRenderer() = default;
CSymptomListRenderer::~CSymptomListRenderer() = default;

const QFont& CSymptomListRenderer::GradeFont(int grade) {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    switch (views::FaceOfGrade(grade)) {
        case views::RemedyFace::kBold:
            return fonts.Bold();
        case views::RemedyFace::kItalic:
            return fonts.Italic();
        case views::RemedyFace::kNormal:
            break;
    }
    return fonts.Normal();
}

const CSymptomListRenderer::Word& CSymptomListRenderer::WordOf(int remedy, int grade,
                                                              const std::string& shortName) {
    const quint64 key = (static_cast<quint64>(static_cast<quint32>(remedy)) << 8) |
                        static_cast<quint64>(std::clamp(grade, 0, 255));
    auto found = m_words.find(key);
    if (found != m_words.end()) return *found;
    Word word;
    // The words stand kRemedyGap apart: the printed form without its blank.
    if (!chart::RemedyLabel(shortName).isEmpty()) word.text = views::TypesetRemedy(shortName, grade).trimmed();
    word.width = QFontMetrics(GradeFont(grade)).horizontalAdvance(word.text);
    word.glyphs = QStaticText(word.text);
    word.glyphs.setTextFormat(Qt::PlainText);
    word.glyphs.setPerformanceHint(QStaticText::AggressiveCaching);
    word.glyphs.prepare(QTransform(), GradeFont(grade));
    return *m_words.insert(key, word);
}

int CSymptomListRenderer::AddBox(int left, int width, BoxKind kind, int item, int remedy) {
    const int number = m_rows.AddItem(left, std::max(0, width));
    m_boxes.push_back({kind, item, remedy});
    return number;
}

void CSymptomListRenderer::Layout(int width) {
    m_width = std::max(width, 1);
    m_items.clear();
    m_itemTops.clear();
    m_rows.Clear();
    m_boxes.clear();
    m_lines.clear();
    int top = 4;
    if (m_analysis != nullptr) {
        for (CSympthom* symptom = &m_analysis->GetFirstSymptom(); symptom != nullptr;
             symptom = symptom->GetNext())
            top = LayoutSymptom(*symptom, symptom == &m_analysis->GetFirstSymptom(), top);
    }
    m_height = top;
}

int CSymptomListRenderer::LayoutSymptom(CSympthom& symptom, bool first, int top) {
    const int index = static_cast<int>(m_items.size());
    auto item = std::make_unique<SymptomItem>(symptom, first);
    item->m_text = chart::Filled(chart::Text("%s (%d rubrics)"),
                                 {Decoded(symptom.m_name), QString::number(symptom.m_topics.size())});
    item->m_band = QRect(2, top, m_width - 4, kHeaderHeight);
    // However narrow the list, the delete mark stands right of the name's
    // smallest box, so that a click finds each of them.
    const int deleteLeft = std::max(m_width - kDeleteRight, kNameLeft + kMinNameWidth + 6);
    const int nameRoom = deleteLeft - 6 - kNameLeft;
    const int nameWidth =
        std::min(nameRoom, QFontMetrics(CInterfaceFonts::Shared().Bold()).horizontalAdvance(item->m_text) + 1);
    item->m_textRoom = nameRoom;
    item->m_weightBox = MarkBox(9, top, kHeaderHeight, chart::kMarkerSize);
    item->m_nameBox = QRect(kNameLeft, top + 4, std::max(nameWidth, kMinNameWidth), kHeaderHeight - 7);
    m_rows.AddRow(top, kHeaderHeight);
    AddBox(item->m_weightBox.left(), chart::kMarkerSize, BoxKind::Weight, index);
    const int name = AddBox(kNameLeft, item->m_nameBox.width(), BoxKind::SymptomName, index);
    if (!first) {
        item->m_deleteBox = MarkBox(deleteLeft, top, kHeaderHeight, 14);
        AddBox(deleteLeft, 14, BoxKind::SymptomDelete, index);
    }
    m_lines.push_back(name);
    m_itemTops.push_back(top);
    int bottom = top + kHeaderHeight + 2;
    item->SetExtent(top, bottom);
    m_items.push_back(std::move(item));

    if (symptom.m_topics.empty()) {
        const int placeholderIndex = static_cast<int>(m_items.size());
        auto placeholder = std::make_unique<TopicItem>(symptom, -1);
        placeholder->m_text = chart::Text("No added rubrics");
        const int width = QFontMetrics(CInterfaceFonts::Shared().Italic())
                              .horizontalAdvance(placeholder->m_text);
        placeholder->m_textBox = QRect(kNameLeft, bottom, width, kLineHeight);
        m_rows.AddRow(bottom, kLineHeight);
        AddBox(kNameLeft, width, BoxKind::Placeholder, placeholderIndex);
        placeholder->SetExtent(bottom, bottom + kLineHeight);
        m_itemTops.push_back(bottom);
        m_items.push_back(std::move(placeholder));
        bottom += kLineHeight;
    }
    for (std::size_t i = 0; i < symptom.m_topics.size(); ++i) {
        const int kind = symptom.m_topics[i].m_dataType;
        if (kind == CSympthom::kRubricTopic)
            bottom = LayoutRubric(symptom, static_cast<int>(i), bottom);
        else if (kind == CSympthom::kArticleTopic)
            bottom = LayoutArticle(symptom, static_cast<int>(i), bottom);
    }
    return bottom + kSymptomGap;
}

int CSymptomListRenderer::LayoutRubric(CSympthom& symptom, int topicIndex, int top) {
    const int index = static_cast<int>(m_items.size());
    const CSympthom::CTopic& topic = symptom.m_topics[static_cast<std::size_t>(topicIndex)];
    auto item = std::make_unique<TopicItem>(symptom, topicIndex);
    item->m_topicId = topic.m_topicId;
    item->m_counted = topic.IsCounted();
    item->m_expanded = topic.m_expander != 0;
    const QString path =
        topic.m_pathText.empty() ? chart::Text("Unknown rubric") : Decoded(topic.m_pathText);
    item->m_text = chart::Filled(chart::Text("%s (%d remedies)"),
                                 {path, QString::number(topic.m_remedies.size())});
    const int deleteLeft = std::max(m_width - kDeleteRight, kTextLeft + 8);
    item->m_textRoom = std::max(0, deleteLeft - 6 - kTextLeft);
    const int textWidth =
        std::min(item->m_textRoom,
                 QFontMetrics(CInterfaceFonts::Shared().Normal()).horizontalAdvance(item->m_text) + 1);
    item->m_expandBox = MarkBox(12, top, kLineHeight, kMarkSize);
    item->m_includeBox = MarkBox(30, top, kLineHeight, kMarkSize);
    item->m_textBox = QRect(kTextLeft, top, std::max(textWidth, 8), kLineHeight);
    item->m_deleteBox = MarkBox(deleteLeft, top, kLineHeight, kMarkSize);
    m_rows.AddRow(top, kLineHeight);
    AddBox(12, kMarkSize, BoxKind::TopicExpand, index);
    AddBox(30, kMarkSize, BoxKind::TopicInclude, index);
    m_lines.push_back(AddBox(kTextLeft, item->m_textBox.width(), BoxKind::TopicText, index));
    AddBox(deleteLeft, kMarkSize, BoxKind::TopicDelete, index);
    int bottom = top + kLineHeight;

    if (item->m_expanded && !topic.m_remedies.empty()) {
        const int right = std::max(m_width - kRightMargin, kTextLeft + 1);
        int x = kTextLeft;
        int lineTop = bottom;
        m_rows.AddRow(lineTop, kRemedyLineHeight);
        item->m_remedies.reserve(topic.m_remedies.size());
        for (std::size_t r = 0; r < topic.m_remedies.size(); ++r) {
            const CSympthom::CTopic::CRemedyInfo& entry = topic.m_remedies[r];
            const Word& word = WordOf(entry.m_remedy, entry.m_grade, entry.m_shortName);
            if (x > kTextLeft && x + word.width > right) {
                x = kTextLeft;
                lineTop += kRemedyLineHeight;
                m_rows.AddRow(lineTop, kRemedyLineHeight);
            }
            AddBox(x, word.width, BoxKind::Remedy, index, static_cast<int>(r));
            item->m_remedies.push_back({entry.m_remedy, entry.m_grade, word.text,
                                        QRect(x, lineTop, word.width, kRemedyLineHeight),
                                        word.glyphs});
            x += word.width + kRemedyGap;
        }
        bottom = lineTop + kRemedyLineHeight + 2;
    }
    item->SetExtent(top, bottom);
    m_itemTops.push_back(top);
    m_items.push_back(std::move(item));
    return bottom;
}

int CSymptomListRenderer::LayoutArticle(CSympthom& symptom, int topicIndex, int top) {
    const int index = static_cast<int>(m_items.size());
    const CSympthom::CTopic& topic = symptom.m_topics[static_cast<std::size_t>(topicIndex)];
    auto item = std::make_unique<ArticleItem>(symptom, topicIndex);
    item->m_topicId = topic.m_topicId;
    item->m_sourceId = topic.m_sourceId;
    item->m_expanded = topic.m_expander != 0;
    item->m_title = Decoded(analysis_window::ArticleCaption(topic));
    const int deleteLeft = std::max(m_width - kDeleteRight, kTextLeft + 8);
    item->m_textRoom = std::max(0, deleteLeft - 6 - kTextLeft);
    const int titleWidth =
        std::min(item->m_textRoom,
                 QFontMetrics(CInterfaceFonts::Shared().Normal()).horizontalAdvance(item->m_title) + 1);
    item->m_expandBox = MarkBox(12, top, kLineHeight, kMarkSize);
    item->m_titleBox = QRect(kTextLeft, top, std::max(titleWidth, 8), kLineHeight);
    item->m_deleteBox = MarkBox(deleteLeft, top, kLineHeight, kMarkSize);
    m_rows.AddRow(top, kLineHeight);
    AddBox(12, kMarkSize, BoxKind::ArticleExpand, index);
    m_lines.push_back(AddBox(kTextLeft, item->m_titleBox.width(), BoxKind::ArticleTitle, index));
    AddBox(deleteLeft, kMarkSize, BoxKind::ArticleDelete, index);
    int bottom = top + kLineHeight;
    if (item->m_expanded) {
        item->m_passage = QStringLiteral("... ") + Decoded(topic.m_text) + QStringLiteral(" ...");
        const int width = std::max(1, m_width - kRightMargin - kTextLeft);
        const QRect bounds = QFontMetrics(CInterfaceFonts::Shared().Normal())
                                 .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap,
                                               item->m_passage);
        item->m_passageBox = QRect(kTextLeft, bottom, width, bounds.height() + 2);
        m_rows.AddRow(bottom, item->m_passageBox.height());
        AddBox(kTextLeft, width, BoxKind::Passage, index);
        bottom += item->m_passageBox.height() + 2;
    }
    item->SetExtent(top, bottom);
    m_itemTops.push_back(top);
    m_items.push_back(std::move(item));
    return bottom;
}

QSize CSymptomListRenderer::ContentSize() const {
    return QSize(m_width, m_height);
}

void CSymptomListRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, Qt::white);
    // The first item that may meet the area, by its top.
    auto first = std::upper_bound(m_itemTops.begin(), m_itemTops.end(), area.top());
    std::size_t index = first == m_itemTops.begin()
                            ? 0
                            : static_cast<std::size_t>(first - m_itemTops.begin()) - 1;
    for (; index < m_items.size() && m_items[index]->Top() <= area.bottom(); ++index)
        if (m_items[index]->Bottom() >= area.top()) PaintItem(painter, *m_items[index], area);
}

void CSymptomListRenderer::PaintItem(QPainter& painter, const Item& item, const QRect& area) const {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    switch (item.GetKind()) {
        case Item::Kind::Symptom: {
            const auto& symptom = static_cast<const SymptomItem&>(item);
            QColor tint = HeaderBand();
            tint.setAlpha(56);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            QPainterPath band;
            band.addRoundedRect(chart::PixelBox(symptom.m_band), 3, 3);
            painter.fillPath(band, Qt::white);
            painter.fillPath(band, tint);
            painter.setPen(QPen(HeaderBand(), 1));
            painter.drawPath(band);
            painter.restore();
            painter.fillRect(symptom.m_band.left() + 1, symptom.m_band.top() + 1, 3,
                             symptom.m_band.height() - 2, HeaderBand());
            chart::DrawWeightMarker(painter, symptom.m_weightBox, item.Symptom().m_weight);
            painter.setFont(fonts.Bold());
            painter.setPen(HeaderText());
            const QRect text(kNameLeft, symptom.m_band.top(), symptom.m_textRoom,
                             symptom.m_band.height());
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             chart::Fitted(QFontMetrics(fonts.Bold()), symptom.m_text, text.width()));
            if (!symptom.m_deleteBox.isEmpty()) DrawDelete(painter, symptom.m_deleteBox, MarkColour());
            break;
        }
        case Item::Kind::Topic: {
            const auto& topic = static_cast<const TopicItem&>(item);
            if (topic.IsPlaceholder()) {
                painter.setFont(fonts.Italic());
                painter.setPen(Excluded());
                painter.drawText(topic.m_textBox, Qt::AlignLeft | Qt::AlignVCenter, topic.m_text);
                break;
            }
            DrawExpander(painter, topic.m_expandBox, topic.m_expanded);
            DrawInclude(painter, topic.m_includeBox, topic.m_counted);
            painter.setFont(fonts.Normal());
            painter.setPen(topic.m_counted ? Counted() : Excluded());
            const QRect text(topic.m_textBox.left(), topic.m_textBox.top(), topic.m_textRoom,
                             topic.m_textBox.height());
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             chart::Fitted(QFontMetrics(fonts.Normal()), topic.m_text, text.width()));
            DrawDelete(painter, topic.m_deleteBox, MarkColour());
            painter.setPen(Excluded());
            int grade = -1;
            int lift = 0;
            for (const CSympthomView::CView_Remedy& remedy : topic.m_remedies) {
                if (remedy.box.bottom() < area.top()) continue;
                if (remedy.box.top() > area.bottom()) break;
                if (remedy.grade != grade) {
                    grade = remedy.grade;
                    painter.setFont(GradeFont(grade));
                    lift = (kRemedyLineHeight - QFontMetrics(GradeFont(grade)).height()) / 2;
                }
                painter.drawStaticText(remedy.box.left(), remedy.box.top() + lift, remedy.glyphs);
            }
            break;
        }
        case Item::Kind::Article: {
            const auto& article = static_cast<const ArticleItem&>(item);
            DrawExpander(painter, article.m_expandBox, article.m_expanded);
            painter.setFont(fonts.Normal());
            painter.setPen(HeaderText());
            const QRect title(article.m_titleBox.left(), article.m_titleBox.top(),
                              article.m_textRoom, article.m_titleBox.height());
            painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             chart::Fitted(QFontMetrics(fonts.Normal()), article.m_title, title.width()));
            DrawDelete(painter, article.m_deleteBox, MarkColour());
            if (article.m_expanded) {
                painter.setPen(Excluded());
                painter.drawText(article.m_passageBox, Qt::TextWordWrap, article.m_passage);
            }
            break;
        }
    }
}

void CSymptomListRenderer::PaintOverlay(QPainter& painter, const QRect&,
                                        const CDrawnOverlay& overlay) {
    if (overlay.selected != kNoDrawnItem && overlay.selected < m_rows.ItemCount()) {
        const int row = m_rows.RowOfItem(static_cast<int>(overlay.selected));
        const QRect line(1, m_rows.RowTop(row), m_width - 2, m_rows.RowHeight(row));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        QColor fill = HeaderText();
        fill.setAlpha(overlay.focused ? 40 : 18);
        painter.setBrush(fill);
        painter.setPen(QPen(overlay.focused ? HeaderText() : QColor(180, 195, 220), 1));
        painter.drawRoundedRect(chart::PixelBox(line), 3, 3);
        painter.restore();
    }
    const Box* box = BoxOf(overlay.hover);
    if (box == nullptr || !IsClickable(overlay.hover)) return;
    const Item& item = *m_items[static_cast<std::size_t>(box->item)];
    QRect visual;
    switch (box->kind) {
        case BoxKind::SymptomDelete:
            DrawDelete(painter, static_cast<const SymptomItem&>(item).m_deleteBox, QColor(200, 40, 40));
            return;
        case BoxKind::TopicDelete:
            DrawDelete(painter, static_cast<const TopicItem&>(item).m_deleteBox, QColor(200, 40, 40));
            return;
        case BoxKind::ArticleDelete:
            DrawDelete(painter, static_cast<const ArticleItem&>(item).m_deleteBox, QColor(200, 40, 40));
            return;
        case BoxKind::SymptomName:
            visual = static_cast<const SymptomItem&>(item).m_nameBox;
            break;
        case BoxKind::TopicText:
            visual = static_cast<const TopicItem&>(item).m_textBox;
            break;
        case BoxKind::ArticleTitle:
            visual = static_cast<const ArticleItem&>(item).m_titleBox;
            break;
        case BoxKind::Remedy:
            visual = static_cast<const TopicItem&>(item).m_remedies[static_cast<std::size_t>(box->remedy)].box;
            break;
        default: {
            // The marks get a soft ring.
            const QRect mark = ItemBox(overlay.hover);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(QColor(150, 180, 225), 1));
            painter.setBrush(Qt::NoBrush);
            const int size = box->kind == BoxKind::Weight ? chart::kMarkerSize + 4 : kMarkSize + 4;
            painter.drawRoundedRect(
                chart::PixelBox(QRect(mark.center().x() - size / 2 + 1, mark.center().y() - size / 2 + 1,
                                      size, size)),
                4, 4);
            painter.restore();
            return;
        }
    }
    const int underline = visual.center().y() + QFontMetrics(CInterfaceFonts::Shared().Normal()).ascent() / 2 + 2;
    painter.fillRect(visual.left(), underline, visual.width(), 1, HeaderText());
}

QRect CSymptomListRenderer::OverlayBox(DrawnItemId item) const {
    if (BoxOf(item) == nullptr) return QRect();
    const int row = m_rows.RowOfItem(static_cast<int>(item));
    return QRect(0, m_rows.RowTop(row), m_width, m_rows.RowHeight(row));
}

const CSymptomListRenderer::Box* CSymptomListRenderer::BoxOf(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_boxes.size())) return nullptr;
    return &m_boxes[static_cast<std::size_t>(item)];
}

DrawnItemId CSymptomListRenderer::ItemAt(const QPoint& point) const {
    const int item = m_rows.ItemAt(point);
    return item >= 0 ? item : kNoDrawnItem;
}

void CSymptomListRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    std::vector<int> found;
    m_rows.ItemsIn(area, &found);
    items->insert(items->end(), found.begin(), found.end());
}

QRect CSymptomListRenderer::ItemBox(DrawnItemId item) const {
    if (BoxOf(item) == nullptr) return QRect();
    return m_rows.ItemBox(static_cast<int>(item));
}

QString CSymptomListRenderer::ItemText(DrawnItemId id) const {
    const Box* box = BoxOf(id);
    if (box == nullptr) return QString();
    const Item& item = *m_items[static_cast<std::size_t>(box->item)];
    switch (box->kind) {
        case BoxKind::SymptomName:
            return static_cast<const SymptomItem&>(item).m_text;
        case BoxKind::Weight:
            return QString::fromLatin1(chart::RomanNumeral(item.Symptom().m_weight));
        case BoxKind::SymptomDelete:
        case BoxKind::TopicDelete:
        case BoxKind::ArticleDelete:
            return QStringLiteral("\u00D7");
        case BoxKind::Placeholder:
        case BoxKind::TopicText:
            return static_cast<const TopicItem&>(item).m_text;
        case BoxKind::TopicInclude:
            return static_cast<const TopicItem&>(item).m_counted ? QStringLiteral("\u2611")
                                                                 : QStringLiteral("\u2610");
        case BoxKind::TopicExpand:
            return static_cast<const TopicItem&>(item).m_expanded ? QStringLiteral("\u25BE")
                                                                  : QStringLiteral("\u25B8");
        case BoxKind::ArticleExpand:
            return static_cast<const ArticleItem&>(item).m_expanded ? QStringLiteral("\u25BE")
                                                                    : QStringLiteral("\u25B8");
        case BoxKind::Remedy:
            return static_cast<const TopicItem&>(item).m_remedies[static_cast<std::size_t>(box->remedy)].text;
        case BoxKind::ArticleTitle:
            return static_cast<const ArticleItem&>(item).m_title;
        case BoxKind::Passage:
            return static_cast<const ArticleItem&>(item).m_passage;
    }
    return QString();
}

bool CSymptomListRenderer::IsClickable(DrawnItemId item) const {
    const Box* box = BoxOf(item);
    return box != nullptr && box->kind != BoxKind::Placeholder && box->kind != BoxKind::Passage;
}

CHintText CSymptomListRenderer::ItemHint(DrawnItemId item) const {
    const Box* box = BoxOf(item);
    if (box == nullptr) return {};
    switch (box->kind) {
        case BoxKind::Weight:
            return {"Weight of the symptom\nClick to change"};
        case BoxKind::SymptomName:
            return {"Symptom synopsis\nClick to change\nEnter to accept changes\nEsc to cancel"};
        case BoxKind::Placeholder:
            return {"No any added rubrics\nopen any repertory and select by right click rubrics"};
        case BoxKind::TopicDelete:
            return {"Remove this rubric from analysis"};
        case BoxKind::TopicInclude:
            return {"Inclide/Exclude the topic from calculation"};
        case BoxKind::TopicExpand:
            return {"Expand/Collapse rubric"};
        default:
            return {};
    }
}

DrawnItemId CSymptomListRenderer::LineItem(const CSympthom* symptom, int topic) const {
    for (DrawnItemId line : m_lines) {
        const Box& box = m_boxes[static_cast<std::size_t>(line)];
        const Item& item = *m_items[static_cast<std::size_t>(box.item)];
        if (&item.Symptom() != symptom) continue;
        if (box.kind == BoxKind::SymptomName && topic < 0) return line;
        if (box.kind == BoxKind::TopicText &&
            static_cast<const TopicItem&>(item).TopicIndex() == topic)
            return line;
        if (box.kind == BoxKind::ArticleTitle &&
            static_cast<const ArticleItem&>(item).TopicIndex() == topic)
            return line;
    }
    return kNoDrawnItem;
}

DrawnItemId CSymptomListRenderer::FindBox(int index, BoxKind kind) const {
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i].item == index && m_boxes[i].kind == kind) return static_cast<DrawnItemId>(i);
    return kNoDrawnItem;
}
