// The top-left corner of an analysis table (the sort selector's pane,
// 75 x 100): "Sort by" above the selector, and "Remedy name" and
// "Count/Weight", the two lines of every remedy row, at its foot.  The window
// puts the selector itself (a drop-down list) over it; the printed chart
// writes the chosen order in its place.
#pragma once

class QPainter;
class QRect;
class QString;

namespace chart {

// Where the selector sits: x 5 to width - 5, from y 22.
QRect SortSelectorBox(int width, int height);

// Fills `box` (the pane) and writes the captions; a non-empty `sortCaption`
// is written where the selector sits, framed as one.
void PaintCorner(QPainter& painter, const QRect& box, const QString& sortCaption);

}  // namespace chart
