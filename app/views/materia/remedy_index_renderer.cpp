#include "views/materia/remedy_index_renderer.h"

#include <corvela.h>

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/materia/word_highlights.h"

namespace {

constexpr int kHeadingGap = 6;  // above a heading (but the first)
constexpr int kDot = 5;
constexpr int kTextIndent = 14;

QColor HeadingBand() { return QColor(236, 241, 249); }
QColor HeadingText() { return QColor(55, 104, 185); }
QColor EmptyHeadingText() { return QColor(160, 172, 190); }
QColor MarkedText() { return QColor(25, 25, 25); }
QColor UnmarkedText() { return QColor(150, 150, 150); }
QColor DotColour() { return QColor(55, 104, 185); }
QColor HoverBand() { return QColor(232, 238, 248); }
QColor SelectedBand() { return QColor(55, 104, 185); }

// A name as an index prints it: its first letter capital.
QString Capitalised(const QString& name) {
    if (name.isEmpty()) return name;
    return name.left(1).toUpper() + name.mid(1);
}

}  // namespace

CRemedyIndexRenderer::CRemedyIndexRenderer() {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    m_font = fonts.Normal();
    m_headingFont = fonts.Bold();
    m_lineHeight = QFontMetrics(m_font).height() + 4;
    m_headingHeight = QFontMetrics(m_headingFont).height() + 8;
    LoadCatalogue();
}

CRemedyIndexRenderer::~CRemedyIndexRenderer() = default;

void CRemedyIndexRenderer::LoadCatalogue() {
    Corvela& engine = CorvelaInstance();
    const int count = engine.GetRemedyCount();
    m_sections.assign(kSections + 1, Section{});
    for (int s = 0; s < kSections; ++s) m_sections[s].letter = QChar(u'A' + s);
    m_sections[kSections].letter = QStringLiteral("#");
    m_names.assign(static_cast<std::size_t>(count), QString());
    m_rawNames.assign(static_cast<std::size_t>(count), std::string());
    m_sectionOf.assign(static_cast<std::size_t>(count), kSections);
    m_marked.assign(static_cast<std::size_t>(count), 0);
    std::vector<std::pair<QString, int>> order;
    order.reserve(static_cast<std::size_t>(count));
    for (int number = 0; number < count; ++number) {
        Remedy* remedy = engine.GetRemedy(number);
        if (remedy == nullptr) continue;
        std::string name = remedy->GetLongName();
        if (name.empty()) name = remedy->GetShortName();
        m_names[static_cast<std::size_t>(number)] = Capitalised(plumbing::DecodeCodePage(name));
        m_rawNames[static_cast<std::size_t>(number)] =
            name + " (" + remedy->GetShortName() + ")";
        order.emplace_back(materia::FoldCase(plumbing::DecodeCodePage(name)), number);
    }
    std::sort(order.begin(), order.end());
    for (const auto& [key, number] : order) {
        const QChar first = key.isEmpty() ? QChar() : key.front();
        const int section = first >= u'a' && first <= u'z' ? first.unicode() - u'a' : kSections;
        m_sectionOf[static_cast<std::size_t>(number)] = section;
        m_sections[static_cast<std::size_t>(section)].remedies.push_back(number);
    }
    m_markedSource = Guid{};
    m_width = 0;
}

bool CRemedyIndexRenderer::MarkSource(const Guid& materiaMedica) {
    Corvela& engine = CorvelaInstance();
    bool changed = false;
    for (std::size_t number = 0; number < m_marked.size(); ++number) {
        const int remedy = static_cast<int>(number);
        char marked = 0;
        for (int column = 0; column < engine.GetRemedySourceCount(remedy) && marked == 0; ++column) {
            Guid id;
            engine.GetRemedySource(remedy, column, &id);
            marked = id == materiaMedica ? 1 : 0;
        }
        changed = changed || marked != m_marked[number];
        m_marked[number] = marked;
    }
    m_markedSource = materiaMedica;
    return changed;
}

