// Printing and exporting the whole chart of an analysis (CChartSheet): on a
// paged device (a printer, a PDF) cut into pages that repeat the corner, the
// rubric titles and the remedy names, or as one PNG image of the whole chart.
// Files are written whole or not at all: into a temporary file beside the
// target, renamed over it only when complete.
#pragma once

#include <QSize>
#include <QString>

class CChartSheet;
class QPagedPaintDevice;

namespace chart {

// One chart pixel on paper, in pixels of a 96-dpi page: 40-pixel cells come
// out about 8.5 mm wide.
inline constexpr double kPaperScale = 0.8;

// Paints every page of `sheet` on `device` (already set up: page size,
// margins, resolution), starting a new page for every page after the first.
// Answers the number of pages; 0 when the device cannot be painted on.
int PrintChart(const CChartSheet& sheet, QPagedPaintDevice& device);

// The number of pages PrintChart makes on an A4 portrait page with the
// export's margins.
int ExportPageCount(const CChartSheet& sheet);

// Writes the chart as a PDF (A4 portrait, 10 mm margins) to `path`; false
// with the reason in *error (localised) when it cannot.
bool ExportChartPdf(const CChartSheet& sheet, const QString& path, QString* error);

// The PNG's size: the chart, with the header above it (at least
// kMinimumImageWidth wide so the header reads well).
inline constexpr int kMinimumImageWidth = 640;
inline constexpr int kImageMargin = 12;
QSize ChartImageSize(const CChartSheet& sheet);

// Writes the whole chart as one PNG image of ChartImageSize, painted and
// compressed in bands so that a large chart never sits in memory whole;
// false with the reason in *error (localised).
bool ExportChartPng(const CChartSheet& sheet, const QString& path, QString* error);

}  // namespace chart
