#include "views/analysis/chart/chart_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "views/analysis/chart/chart_pages.h"
#include "views/analysis/chart/chart_sheet.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/chart/png_strip_writer.h"

namespace chart {

namespace {

constexpr int kExportResolution = 96;  // fonts and measures as on the screen
constexpr qreal kMarginMm = 10;
constexpr int kBandHeight = 512;  // image rows painted and compressed at a time

QPageLayout ExportLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

// The paintable area of a page in chart pixels.
QSizeF ChartPageSize(const QPageLayout& layout, int dpi) {
    const QRect paintable = layout.paintRectPixels(dpi);
    const qreal toScreen = 96.0 / dpi;
    return QSizeF(paintable.width() * toScreen / kPaperScale,
                  paintable.height() * toScreen / kPaperScale);
}

std::vector<ChartPage> Plan(const CChartSheet& sheet, const QSizeF& page) {
    const int width = static_cast<int>(page.width());
    const int height = static_cast<int>(page.height()) - CChartSheet::kFootHeight;
    return PlanChartPages(sheet.Data().RowCount(), sheet.Data().ColumnCount(), width, height,
                          sheet.HeaderHeight(width), CChartSheet::kRunningHeadHeight);
}

void SetUpPdf(QPdfWriter& writer, const CChartSheet& sheet) {
    writer.setResolution(kExportResolution);
    writer.setPageLayout(ExportLayout());
    writer.setTitle(sheet.GetHeading().patient + QStringLiteral(" - ") +
                    sheet.GetHeading().analysis);
    writer.setCreator(QStringLiteral("Meridane Suite"));
}

QString CannotWrite(const QString& path, const QString& reason) {
    QString text = Filled(Text("Cannot write %s"), {QFileInfo(path).fileName()});
    if (!reason.isEmpty()) text += QStringLiteral(": ") + reason;
    return text;
}

}  // namespace

int PrintChart(const CChartSheet& sheet, QPagedPaintDevice& device) {
    const QSizeF page = ChartPageSize(device.pageLayout(), device.logicalDpiX());
    const std::vector<ChartPage> pages = Plan(sheet, page);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const qreal scale = device.logicalDpiX() / 96.0 * kPaperScale;
    const int width = static_cast<int>(page.width());
    const int height = static_cast<int>(page.height());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) break;
        painter.resetTransform();
        painter.scale(scale, scale);
        int top = 0;
        if (i == 0) {
            sheet.PaintHeader(painter, width);
            top = sheet.HeaderHeight(width);
        } else {
            sheet.PaintRunningHead(painter, width);
            top = CChartSheet::kRunningHeadHeight;
        }
        painter.save();
        painter.translate(0, top);
        const ChartPage& p = pages[i];
        sheet.PaintBlock(painter, p.row0, p.row1, p.column0, p.column1);
        painter.restore();
        painter.save();
        painter.translate(0, height - CChartSheet::kFootHeight);
        sheet.PaintFoot(painter, width, static_cast<int>(i) + 1, static_cast<int>(pages.size()));
        painter.restore();
    }
    painter.end();
    return static_cast<int>(pages.size());
}

int ExportPageCount(const CChartSheet& sheet) {
    return static_cast<int>(Plan(sheet, ChartPageSize(ExportLayout(), kExportResolution)).size());
}

bool ExportChartPdf(const CChartSheet& sheet, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr) *error = CannotWrite(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        SetUpPdf(writer, sheet);
        if (PrintChart(sheet, writer) == 0) {
            file.cancelWriting();
            if (error != nullptr) *error = CannotWrite(path, QString());
            return false;
        }
    }
    if (!file.commit()) {
        if (error != nullptr) *error = CannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

QSize ChartImageSize(const CChartSheet& sheet) {
    const QSize chart = sheet.ChartSize();
    const int width = std::max(kMinimumImageWidth, chart.width() + 2 * kImageMargin);
    const int header = sheet.HeaderHeight(width - 2 * kImageMargin);
    return QSize(width, kImageMargin + header + chart.height() + kImageMargin);
}

bool ExportChartPng(const CChartSheet& sheet, const QString& path, QString* error) {
    const QSize size = ChartImageSize(sheet);
    const int innerWidth = size.width() - 2 * kImageMargin;
    const int chartTop = kImageMargin + sheet.HeaderHeight(innerWidth);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr) *error = CannotWrite(path, file.errorString());
        return false;
    }
    CPngStripWriter png(file, size);
    QImage band(size.width(), kBandHeight, QImage::Format_RGB32);
    for (int y = 0; y < size.height() && png.Ok(); y += kBandHeight) {
        const int rows = std::min(kBandHeight, size.height() - y);
        band.fill(Qt::white);
        QPainter painter(&band);
        painter.translate(0, -y);
        if (y < chartTop) {
            painter.save();
            painter.translate(kImageMargin, kImageMargin);
            sheet.PaintHeader(painter, innerWidth);
            painter.restore();
        }
        const QRect visible(0, y - chartTop, size.width(), rows);
        painter.translate(kImageMargin, chartTop);
        const QRect area = visible.translated(-kImageMargin, 0).intersected(
            QRect(QPoint(0, 0), sheet.ChartSize()));
        if (!area.isEmpty()) {
            painter.setClipRect(area);
            sheet.PaintChart(painter, area);
        }
        painter.end();
        png.WriteRows(band, rows);
    }
    if (!png.Finish()) {
        file.cancelWriting();
        if (error != nullptr) *error = CannotWrite(path, png.Error());
        return false;
    }
    if (!file.commit()) {
        if (error != nullptr) *error = CannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace chart
