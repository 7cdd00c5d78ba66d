#include "views/analysis/chart/chart_grid_renderer.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_data.h"
#include "views/analysis/chart/chart_style.h"

using namespace chart;

namespace {

// The glyph of a grade as drawn on `painter`'s device, made once per grade
// and pixel ratio: raster painting copies it instead of drawing a rounded
// square per cell.
const QPixmap& GlyphSprite(int grade, qreal ratio) {
    static QHash<qint64, QPixmap> sprites;
    const qint64 key = (static_cast<qint64>(grade) << 32) | qRound(ratio * 100);
    auto found = sprites.find(key);
    if (found != sprites.end()) return *found;
    const int side = 2 * CChartGridRenderer::GlyphHalf(grade);
    QPixmap sprite(qCeil(side * ratio), qCeil(side * ratio));
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Net(), 1));
    painter.setBrush(Glyph());
    painter.drawRoundedRect(PixelBox(QRect(0, 0, side, side)), 2, 2);
    painter.end();
    return *sprites.insert(key, sprite);
}

// Copying sprites is exact only on a raster device without scaling.
bool UsesSprites(const QPainter& painter) {
    return painter.paintEngine() != nullptr &&
           painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.worldTransform().type() <= QTransform::TxTranslate;
}

}  // namespace

CChartGridRenderer::CChartGridRenderer(CChartData& data) : m_data(data) {}

bool CChartGridRenderer::HasRows() const {
    return m_active && m_data.RowCount() > 0 && m_data.ColumnCount() > 0;
}

void CChartGridRenderer::Layout(int) {
    m_data.Ensure();
}

QSize CChartGridRenderer::ContentSize() const {
    if (!HasRows()) return QSize(0, 0);
    return QSize(m_data.ColumnCount() * kColumnWidth, m_data.RowCount() * kRowHeight);
}

DrawnItemId CChartGridRenderer::CellItem(int row, int column) {
    return (static_cast<DrawnItemId>(row) << 32) | static_cast<DrawnItemId>(column);
}

void CChartGridRenderer::PaintCells(QPainter& painter, const CChartData& data, int row0, int row1,
                                    int column0, int column1) {
    const CGradeMatrix& matrix = data.Matrix();
    const int rows = matrix.GetRowCount();
    const int columns = matrix.GetColumnCount();
    row0 = std::max(row0, 0);
    row1 = std::min(row1, rows);
    column0 = std::max(column0, 0);
    column1 = std::min(column1, columns);
    if (row0 >= row1 || column0 >= column1) return;
    const int left = column0 * kColumnWidth;
    const int width = (column1 - column0) * kColumnWidth;
    for (int r = row0; r < row1; ++r)
        if (r % 2 == 1) painter.fillRect(left, r * kRowHeight, width, kRowHeight, OddRow());

    // The net first, one pixel wide and exact (a line of 18 pixels from the
    // centre covers the centre and 17 pixels beyond it), the glyphs over it.
    QVector<QRect> lines;
    lines.reserve(static_cast<qsizetype>((row1 - row0) * (column1 - column0) * 4));
    for (int r = row0; r < row1; ++r) {
        const int cy = r * kRowHeight + kRowHeight / 2;
        for (int c = column0; c < column1; ++c) {
            const int cx = c * kColumnWidth + kColumnWidth / 2;
            if (c + 1 < columns) lines.append(QRect(cx, cy, kLineReach, 1));
            if (c > 0) lines.append(QRect(cx - kLineReach + 1, cy, kLineReach, 1));
            if (r + 1 < rows) lines.append(QRect(cx, cy, 1, kLineReach));
            if (r > 0) lines.append(QRect(cx, cy - kLineReach + 1, 1, kLineReach));
        }
    }
    const QColor net = Net();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(net);
    painter.drawRects(lines);
    if (UsesSprites(painter)) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        for (int r = row0; r < row1; ++r) {
            const int cy = r * kRowHeight + kRowHeight / 2;
            for (int c = column0; c < column1; ++c) {
                const int grade = matrix.Get(r, c);
                const int half = GlyphHalf(grade);
                if (half <= 0) continue;
                const int cx = c * kColumnWidth + kColumnWidth / 2;
                painter.drawPixmap(cx - half, cy - half, GlyphSprite(grade, ratio));
            }
        }
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(net, 1));
    painter.setBrush(Glyph());
    for (int r = row0; r < row1; ++r) {
        const int cy = r * kRowHeight + kRowHeight / 2;
        for (int c = column0; c < column1; ++c) {
            const int half = GlyphHalf(matrix.Get(r, c));
            if (half <= 0) continue;
            const int cx = c * kColumnWidth + kColumnWidth / 2;
            painter.drawRoundedRect(PixelBox(QRect(cx - half, cy - half, 2 * half, 2 * half)), 2,
                                    2);
        }
    }
}

void CChartGridRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, EvenRow());
    if (!m_active) return;
    if (m_data.RowCount() == 0) {
        painter.setFont(CInterfaceFonts::Shared().Normal());
        painter.setPen(Figures());
        painter.drawText(area.adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset),
                         Qt::AlignCenter | Qt::TextSingleLine,
                         Text("There isn't any repertory's topic for calculation"));
        return;
    }
    // The stripes of the odd rows run on past the last column.
    const int row0 = std::max(0, area.top() / kRowHeight);
    const int row1 = std::min(m_data.RowCount(), area.bottom() / kRowHeight + 1);
    for (int r = row0; r < row1; ++r)
        if (r % 2 == 1) painter.fillRect(area.left(), r * kRowHeight, area.width(), kRowHeight, OddRow());
    PaintCells(painter, m_data, row0, row1, area.left() / kColumnWidth,
               area.right() / kColumnWidth + 1);
}

void CChartGridRenderer::PaintOverlay(QPainter& painter, const QRect&,
                                      const CDrawnOverlay& overlay) {
    if (overlay.hover == kNoDrawnItem) return;
    const QRect box = ItemBox(overlay.hover);
    if (box.isEmpty()) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(RemedyName(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(PixelBox(box.adjusted(1, 1, -1, -1)), 3, 3);
}

DrawnItemId CChartGridRenderer::ItemAt(const QPoint& point) const {
    if (!HasRows() || point.x() < 0 || point.y() < 0) return kNoDrawnItem;
    const int row = point.y() / kRowHeight;
    const int column = point.x() / kColumnWidth;
    if (row >= m_data.RowCount() || column >= m_data.ColumnCount()) return kNoDrawnItem;
    return CellItem(row, column);
}

void CChartGridRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    if (!HasRows() || area.isEmpty()) return;
    const int row0 = std::max(0, area.top() / kRowHeight);
    const int row1 = std::min(m_data.RowCount(), area.bottom() / kRowHeight + 1);
    const int column0 = std::max(0, area.left() / kColumnWidth);
    const int column1 = std::min(m_data.ColumnCount(), area.right() / kColumnWidth + 1);
    for (int r = row0; r < row1; ++r)
        for (int c = column0; c < column1; ++c) items->push_back(CellItem(r, c));
}

QRect CChartGridRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0 || !HasRows()) return QRect();
    const int row = RowOf(item), column = ColumnOf(item);
    if (row >= m_data.RowCount() || column >= m_data.ColumnCount()) return QRect();
    return QRect(column * kColumnWidth, row * kRowHeight, kColumnWidth, kRowHeight);
}

QString CChartGridRenderer::ItemText(DrawnItemId item) const {
    if (ItemBox(item).isEmpty()) return QString();
    const int row = RowOf(item), column = ColumnOf(item);
    const CountedTopic& topic = m_data.Columns()[static_cast<std::size_t>(column)];
    return m_data.RemedyLabel(row) + QStringLiteral(", ") +
           plumbing::DecodeCodePage(topic.topic->m_title) + QStringLiteral(": ") +
           QString::number(m_data.Matrix().Get(row, column));
}

bool CChartGridRenderer::IsClickable(DrawnItemId) const {
    return false;
}

CHintText CChartGridRenderer::ItemHint(DrawnItemId item) const {
    if (ItemBox(item).isEmpty()) return {};
    const int row = RowOf(item), column = ColumnOf(item);
    const int grade = m_data.Matrix().Get(row, column);
    if (grade == 0) return {};
    const CountedTopic& topic = m_data.Columns()[static_cast<std::size_t>(column)];
    const QString text = m_data.RemedyLabel(row) + QLatin1Char('\n') +
                         plumbing::DecodeCodePage(topic.topic->m_pathText) + QStringLiteral(": ") +
                         QString::number(grade);
    return {plumbing::EncodeCp1251(text), CHintText::Translation::None};
}
