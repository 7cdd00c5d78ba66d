// CDrawnView: a scrolling view of a CDrawnRenderer's content (drawn_renderer.h)
// for windows over large data: the repertory browser, the symptom list and the
// chart of an analysis, the search results, the materia medica index.
//
// A window owns its renderer and its view, hands the renderer to the view
// (SetRenderer), and calls Invalidate() whenever the data behind the renderer
// changes (typically on an event-bus broadcast).  It reacts to the view's
// signals (clicks, context menus) and may subclass the view to handle keys.
//
// Painting.  The view keeps one pixmap of its viewport, at the screen's device
// pixel ratio.  It asks the renderer to paint the visible content rectangle into
// it only when Invalidate() or InvalidateCache() was called, or the viewport was
// resized or scrolled, or the device pixel ratio changed (a scroll by less than
// the viewport moves the pixmap and asks only for the strips that came into
// view).  Every paint event copies the pixmap and lets the renderer draw hover
// and selection over it (PaintOverlay); when only those change, only their
// boxes (OverlayBox) are copied and marked again, so moving the mouse or
// selecting never paints the content again.
//
// Scrolling.  The scroll ranges follow the renderer's ContentSize() against the
// viewport size; the scroll bars show as needed (the QAbstractScrollArea
// policies apply).  Page and line steps are settable per direction; the wheel
// turns by QApplication::wheelScrollLines() line steps a notch (Shift turns
// sideways), a touchpad by its pixels.  Keys: arrows by a line, Page Up/Down by
// a page, Home and End (with or without Ctrl) to the top and the bottom, Enter
// and Space click the selected item, the Menu key asks for the selected item's
// context menu.
//
// Mouse.  Pressing and releasing a button other than the right one over the
// same item gives ItemClicked (both over no item: ItemClicked with
// kNoDrawnItem); a press and release over different items gives nothing.  A
// double click gives ItemClicked for its first press and release, then
// ItemDoubleClicked (over an item); its second release gives no click.  The
// right button and the Menu key give ContextMenuRequested.  The cursor is the
// hand over clickable items; the renderer's hint for the item under the
// resting mouse shows in the program's hint window (CSensorWnd), hidden on
// leaving, pressing, scrolling and moving to another item.
//
// Accessibility.  The view is a list (or a table, SetAccessibleRole) whose
// children are the renderer's items visible in the viewport (ItemsIn): their
// text, their screen rectangle, and for clickable items a press action that
// clicks them (ItemClicked with the left button).
#pragma once

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QPixmap>
#include <functional>
#include <unordered_map>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"

class QKeyEvent;

// One scroll step along one direction: fixed pixels, or a share of the visible
// extent ("half the visible height" is Share(0.5)).  Never less than 1 pixel.
struct CScrollStep {
    int pixels = 0;
    double share = 0;  // used when above 0

    static CScrollStep Pixels(int count) { return {count, 0}; }
    static CScrollStep Share(double share) { return {0, share}; }
    // The step in pixels when `visible` pixels show.
    int For(int visible) const;
};

