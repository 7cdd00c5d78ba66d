#include "views/analysis/chart/chart_titles_renderer.h"

#include <QPainter>
#include <QTextOption>
#include <algorithm>

#include "model/records/sympthom.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_style.h"

using namespace chart;

namespace {

QRect ColumnBox(int column) {
    return QRect(column * kColumnWidth, 0, kColumnWidth, kTitleHeight);
}

// Where a column's title is written: above the rule, a pixel in from each side.
QRect TitleBox(int column) {
    return QRect(column * kColumnWidth + 1, 2, kColumnWidth - 2, kTitleTextBottom - 2);
}

}  // namespace

CChartTitlesRenderer::CChartTitlesRenderer(CChartData& data) : m_data(data) {}

namespace {

QTextOption TitleOption() {
    // Centred across the column and standing on the rule's side, so that
    // short and long titles end at one line.
    QTextOption option(Qt::AlignHCenter | Qt::AlignBottom);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

}  // namespace

void CChartTitlesRenderer::Layout(int) {
    m_data.Ensure();
    if (m_titlesGeneration == m_data.Generation() && !m_titles.empty()) return;
    m_titlesGeneration = m_data.Generation();
    m_titles.clear();
    m_titles.reserve(m_data.Columns().size());
    const QFont& font = CInterfaceFonts::Shared().Small12();
    QTextOption option = TitleOption();
    option.setAlignment(Qt::AlignHCenter);
    // A weight or an order changes no title: most come laid out already.
    for (const CountedTopic& column : m_data.Columns()) {
        const QString text = plumbing::DecodeCodePage(column.topic->m_title);
        auto found = m_laidOut.find(text);
        if (found == m_laidOut.end()) {
            QStaticText title(text);
            title.setTextFormat(Qt::PlainText);
            title.setTextWidth(kColumnWidth - 2);
            title.setTextOption(option);
            title.setPerformanceHint(QStaticText::AggressiveCaching);
            title.prepare(QTransform(), font);
            found = m_laidOut.insert(text, title);
        }
        m_titles.push_back(*found);
    }
}

QSize CChartTitlesRenderer::ContentSize() const {
    return QSize(m_data.ColumnCount() * kColumnWidth, kTitleHeight);
}

QRect CChartTitlesRenderer::MarkerBox(const CChartData::SymptomSpan& span) {
    const int middle = span.first * kColumnWidth + span.count * kColumnWidth / 2;
    return QRect(middle - kMarkerSize / 2, kRuleY - kMarkerSize / 2, kMarkerSize, kMarkerSize);
}

void CChartTitlesRenderer::PaintColumns(QPainter& painter, const CChartData& data, int column0,
                                        int column1, const std::vector<QStaticText>* titles) {
    column0 = std::max(column0, 0);
    column1 = std::min(column1, data.ColumnCount());
    if (column0 >= column1) return;
    painter.setFont(CInterfaceFonts::Shared().Small12());
    painter.setPen(Caption());
    const QTextOption option = TitleOption();
    for (int c = column0; c < column1; ++c) {
        const QRect box = TitleBox(c);
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        if (titles != nullptr && c < static_cast<int>(titles->size())) {
            const QStaticText& title = (*titles)[static_cast<std::size_t>(c)];
            const qreal top = std::max<qreal>(box.top(), box.bottom() + 1 - title.size().height());
            painter.drawStaticText(QPointF(box.left(), top), title);
        } else {
            const CountedTopic& topic = data.Columns()[static_cast<std::size_t>(c)];
            painter.drawText(QRectF(box), plumbing::DecodeCodePage(topic.topic->m_title), option);
        }
        painter.restore();
    }
    // The rules and markers of the symptoms that have a column in range.
    for (const CChartData::SymptomSpan& span : data.Spans()) {
        if (span.first + span.count <= column0 || span.first >= column1) continue;
        const int left = span.first * kColumnWidth + 2;
        const int right = (span.first + span.count) * kColumnWidth - 2;
        painter.fillRect(left, kRuleY, right - left, 1, Caption());
        DrawWeightMarker(painter, MarkerBox(span), span.symptom->m_weight);
    }
}

void CChartTitlesRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, CornerBackground());
    PaintColumns(painter, m_data, area.left() / kColumnWidth, area.right() / kColumnWidth + 1,
                 &m_titles);
}

void CChartTitlesRenderer::PaintOverlay(QPainter& painter, const QRect&,
                                        const CDrawnOverlay& overlay) {
    if (!IsWeightItem(overlay.hover)) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(RemedyName(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(PixelBox(ItemBox(overlay.hover).adjusted(-1, -1, 1, 1)), 4, 4);
}

QRect CChartTitlesRenderer::OverlayBox(DrawnItemId item) const {
    return ItemBox(item).adjusted(-2, -2, 2, 2);
}

bool CChartTitlesRenderer::IsWeightItem(DrawnItemId item) const {
    return item >= m_data.ColumnCount() &&
           item < m_data.ColumnCount() + static_cast<DrawnItemId>(m_data.Spans().size());
}

CSympthom* CChartTitlesRenderer::SymptomOf(DrawnItemId item) const {
    if (!IsWeightItem(item)) return nullptr;
    return m_data.Spans()[static_cast<std::size_t>(item - m_data.ColumnCount())].symptom;
}

DrawnItemId CChartTitlesRenderer::ItemAt(const QPoint& point) const {
    if (point.x() < 0 || point.y() < 0 || point.y() >= kTitleHeight) return kNoDrawnItem;
    const int column = point.x() / kColumnWidth;
    if (column >= m_data.ColumnCount()) return kNoDrawnItem;
    const CChartData::SymptomSpan* span = m_data.SpanOf(column);
    if (span != nullptr && MarkerBox(*span).contains(point))
        return m_data.ColumnCount() + (span - m_data.Spans().data());
    return column;
}

void CChartTitlesRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    const int column0 = std::max(0, area.left() / kColumnWidth);
    const int column1 = std::min(m_data.ColumnCount(), area.right() / kColumnWidth + 1);
    for (int c = column0; c < column1; ++c) {
        items->push_back(c);
        const CChartData::SymptomSpan* span = m_data.SpanOf(c);
        if (span != nullptr && (c == span->first || c == column0))
            if (MarkerBox(*span).intersects(area))
                items->push_back(m_data.ColumnCount() + (span - m_data.Spans().data()));
    }
}

QRect CChartTitlesRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0) return QRect();
    if (item < m_data.ColumnCount()) return ColumnBox(static_cast<int>(item));
    if (!IsWeightItem(item)) return QRect();
    return MarkerBox(m_data.Spans()[static_cast<std::size_t>(item - m_data.ColumnCount())]);
}

QString CChartTitlesRenderer::ItemText(DrawnItemId item) const {
    if (item >= 0 && item < m_data.ColumnCount())
        return plumbing::DecodeCodePage(m_data.Columns()[static_cast<std::size_t>(item)].topic->m_title);
    if (CSympthom* symptom = SymptomOf(item))
        return QString::fromLatin1(RomanNumeral(symptom->m_weight));
    return QString();
}

CHintText CChartTitlesRenderer::ItemHint(DrawnItemId item) const {
    if (item >= 0 && item < m_data.ColumnCount())
        return {m_data.Columns()[static_cast<std::size_t>(item)].topic->m_title,
                CHintText::Translation::None};
    if (IsWeightItem(item)) return {"Symptom weight.\nClick to change.", CHintText::Translation::Whole};
    return {};
}
