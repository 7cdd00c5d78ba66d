// CDrawnRenderer: the layout, drawing and hit testing of a drawn view's content,
// apart from any widget, so that a test drives it directly and renders into a
// QImage.  CDrawnView (drawn_view.h) shows a renderer in a scrolling viewport.
//
// Coordinates.  Everything a renderer takes and answers is in content
// coordinates: device-independent pixels from the content's top-left corner,
// the whole content laid out, whatever part of it the view shows.  The view
// translates between them and its viewport; the renderer never knows the scroll
// position.
//
// Items.  What a renderer draws is made of items: the boxes the user can point
// at (a rubric heading, one remedy name, a chart cell, a path step).  An item is
// named by a DrawnItemId of the renderer's own choosing (an index into its
// rows, a row and a column packed into 64 bits, ...), kNoDrawnItem for none.
// An identifier is valid from one Layout to the next; the view forgets the
// items it remembers (hover, pressed) whenever it asks for a new layout, and
// keeps only the selected item, which its owner sets.
//
// When layout happens.  The view calls Layout(width) before it needs the
// content (paint, hit test, scrolling a box into view) after Invalidate() or a
// change of its viewport's width, never more often.  A renderer may lay out
// everything there, or only enough to answer ContentSize() with an estimate and
// lay out the rest as Paint reaches it; the view reads ContentSize() again
// after every Paint and adjusts its scroll ranges.  Between two Layout calls the
// renderer's answers must not change unless its owner calls Invalidate() on the
// view.
//
// Threads: the user-interface thread only.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

#include "plumbing/widgets/sensor_wnd.h"

class QPainter;

using DrawnItemId = std::int64_t;
inline constexpr DrawnItemId kNoDrawnItem = -1;

// What the view draws over its cached painting, without painting again.
struct CDrawnOverlay {
    DrawnItemId hover = kNoDrawnItem;     // under the mouse
    DrawnItemId pressed = kNoDrawnItem;   // pressed and not yet released, while the mouse is on it
    DrawnItemId selected = kNoDrawnItem;  // as the owner set it (CDrawnView::SetSelectedItem)
    bool focused = false;                 // the view has the keyboard focus
};

class CDrawnRenderer {
public:
    virtual ~CDrawnRenderer();

    // Lays the content out for a viewport `width` pixels wide (at least 1).  A
    // renderer whose content has its own width (a chart) may ignore it.
    virtual void Layout(int width) = 0;
    // The size of the laid-out content; it sets the view's scroll ranges.
    virtual QSize ContentSize() const = 0;

    // Paints the content inside `area` (content coordinates) into `painter`,
    // which is already translated so that content coordinates land where they
    // belong and clipped to `area`.  The renderer fills the whole of `area`,
    // background included (also the part beyond ContentSize()), and draws only
    // what meets it.  The result is cached by the view: whatever depends on
    // hover, pressing or selection belongs in PaintOverlay.
    virtual void Paint(QPainter& painter, const QRect& area) = 0;
    // Draws hover and selection marks over the cached painting of `area`, as
    // Paint left it (painter translated and clipped the same way).  It may
    // paint an item anew, background and all (a selected line in white on
    // blue), inside the item's OverlayBox.  `area` may be a part of the
    // viewport (where marks changed).  Default: nothing.
    virtual void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay);

    // Where PaintOverlay draws the marks of `item` (hover, pressed, selected):
    // the view repaints only there when they come or go.  Default: ItemBox.
    virtual QRect OverlayBox(DrawnItemId item) const;

    // The item whose box holds `point`; kNoDrawnItem in gaps and outside.  Must
    // not walk every item (CDrawnRows answers it by binary search).
    virtual DrawnItemId ItemAt(const QPoint& point) const = 0;
    // The items whose boxes meet `area`, in reading order, appended to `items`
    // (accessibility reads the visible ones through it).
    virtual void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const = 0;
    // The box of `item`; an empty rectangle for an unknown item.
    virtual QRect ItemBox(DrawnItemId item) const = 0;
    // The text a screen reader reads for `item` (shown form, translated).
    virtual QString ItemText(DrawnItemId item) const = 0;
    // True when clicking `item` does something: the view shows the hand cursor
    // over it and gives it a press action.  Default: true.
    virtual bool IsClickable(DrawnItemId item) const;
    // The hint for `item`, shown by the hint window after a rest over its box;
    // empty for none.  Default: none.
    virtual CHintText ItemHint(DrawnItemId item) const;
};
