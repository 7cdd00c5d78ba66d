#include "views/analysis/chart/chart_remedies_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_data.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/chart/ranking_hint.h"

using namespace chart;

namespace {

// Room the name leaves for the fragile mark.
constexpr int kMarkRoom = CChartRemediesRenderer::kMarkSize + 4;

int NameRoom(int width) {
    return std::max(0, width - CChartRemediesRenderer::kNameLeft - kMarkRoom);
}

void DrawFragileMark(QPainter& painter, int x, int y) {
    const int size = CChartRemediesRenderer::kMarkSize;
    QPainterPath triangle;
    triangle.moveTo(x, y + size);
    triangle.lineTo(x + size / 2.0, y);
    triangle.lineTo(x + size, y + size);
    triangle.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(triangle, Fragile());
    painter.restore();
}

}  // namespace

CChartRemediesRenderer::CChartRemediesRenderer(CChartData& data) : m_data(data) {}

QString CChartRemediesRenderer::FiguresText(int count, int weight) {
    return QString::number(count) + QLatin1Char('/') + QString::number(weight);
}

void CChartRemediesRenderer::Layout(int width) {
    m_data.Ensure();
    m_width = width;
    const QFontMetrics bold(CInterfaceFonts::Shared().Bold());
    const QFontMetrics normal(CInterfaceFonts::Shared().Normal());
    const int rows = m_data.RowCount();
    m_nameWidths.resize(static_cast<std::size_t>(rows));
    m_figureWidths.resize(static_cast<std::size_t>(rows));
    const int room = NameRoom(width);
    // Names come back with every ranking, figures often: their widths are kept
    // (a name by its text, figures by theirs and a mark no name has).
    auto widthOf = [this](const QString& key, const QFontMetrics& metrics, const QString& text) {
        auto found = m_widths.find(key);
        if (found == m_widths.end()) found = m_widths.insert(key, metrics.horizontalAdvance(text));
        return *found;
    };
    for (int r = 0; r < rows; ++r) {
        const CItems& entry = m_data.Ranked()[static_cast<std::size_t>(r)];
        const QString& name = m_data.RemedyLabel(r);
        const QString figures = FiguresText(entry.m_count, entry.m_weight);
        m_nameWidths[static_cast<std::size_t>(r)] = std::min(room, widthOf(name, bold, name));
        m_figureWidths[static_cast<std::size_t>(r)] =
            std::min(width, widthOf(QLatin1Char('\x01') + figures, normal, figures));
    }
}

QSize CChartRemediesRenderer::ContentSize() const {
    return QSize(m_width, m_data.RowCount() * kRowHeight);
}

void CChartRemediesRenderer::PaintRows(QPainter& painter, const CChartData& data, int width,
                                       int row0, int row1) {
    row0 = std::max(row0, 0);
    row1 = std::min(row1, data.RowCount());
    const QFont& bold = CInterfaceFonts::Shared().Bold();
    const QFont& normal = CInterfaceFonts::Shared().Normal();
    const QFontMetrics boldMetrics(bold);
    const int room = NameRoom(width);
    for (int r = row0; r < row1; ++r) {
        const int top = r * kRowHeight;
        if (r % 2 == 1) painter.fillRect(0, top, width, kRowHeight, OddRow());
        const CItems& entry = data.Ranked()[static_cast<std::size_t>(r)];
        const QString name = Fitted(boldMetrics, data.RemedyLabel(r), room);
        painter.setFont(bold);
        painter.setPen(RemedyName());
        painter.drawText(QRect(kNameLeft, top, room, kLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
        if (data.FragilityOf(r) != nullptr) {
            const int x = std::min(kNameLeft + boldMetrics.horizontalAdvance(name) + 3,
                                   width - kMarkSize - 2);
            DrawFragileMark(painter, x, top + (kLineHeight - kMarkSize) / 2);
        }
        painter.setFont(normal);
        painter.setPen(Figures());
        painter.drawText(QRect(0, top + kLineHeight, width, kLineHeight),
                         Qt::AlignCenter | Qt::TextSingleLine,
                         FiguresText(entry.m_count, entry.m_weight));
    }
}

void CChartRemediesRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, EvenRow());
    if (m_data.RowCount() == 0) {
        painter.setFont(CInterfaceFonts::Shared().Normal());
        painter.setPen(Figures());
        painter.drawText(area.adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset),
                         Qt::AlignCenter | Qt::TextWordWrap, Text("There aren't topics"));
        return;
    }
    PaintRows(painter, m_data, m_width, area.top() / kRowHeight, area.bottom() / kRowHeight + 1);
}

void CChartRemediesRenderer::PaintOverlay(QPainter& painter, const QRect&,
                                          const CDrawnOverlay& overlay) {
    // The hovered remedy's name is underlined, as a link.
    if (overlay.hover == kNoDrawnItem) return;
    const int row = RowOf(overlay.hover);
    const QRect name = ItemBox(NameItem(row));
    if (name.isEmpty()) return;
    painter.fillRect(name.left(), name.bottom() - 2, name.width(), 1, RemedyName());
}

DrawnItemId CChartRemediesRenderer::ItemAt(const QPoint& point) const {
    if (point.y() < 0 || point.x() < 0) return kNoDrawnItem;
    const int row = point.y() / kRowHeight;
    if (row >= m_data.RowCount() || row >= static_cast<int>(m_nameWidths.size()))
        return kNoDrawnItem;
    for (DrawnItemId item : {NameItem(row), FiguresItem(row)})
        if (ItemBox(item).contains(point)) return item;
    return kNoDrawnItem;
}

void CChartRemediesRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    const int rows = std::min(m_data.RowCount(), static_cast<int>(m_nameWidths.size()));
    const int row0 = std::max(0, area.top() / kRowHeight);
    const int row1 = std::min(rows, area.bottom() / kRowHeight + 1);
    for (int r = row0; r < row1; ++r) {
        for (DrawnItemId item : {NameItem(r), FiguresItem(r)})
            if (ItemBox(item).intersects(area)) items->push_back(item);
    }
}

QRect CChartRemediesRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0) return QRect();
    const int row = RowOf(item);
    if (row >= static_cast<int>(m_nameWidths.size()) || row >= m_data.RowCount()) return QRect();
    const int top = row * kRowHeight;
    if (item % 2 == 0)
        return QRect(kNameLeft, top, std::max(1, m_nameWidths[static_cast<std::size_t>(row)]),
                     kLineHeight);
    const int width = m_figureWidths[static_cast<std::size_t>(row)];
    return QRect((m_width - width) / 2, top + kLineHeight, std::max(1, width), kLineHeight);
}

QString CChartRemediesRenderer::ItemText(DrawnItemId item) const {
    if (ItemBox(item).isEmpty()) return QString();
    const int row = RowOf(item);
    const CItems& entry = m_data.Ranked()[static_cast<std::size_t>(row)];
    return item % 2 == 0 ? m_data.RemedyLabel(row) : FiguresText(entry.m_count, entry.m_weight);
}

CHintText CChartRemediesRenderer::ItemHint(DrawnItemId item) const {
    if (ItemBox(item).isEmpty()) return {};
    return {plumbing::EncodeCp1251(RankingHint(m_data, RowOf(item))),
            CHintText::Translation::None};
}
