// How the whole chart of an analysis is cut into pages: bands of remedy rows
// and bands of rubric columns, every page repeating the corner, the titles of
// its columns and the names of its rows.  Pages run across before they run
// down, so the first page holds the best-ranked remedies against the first
// rubrics.
#pragma once

#include <vector>

struct ChartPage {
    int row0 = 0;  // rows [row0, row1)
    int row1 = 0;
    int column0 = 0;  // columns [column0, column1)
    int column1 = 0;
};

// The pages for `rows` x `columns` when a page offers `width` x `height`
// chart pixels below its heading (`firstHeading` pixels on the first page,
// `laterHeading` on the others).  Every page takes at least one row and one
// column; a chart without rows or columns still gets one page (its corner
// and titles).
std::vector<ChartPage> PlanChartPages(int rows, int columns, int width, int height,
                                      int firstHeading, int laterHeading);
