// CDrawnView: the mouse, the wheel, the keys, the context menu and the hints.
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "plumbing/drawn/drawn_view.h"

void CDrawnView::SetHover(DrawnItemId item) {
    if (item == m_hover) return;
    UpdateMarks(m_hover);
    m_hover = item;
    UpdateMarks(m_hover);
    if (item != kNoDrawnItem && m_renderer != nullptr && m_renderer->IsClickable(item))
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
    ScheduleHint();
    Q_EMIT HoverChanged(item);
}

void CDrawnView::ScheduleHint() {
    if (!m_hints || m_hover == kNoDrawnItem || m_renderer == nullptr) {
        HideHint();
        return;
    }
    const QRect box = ToViewport(m_renderer->ItemBox(m_hover));
    const QRect global(viewport()->mapToGlobal(box.topLeft()), box.size());
    CSensorWnd::Shared().Schedule(viewport(), global, m_renderer->ItemHint(m_hover), m_hintDelay);
}

void CDrawnView::HideHint() {
    if (CSensorWnd* sensor = CSensorWnd::Existing()) sensor->HideFor(viewport());
}

void CDrawnView::mouseMoveEvent(QMouseEvent* event) {
    m_mouse = event->position().toPoint();
    SetHover(ItemAt(m_mouse));
}

void CDrawnView::mousePressEvent(QMouseEvent* event) {
    m_mouse = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // The context menu event follows; a right press cancels a left one.
        m_pressActive = false;
        return;
    }
    m_pressActive = true;
    m_pressButton = event->button();
    m_pressed = ItemAt(m_mouse);
    SetHover(m_pressed);
    HideHint();  // a press ends hints until the mouse moves to another item
    UpdateMarks(m_pressed);
}

void CDrawnView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_pressActive || event->button() != m_pressButton) return;
    m_pressActive = false;
    const DrawnItemId pressed = m_pressed;
    m_pressed = kNoDrawnItem;
    UpdateMarks(pressed);
    if (ItemAt(event->position().toPoint()) == pressed)
        ClickItem(pressed, event->button(), event->modifiers());
}

void CDrawnView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressActive = false;
    m_pressed = kNoDrawnItem;
    HideHint();
    if (event->button() == Qt::RightButton) return;
    const DrawnItemId item = ItemAt(event->position().toPoint());
    if (item != kNoDrawnItem) Q_EMIT ItemDoubleClicked(item, event->button(), event->modifiers());
}

void CDrawnView::wheelEvent(QWheelEvent* event) {
    HideHint();
    QPoint move = -event->pixelDelta();
    if (move.isNull()) {
        // 120 units a notch, each notch the system's number of line steps.
        const QPoint angle = event->angleDelta();
        const int lines = QApplication::wheelScrollLines();
        move = QPoint(-angle.x() * lines * horizontalScrollBar()->singleStep() / 120,
                      -angle.y() * lines * verticalScrollBar()->singleStep() / 120);
        if ((event->modifiers() & Qt::ShiftModifier) && move.x() == 0)
            move = QPoint(-angle.y() * lines * horizontalScrollBar()->singleStep() / 120, 0);
    }
    const QPoint before = ScrollPosition();
    ScrollBy(move.x(), move.y());
    // Nothing moved (at an end): let an enclosing area have the turn.
    event->setAccepted(ScrollPosition() != before);
}

void CDrawnView::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(*event) || HandleOwnKey(*event)) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CDrawnView::HandleOwnKey(const QKeyEvent& event) {
    const QScrollBar* vertical = verticalScrollBar();
    const QScrollBar* horizontal = horizontalScrollBar();
    switch (event.key()) {
    case Qt::Key_Up: ScrollBy(0, -vertical->singleStep()); return true;
    case Qt::Key_Down: ScrollBy(0, vertical->singleStep()); return true;
    case Qt::Key_Left: ScrollBy(-horizontal->singleStep(), 0); return true;
    case Qt::Key_Right: ScrollBy(horizontal->singleStep(), 0); return true;
    case Qt::Key_PageUp: ScrollBy(0, -vertical->pageStep()); return true;
    case Qt::Key_PageDown: ScrollBy(0, vertical->pageStep()); return true;
    case Qt::Key_Home: ScrollTo(QPoint(0, 0)); return true;
    case Qt::Key_End: ScrollTo(QPoint(ScrollPosition().x(), vertical->maximum())); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_selected == kNoDrawnItem) return false;
        ClickItem(m_selected, Qt::LeftButton, event.modifiers());
        return true;
    default: return false;
    }
}

void CDrawnView::contextMenuEvent(QContextMenuEvent* event) {
    HideHint();
    if (event->reason() == QContextMenuEvent::Mouse) {
        Q_EMIT ContextMenuRequested(ItemAt(event->pos()), event->globalPos());
        return;
    }
    // The keyboard: the selected item's menu at its box (the part in view),
    // else the middle of the view.
    QPoint at = viewport()->rect().center();
    if (m_selected != kNoDrawnItem && m_renderer != nullptr) {
        const QRect box = ToViewport(m_renderer->ItemBox(m_selected)) & viewport()->rect();
        if (!box.isEmpty()) at = box.bottomLeft();
    }
    Q_EMIT ContextMenuRequested(m_selected, viewport()->mapToGlobal(at));
}

bool CDrawnView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        SetHover(kNoDrawnItem);
        HideHint();
    }
    return QAbstractScrollArea::viewportEvent(event);
}
