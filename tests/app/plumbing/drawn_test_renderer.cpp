#include "drawn_test_renderer.h"

#include <QPaintDevice>
#include <QFontMetrics>
#include <QPainter>
#include <cstdio>

CDrawnTestRenderer::CDrawnTestRenderer(int rows) : m_rowCount(rows) {}

int CDrawnTestRenderer::RowTop(int row) {
    const int tall = row / 10;  // tall rows before `row`
    return row * (kRowHeight + kGap) + tall * (kTallRowHeight - kRowHeight);
}

void CDrawnTestRenderer::Layout(int width) {
    ++m_layouts;
    m_width = width;
    m_rows.Clear();
    m_rows.Reserve(m_rowCount, std::size_t(m_rowCount) * kItemsPerRow);
    int top = 0;
    for (int row = 0; row < m_rowCount; ++row) {
        m_rows.AddRow(top, RowHeight(row));
        m_rows.AddItem(kHeadingLeft, kHeadingWidth);
        for (int k = 0; k < kRemedies; ++k) m_rows.AddItem(kRemedyLeft + k * kRemedyStep, kRemedyWidth);
        top += RowHeight(row) + kGap;
    }
}

QSize CDrawnTestRenderer::ContentSize() const {
    return QSize(m_rows.Right(), m_rows.Bottom());
}

const QStaticText& CDrawnTestRenderer::RemedyText(int name, const QFont& font) {
    auto found = m_remedyTexts.find(name);
    if (found == m_remedyTexts.end()) {
        QStaticText text(QStringLiteral("Remedy %1").arg(name));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        found = m_remedyTexts.emplace(name, std::move(text)).first;
    }
    return found->second;
}

void CDrawnTestRenderer::Paint(QPainter& painter, const QRect& area) {
    ++m_paints;
    m_lastArea = area;
    m_lastRatio = painter.device()->devicePixelRatioF();
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    const auto [first, end] = m_rows.RowsIn(area.top(), area.bottom() + 1);
    for (int row = first; row < end; ++row) {
        const int top = m_rows.RowTop(row);
        // Headings are shaped as they are drawn; remedy names come prepared.
        const int baseline = top + (m_rows.RowHeight(row) + metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(QPoint(kHeadingLeft, baseline), QStringLiteral("Row ") + QString::number(row));
        const int textTop = baseline - metrics.ascent();
        for (int k = 0; k < kRemedies; ++k) {
            const int name = (row * kRemedies + k) % kRemedyNames;
            painter.drawStaticText(QPoint(kRemedyLeft + k * kRemedyStep, textTop), RemedyText(name, painter.font()));
        }
    }
}

void CDrawnTestRenderer::PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) {
    ++m_overlayPaints;
    m_lastOverlay = overlay;
    m_lastOverlayArea = area;
    if (overlay.selected != kNoDrawnItem) painter.fillRect(ItemBox(overlay.selected), QColor(49, 106, 197, 96));
    if (overlay.hover != kNoDrawnItem) painter.drawRect(ItemBox(overlay.hover).adjusted(0, 0, -1, -1));
}

DrawnItemId CDrawnTestRenderer::ItemAt(const QPoint& point) const {
    const int item = m_rows.ItemAt(point);
    return item < 0 ? kNoDrawnItem : item;
}

void CDrawnTestRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    std::vector<int> found;
    m_rows.ItemsIn(area, &found);
    items->insert(items->end(), found.begin(), found.end());
}

QRect CDrawnTestRenderer::ItemBox(DrawnItemId item) const {
    return item < 0 || item >= m_rows.ItemCount() ? QRect() : m_rows.ItemBox(static_cast<int>(item));
}

QString CDrawnTestRenderer::ItemText(DrawnItemId item) const {
    const int row = static_cast<int>(item / kItemsPerRow);
    const int k = static_cast<int>(item % kItemsPerRow);
    return k == 0 ? QStringLiteral("Row %1").arg(row) : RemedyName(row, k - 1);
}

bool CDrawnTestRenderer::IsClickable(DrawnItemId item) const {
    return item % kItemsPerRow != kItemsPerRow - 1;
}

CHintText CDrawnTestRenderer::ItemHint(DrawnItemId item) const {
    switch (item % kItemsPerRow) {
    case 0: return {"Expand/Collapse rubric", CHintText::Translation::Whole};
    case 1: {
        char text[32];
        std::snprintf(text, sizeof text, "{Weight:} %d", static_cast<int>(item / kItemsPerRow % 4 + 1));
        return {text, CHintText::Translation::Braces};
    }
    default: return {};
    }
}
