#include "views/analysis/chart/chart_sheet.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "analysis/sort_type.h"
#include "model/records/analysis.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_corner.h"
#include "views/analysis/chart/chart_grid_renderer.h"
#include "views/analysis/chart/chart_remedies_renderer.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/chart/chart_titles_renderer.h"

using namespace chart;

namespace {

constexpr int kHeaderGap = 6;        // between the header's blocks
constexpr int kSymptomSpacing = 18;  // between two symptoms on a header line

QFont TitleFont() {
    QFont font = CInterfaceFonts::Shared().Bold();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    return font;
}

QString Decoded(const std::string& text) {
    return plumbing::DecodeCodePage(text);
}

}  // namespace

CChartSheet::CChartSheet(CAnalysis& analysis, const CCase* theCase, RemedyNameFunction names)
    : m_data(std::move(names)) {
    m_data.SetAnalysis(&analysis);
    m_data.EnsureFragility();
    if (theCase != nullptr) m_heading.patient = Decoded(theCase->GetPatientInfo().m_name);
    m_heading.analysis = Decoded(analysis.GetName()) + QStringLiteral(": ") +
                         Decoded(analysis.GetTime());
    if (const char* caption = SortTypeCaption(analysis.GetSortType()))
        m_sortCaption = Text(caption);
}

QSize CChartSheet::ChartSize() const {
    return QSize(kCornerWidth + m_data.ColumnCount() * kColumnWidth,
                 kTitleHeight + m_data.RowCount() * kRowHeight);
}

void CChartSheet::PaintChart(QPainter& painter, const QRect& area) const {
    const QRect corner(0, 0, kCornerWidth, kTitleHeight);
    if (area.intersects(corner)) PaintCorner(painter, corner, m_sortCaption);
    const QRect grid(kCornerWidth, kTitleHeight, m_data.ColumnCount() * kColumnWidth,
                     m_data.RowCount() * kRowHeight);
    // Titles above the grid, remedies left of it: each in its own coordinates.
    const QRect titles(kCornerWidth, 0, grid.width(), kTitleHeight);
    if (area.intersects(titles)) {
        const QRect part = area.intersected(titles).translated(-kCornerWidth, 0);
        painter.save();
        painter.translate(kCornerWidth, 0);
        painter.setClipRect(part);
        painter.fillRect(part, CornerBackground());
        CChartTitlesRenderer::PaintColumns(painter, m_data, part.left() / kColumnWidth,
                                           part.right() / kColumnWidth + 1);
        painter.restore();
    }
    const QRect remedies(0, kTitleHeight, kCornerWidth, grid.height());
    if (area.intersects(remedies)) {
        const QRect part = area.intersected(remedies).translated(0, -kTitleHeight);
        painter.save();
        painter.translate(0, kTitleHeight);
        painter.setClipRect(part);
        painter.fillRect(part, EvenRow());
        CChartRemediesRenderer::PaintRows(painter, m_data, kCornerWidth, part.top() / kRowHeight,
                                          part.bottom() / kRowHeight + 1);
        painter.restore();
    }
    if (area.intersects(grid)) {
        const QRect part = area.intersected(grid).translated(-kCornerWidth, -kTitleHeight);
        painter.save();
        painter.translate(kCornerWidth, kTitleHeight);
        painter.setClipRect(part);
        painter.fillRect(part, EvenRow());
        CChartGridRenderer::PaintCells(painter, m_data, part.top() / kRowHeight,
                                       part.bottom() / kRowHeight + 1, part.left() / kColumnWidth,
                                       part.right() / kColumnWidth + 1);
        painter.restore();
    }
}