bool CRemedyIndexRenderer::IsMarked(int remedy) const {
    return remedy >= 0 && remedy < static_cast<int>(m_marked.size()) &&
           m_marked[static_cast<std::size_t>(remedy)] != 0;
}

int CRemedyIndexRenderer::SectionOf(int remedy) const {
    return remedy >= 0 && remedy < static_cast<int>(m_sectionOf.size())
               ? m_sectionOf[static_cast<std::size_t>(remedy)]
               : -1;
}

bool CRemedyIndexRenderer::IsCollapsed(int section) const {
    return section >= 0 && section < SectionCount() &&
           m_sections[static_cast<std::size_t>(section)].collapsed;
}

void CRemedyIndexRenderer::SetCollapsed(int section, bool collapsed) {
    if (section >= 0 && section < SectionCount())
        m_sections[static_cast<std::size_t>(section)].collapsed = collapsed;
}

const std::vector<int>& CRemedyIndexRenderer::SectionRemedies(int section) const {
    return m_sections.at(static_cast<std::size_t>(section)).remedies;
}

bool CRemedyIndexRenderer::IsHeading(DrawnItemId item) const {
    return item >= 0 && item < static_cast<DrawnItemId>(m_items.size()) &&
           m_items[static_cast<std::size_t>(item)].remedy < 0;
}

int CRemedyIndexRenderer::RemedyOf(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) return -1;
    return m_items[static_cast<std::size_t>(item)].remedy;
}

int CRemedyIndexRenderer::SectionOfItem(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) return -1;
    return m_items[static_cast<std::size_t>(item)].section;
}

DrawnItemId CRemedyIndexRenderer::ItemOfRemedy(int remedy) const {
    if (remedy < 0 || remedy >= static_cast<int>(m_itemOfRemedy.size())) return kNoDrawnItem;
    const int item = m_itemOfRemedy[static_cast<std::size_t>(remedy)];
    return item >= 0 ? item : kNoDrawnItem;
}

DrawnItemId CRemedyIndexRenderer::ItemOfSection(int section) const {
    if (section < 0 || section >= static_cast<int>(m_itemOfSection.size())) return kNoDrawnItem;
    const int item = m_itemOfSection[static_cast<std::size_t>(section)];
    return item >= 0 ? item : kNoDrawnItem;
}

void CRemedyIndexRenderer::Layout(int width) {
    m_width = std::max(width, 1);
    const int inner = std::max(m_width - 2 * kMargin, 1);
    m_columns = std::max(1, inner / kColumnWidth);
    const int columnWidth = inner / m_columns;
    m_rows.Clear();
    m_items.clear();
    m_itemOfRemedy.assign(m_names.size(), -1);
    m_itemOfSection.assign(m_sections.size(), -1);
    m_rows.Reserve(m_sections.size() + m_names.size(), m_sections.size() + m_names.size());
    int top = kMargin / 2;
    for (int s = 0; s < SectionCount(); ++s) {
        const Section& section = m_sections[static_cast<std::size_t>(s)];
        if (s == kSections && section.remedies.empty()) continue;  // "#" only when needed
        if (s > 0) top += kHeadingGap;
        m_rows.AddRow(top, m_headingHeight);
        m_itemOfSection[static_cast<std::size_t>(s)] = m_rows.AddItem(kMargin, inner);
        m_items.push_back({s, -1});
        top += m_headingHeight + 2;
        if (section.collapsed || section.remedies.empty()) continue;
        const int count = static_cast<int>(section.remedies.size());
        const int rows = (count + m_columns - 1) / m_columns;
        for (int row = 0; row < rows; ++row) {
            m_rows.AddRow(top, m_lineHeight);
            for (int column = 0; column < m_columns; ++column) {
                const int index = column * rows + row;
                if (index >= count) break;
                const int remedy = section.remedies[static_cast<std::size_t>(index)];
                m_itemOfRemedy[static_cast<std::size_t>(remedy)] =
                    m_rows.AddItem(kMargin + column * columnWidth, columnWidth - 4);
                m_items.push_back({s, remedy});
            }
            top += m_lineHeight;
        }
    }
}