class CDrawnView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CDrawnView(QWidget* parent = nullptr);
    ~CDrawnView() override;

    // The renderer shown; not owned: it must outlive the view, or be replaced
    // (null: an empty view) before it goes.  Setting one invalidates the view.
    void SetRenderer(CDrawnRenderer* renderer);
    CDrawnRenderer* Renderer() const { return m_renderer; }

    // The content changed: the renderer lays out again and paints anew when next
    // needed; hover and pressed items are forgotten (the selected one is kept).
    void Invalidate();
    // The look changed, the layout did not: only the cached painting goes.
    void InvalidateCache();
    // Only what PaintOverlay draws changed (a selection the renderer keeps):
    // the whole viewport's marks are drawn again over the cached painting.
    void UpdateOverlay();
    // Lays out now when a layout is due (done by everything below that needs it).
    void EnsureLayout();
    // The renderer's content size after EnsureLayout(); empty without a renderer.
    QSize ContentSize();

    // The content point at the viewport's top-left corner.
    QPoint ScrollPosition() const;
    // Scrolls so that `position` is at the top-left corner, within the ranges.
    void ScrollTo(const QPoint& position);
    // Scrolls as little as needed to show `box` (content coordinates); a box
    // larger than the viewport shows its top-left part.
    void ScrollIntoView(const QRect& box);
    // ScrollIntoView of the renderer's box of `item`.
    void ScrollItemIntoView(DrawnItemId item);
    // The content rectangle the viewport shows.
    QRect VisibleContent() const;
    // Page and line steps (Page Up/Down, arrows, the wheel); by default a page
    // is the visible extent and a line 20 pixels.
    void SetVerticalSteps(CScrollStep page, CScrollStep line);
    void SetHorizontalSteps(CScrollStep page, CScrollStep line);

    // Between viewport and content coordinates.
    QPoint ToContent(const QPoint& viewportPoint) const;
    QRect ToViewport(const QRect& contentBox) const;
    // The item under `viewportPoint`; kNoDrawnItem for none.
    DrawnItemId ItemAt(const QPoint& viewportPoint);

    // The selected item, drawn by the renderer's overlay and used by Enter,
    // Space and the Menu key; the owner sets it (kNoDrawnItem: none).
    void SetSelectedItem(DrawnItemId item);
    DrawnItemId SelectedItem() const { return m_selected; }
    DrawnItemId HoverItem() const { return m_hover; }

    // Emits ItemClicked for `item` as a click would (the press action of
    // accessibility, Enter and Space use it).
    void ClickItem(DrawnItemId item, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // An owner's key handling, asked before the view's own keys; true when it
    // used the key.  A subclass may override HandleKey instead.
    using KeyHandler = std::function<bool(QKeyEvent&)>;
    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    // Hints of the renderer's items (on by default) and their delay.
    void SetHintsEnabled(bool on);
    void SetHintDelay(int milliseconds) { m_hintDelay = milliseconds; }

    // The accessible role of the view: QAccessible::List (default) or Table;
    // items are list items or cells accordingly.
    void SetAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role AccessibleRole() const { return m_accessibleRole; }

Q_SIGNALS:
    void ItemClicked(DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ItemDoubleClicked(DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // `item` may be kNoDrawnItem; `globalPosition` is where the menu belongs
    // (the mouse, or the selected item's box for the Menu key).
    void ContextMenuRequested(DrawnItemId item, const QPoint& globalPosition);
    void HoverChanged(DrawnItemId item);
    void ScrollPositionChanged(const QPoint& position);

protected:
    // Keys before the view's own handling; default: the key handler, if any.
    virtual bool HandleKey(QKeyEvent& event);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    friend class CDrawnViewAccessible;

    void UpdateScrollBars();
    void RebuildCache(const QSize& size, qreal ratio);
    void SetHover(DrawnItemId item);
    void UpdateMarks(DrawnItemId item);
    void ScheduleHint();
    void HideHint();
    bool HandleOwnKey(const QKeyEvent& event);
    void ScrollBy(int dx, int dy);
    void VisibleChanged();
    // Accessibility: the visible items and their interfaces (drawn_accessible.cpp).
    const std::vector<DrawnItemId>& VisibleItems();
    QAccessibleInterface* ItemInterface(DrawnItemId item);
    void ForgetItemInterfaces(bool all);

    CDrawnRenderer* m_renderer = nullptr;
    bool m_layoutDue = true;
    int m_layoutWidth = -1;
    QSize m_contentSize;
    QPixmap m_cache;
    QSize m_cacheSize;  // in device-independent pixels
    bool m_cacheValid = false;
    QPoint m_cachePosition;
    CScrollStep m_verticalPage = CScrollStep::Share(1.0);
    CScrollStep m_verticalLine = CScrollStep::Pixels(20);
    CScrollStep m_horizontalPage = CScrollStep::Share(1.0);
    CScrollStep m_horizontalLine = CScrollStep::Pixels(20);
    DrawnItemId m_hover = kNoDrawnItem;
    DrawnItemId m_pressed = kNoDrawnItem;
    Qt::MouseButton m_pressButton = Qt::NoButton;
    bool m_pressActive = false;
    DrawnItemId m_selected = kNoDrawnItem;
    KeyHandler m_keyHandler;
    bool m_hints = true;
    int m_hintDelay = CSensorWnd::kHoverDelayMs;
    QAccessible::Role m_accessibleRole = QAccessible::List;
    QPoint m_mouse;  // the last mouse position over the viewport
    bool m_hoverDue = false;
    std::vector<DrawnItemId> m_visibleItems;
    bool m_visibleValid = false;
    std::unordered_map<DrawnItemId, QAccessible::Id> m_itemInterfaces;
};