void CChartSheet::PaintBlock(QPainter& painter, int row0, int row1, int column0,
                             int column1) const {
    const int width = (column1 - column0) * kColumnWidth;
    const int height = (row1 - row0) * kRowHeight;
    PaintCorner(painter, QRect(0, 0, kCornerWidth, kTitleHeight), m_sortCaption);

    painter.save();
    painter.setClipRect(QRect(kCornerWidth, 0, width, kTitleHeight));
    painter.translate(kCornerWidth - column0 * kColumnWidth, 0);
    painter.fillRect(QRect(column0 * kColumnWidth, 0, width, kTitleHeight), CornerBackground());
    CChartTitlesRenderer::PaintColumns(painter, m_data, column0, column1);
    painter.restore();

    painter.save();
    painter.setClipRect(QRect(0, kTitleHeight, kCornerWidth, height));
    painter.translate(0, kTitleHeight - row0 * kRowHeight);
    painter.fillRect(QRect(0, row0 * kRowHeight, kCornerWidth, height), EvenRow());
    CChartRemediesRenderer::PaintRows(painter, m_data, kCornerWidth, row0, row1);
    painter.restore();

    painter.save();
    painter.setClipRect(QRect(kCornerWidth, kTitleHeight, width, height));
    painter.translate(kCornerWidth - column0 * kColumnWidth, kTitleHeight - row0 * kRowHeight);
    painter.fillRect(QRect(column0 * kColumnWidth, row0 * kRowHeight, width, height), EvenRow());
    CChartGridRenderer::PaintCells(painter, m_data, row0, row1, column0, column1);
    painter.restore();

    // A hairline round the block keeps a cut chart tidy on paper.
    painter.save();
    painter.setPen(QPen(OddRow(), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(PixelBox(QRect(0, 0, kCornerWidth + width, kTitleHeight + height)));
    painter.restore();
}

std::vector<CChartSheet::HeaderItem> CChartSheet::LayoutSymptoms(int width, int top,
                                                                 int* bottom) const {
    std::vector<HeaderItem> items;
    const QFontMetrics metrics(CInterfaceFonts::Shared().Normal());
    const int lineHeight = std::max(metrics.height(), kMarkerSize) + 4;
    int x = 0, y = top;
    const CAnalysis* analysis = m_data.Analysis();
    for (const CSympthom* s = analysis != nullptr ? &analysis->GetFirstSymptom() : nullptr;
         s != nullptr; s = s->GetNext()) {
        const QString format = Filled(Text("%s (%d rubrics)"),
                                      {Decoded(s->m_name), QString::number(s->m_topics.size())});
        const int room = std::max(40, width - kMarkerSize - 6);
        const QString text = Fitted(metrics, format, room);
        const int itemWidth = kMarkerSize + 6 + metrics.horizontalAdvance(text) + 1;
        if (x > 0 && x + itemWidth > width) {
            x = 0;
            y += lineHeight;
        }
        items.push_back({QRect(x, y, itemWidth, lineHeight), s->m_weight, text});
        x += itemWidth + kSymptomSpacing;
    }
    *bottom = items.empty() ? top : y + lineHeight;
    return items;
}

int CChartSheet::HeaderHeight(int width) const {
    const int title = QFontMetrics(TitleFont()).height();
    const int line = QFontMetrics(CInterfaceFonts::Shared().Normal()).height();
    int bottom = 0;
    LayoutSymptoms(width, title + line + 2 * kHeaderGap, &bottom);
    return bottom + line + 2 * kHeaderGap;  // the legend line and the gap above the chart
}

void CChartSheet::PaintHeader(QPainter& painter, int width) const {
    const QFont title = TitleFont();
    const QFont& normal = CInterfaceFonts::Shared().Normal();
    const int titleHeight = QFontMetrics(title).height();
    const int line = QFontMetrics(normal).height();
    painter.fillRect(QRect(0, 0, width, HeaderHeight(width)), EvenRow());
    painter.setFont(title);
    painter.setPen(RemedyName());
    painter.drawText(QRect(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     m_heading.patient);
    painter.setFont(normal);
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRect(0, titleHeight + kHeaderGap / 2, width, line),
                     Qt::AlignLeft | Qt::AlignVCenter, m_heading.analysis);

    int bottom = 0;
    for (const HeaderItem& item : LayoutSymptoms(width, titleHeight + line + 2 * kHeaderGap,
                                                 &bottom)) {
        const QRect marker(item.box.left(), item.box.center().y() - kMarkerSize / 2 + 1,
                           kMarkerSize, kMarkerSize);
        DrawWeightMarker(painter, marker, item.weight);
        painter.setFont(normal);
        painter.setPen(RemedyName());
        painter.drawText(item.box.adjusted(kMarkerSize + 6, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
    // The legend of the fragile mark, and a rule above the chart.
    const QRect legend(0, bottom, width, line);
    painter.setFont(CInterfaceFonts::Shared().Small12());
    painter.setPen(Figures());
    QString text = Filled(Text("Sorted by %s"), {m_sortCaption});
    if (m_data.FragilityKnown())
        text += QStringLiteral("    \u25B2 ") + Text("Leaves the top ten when one rubric is excluded");
    painter.drawText(legend, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.fillRect(0, bottom + line + kHeaderGap - 2, width, 1, OddRow());
}

void CChartSheet::PaintRunningHead(QPainter& painter, int width) const {
    painter.setFont(CInterfaceFonts::Shared().Normal());
    painter.setPen(Figures());
    painter.drawText(QRect(0, 0, width, kRunningHeadHeight - 6), Qt::AlignLeft | Qt::AlignVCenter,
                     m_heading.patient + QStringLiteral("  \u00B7  ") + m_heading.analysis);
    painter.fillRect(0, kRunningHeadHeight - 4, width, 1, OddRow());
}

void CChartSheet::PaintFoot(QPainter& painter, int width, int page, int pages) const {
    const QString text =
        Filled(Text("Page %d of %d"), {QString::number(page), QString::number(pages)});
    painter.setFont(CInterfaceFonts::Shared().Small12());
    painter.setPen(Figures());
    painter.drawText(QRect(0, 0, width, kFootHeight), Qt::AlignRight | Qt::AlignBottom, text);
}
