#include "views/analysis/chart/chart_pages.h"

#include <algorithm>

#include "views/analysis/chart/chart_style.h"

using namespace chart;

namespace {

// How many rows of the chart fit `height` pixels under the titles.
int RowsFitting(int height) {
    return std::max(1, (height - kTitleHeight) / kRowHeight);
}

}  // namespace

std::vector<ChartPage> PlanChartPages(int rows, int columns, int width, int height,
                                      int firstHeading, int laterHeading) {
    const int columnsPerPage = std::max(1, (width - kCornerWidth) / kColumnWidth);
    const int firstRows = RowsFitting(height - firstHeading);
    const int laterRows = RowsFitting(height - laterHeading);
    std::vector<ChartPage> pages;
    int row = 0;
    do {
        const int band = pages.empty() ? firstRows : laterRows;
        const int rowEnd = std::min(rows, row + band);
        int column = 0;
        do {
            const int columnEnd = std::min(columns, column + columnsPerPage);
            pages.push_back({row, rowEnd, column, columnEnd});
            column = columnEnd;
        } while (column < columns);
        row = rowEnd;
    } while (row < rows);
    return pages;
}