QSize CRemedyIndexRenderer::ContentSize() const {
    return {m_width, m_rows.Bottom() + kMargin};
}

void CRemedyIndexRenderer::PaintItem(QPainter& painter, int item, bool selected, bool hover) const {
    const Item& what = m_items[static_cast<std::size_t>(item)];
    const QRect box = m_rows.ItemBox(item);
    if (what.remedy < 0) {
        const Section& section = m_sections[static_cast<std::size_t>(what.section)];
        painter.fillRect(box, hover ? HoverBand().darker(104) : HeadingBand());
        painter.setFont(m_headingFont);
        painter.setPen(section.remedies.empty() ? EmptyHeadingText() : HeadingText());
        painter.drawText(box.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         section.letter);
        // The count on the right, and a sign of a collapsed section.
        painter.setFont(m_font);
        const QString count = QString::number(section.remedies.size()) +
                              (section.collapsed ? QStringLiteral("  \u25B8") : QStringLiteral("  \u25BE"));
        painter.drawText(box.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, count);
        return;
    }
    const bool marked = IsMarked(what.remedy);
    if (selected) {
        painter.fillRect(box, SelectedBand());
    } else if (hover) {
        painter.fillRect(box, HoverBand());
    }
    const int middle = box.center().y();
    if (marked) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(selected ? QColor(Qt::white) : DotColour());
        painter.drawEllipse(QPointF(box.left() + 4 + kDot / 2.0, middle + 0.5), kDot / 2.0,
                            kDot / 2.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setFont(m_font);
    painter.setPen(selected ? QColor(Qt::white) : marked ? MarkedText() : UnmarkedText());
    const QRect textBox = box.adjusted(kTextIndent, 0, -2, 0);
    const QString name = QFontMetrics(m_font).elidedText(
        m_names[static_cast<std::size_t>(what.remedy)], Qt::ElideRight, textBox.width());
    painter.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, name);
}

void CRemedyIndexRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, Qt::white);
    const auto [first, end] = m_rows.RowsIn(area.top(), area.bottom() + 1);
    for (int row = first; row < end; ++row)
        for (int item = m_rows.FirstItem(row); item < m_rows.EndItem(row); ++item)
            PaintItem(painter, item, false, false);
}

void CRemedyIndexRenderer::PaintOverlay(QPainter& painter, const QRect& area,
                                        const CDrawnOverlay& overlay) {
    for (DrawnItemId item : {overlay.hover, overlay.selected}) {
        if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) continue;
        const QRect box = m_rows.ItemBox(static_cast<int>(item));
        if (!box.intersects(area)) continue;
        painter.fillRect(box, Qt::white);
        PaintItem(painter, static_cast<int>(item), item == overlay.selected,
                  item == overlay.hover && item != overlay.selected);
    }
}

DrawnItemId CRemedyIndexRenderer::ItemAt(const QPoint& point) const {
    const int item = m_rows.ItemAt(point);
    return item >= 0 ? item : kNoDrawnItem;
}

void CRemedyIndexRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    std::vector<int> found;
    m_rows.ItemsIn(area, &found);
    for (int item : found) items->push_back(item);
}

QRect CRemedyIndexRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) return {};
    return m_rows.ItemBox(static_cast<int>(item));
}

QString CRemedyIndexRenderer::ItemText(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) return {};
    const Item& what = m_items[static_cast<std::size_t>(item)];
    if (what.remedy < 0) return m_sections[static_cast<std::size_t>(what.section)].letter;
    return m_names[static_cast<std::size_t>(what.remedy)];
}

CHintText CRemedyIndexRenderer::ItemHint(DrawnItemId item) const {
    if (item < 0 || item >= static_cast<DrawnItemId>(m_items.size())) return {};
    const Item& what = m_items[static_cast<std::size_t>(item)];
    if (what.remedy < 0) return {TextKey("Expand/Collapse section"), CHintText::Translation::Whole};
    return {m_rawNames[static_cast<std::size_t>(what.remedy)], CHintText::Translation::None};
}
