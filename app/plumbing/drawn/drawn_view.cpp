#include "plumbing/drawn/drawn_view.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plumbing/drawn/drawn_accessible.h"

int CScrollStep::For(int visible) const {
    const int step = share > 0 ? static_cast<int>(visible * share) : pixels;
    return std::max(1, step);
}

CDrawnView::CDrawnView(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallDrawnAccessibility();
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
}

CDrawnView::~CDrawnView() {
    HideHint();
    ForgetItemInterfaces(true);
}

void CDrawnView::SetRenderer(CDrawnRenderer* renderer) {
    m_renderer = renderer;
    Invalidate();
}

void CDrawnView::Invalidate() {
    m_layoutDue = true;
    m_cacheValid = false;
    m_pressed = kNoDrawnItem;
    m_pressActive = false;
    if (m_hover != kNoDrawnItem) {
        m_hover = kNoDrawnItem;
        viewport()->unsetCursor();
        Q_EMIT HoverChanged(m_hover);
    }
    m_hoverDue = true;
    HideHint();
    ForgetItemInterfaces(true);
    VisibleChanged();
    viewport()->update();
}

void CDrawnView::InvalidateCache() {
    m_cacheValid = false;
    viewport()->update();
}

void CDrawnView::UpdateOverlay() {
    viewport()->update();
}

void CDrawnView::EnsureLayout() {
    if (m_renderer == nullptr) {
        if (m_layoutDue) {
            m_layoutDue = false;
            m_contentSize = QSize();
            UpdateScrollBars();
        }
        return;
    }
    // A scroll bar that comes or goes with the new ranges changes the width:
    // lay out again for it (a few times at most, should the content keep
    // flipping the bar).
    for (int pass = 0; pass < 3; ++pass) {
        const int width = std::max(1, viewport()->width());
        if (!m_layoutDue && width == m_layoutWidth) return;
        m_layoutDue = false;
        m_layoutWidth = width;
        m_renderer->Layout(width);
        m_contentSize = m_renderer->ContentSize();
        m_cacheValid = false;
        m_hoverDue = true;
        VisibleChanged();
        UpdateScrollBars();
    }
}

QSize CDrawnView::ContentSize() {
    EnsureLayout();
    return m_contentSize;
}

void CDrawnView::UpdateScrollBars() {
    const QSize visible = viewport()->size();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, m_contentSize.height() - visible.height()));
    vertical->setPageStep(m_verticalPage.For(visible.height()));
    vertical->setSingleStep(m_verticalLine.For(visible.height()));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, m_contentSize.width() - visible.width()));
    horizontal->setPageStep(m_horizontalPage.For(visible.width()));
    horizontal->setSingleStep(m_horizontalLine.For(visible.width()));
    // The scroll area shows or hides its bars for new ranges in a queued call;
    // make it now, so that the viewport has its final width before a layout
    // (and a renderer is not laid out twice for one change).
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CDrawnView::SetVerticalSteps(CScrollStep page, CScrollStep line) {
    m_verticalPage = page;
    m_verticalLine = line;
    UpdateScrollBars();
}

void CDrawnView::SetHorizontalSteps(CScrollStep page, CScrollStep line) {
    m_horizontalPage = page;
    m_horizontalLine = line;
    UpdateScrollBars();
}

QPoint CDrawnView::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CDrawnView::ScrollTo(const QPoint& position) {
    EnsureLayout();
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void CDrawnView::ScrollBy(int dx, int dy) {
    ScrollTo(ScrollPosition() + QPoint(dx, dy));
}

void CDrawnView::ScrollIntoView(const QRect& box) {
    EnsureLayout();
    const QRect visible = VisibleContent();
    // One direction at a time: the least move that brings the box's far edge
    // in, unless its near edge would leave (a box larger than the viewport).
    const auto along = [](int start, int extent, int boxStart, int boxExtent) {
        if (boxStart < start || boxExtent > extent) return boxStart;
        if (boxStart + boxExtent > start + extent) return boxStart + boxExtent - extent;
        return start;
    };
    ScrollTo(QPoint(along(visible.x(), visible.width(), box.x(), box.width()),
                    along(visible.y(), visible.height(), box.y(), box.height())));
}

void CDrawnView::ScrollItemIntoView(DrawnItemId item) {
    EnsureLayout();
    if (m_renderer == nullptr || item == kNoDrawnItem) return;
    const QRect box = m_renderer->ItemBox(item);
    if (!box.isEmpty()) ScrollIntoView(box);
}

QRect CDrawnView::VisibleContent() const {
    return QRect(ScrollPosition(), viewport()->size());
}

QPoint CDrawnView::ToContent(const QPoint& viewportPoint) const {
    return viewportPoint + ScrollPosition();
}

QRect CDrawnView::ToViewport(const QRect& contentBox) const {
    return contentBox.translated(-ScrollPosition());
}

DrawnItemId CDrawnView::ItemAt(const QPoint& viewportPoint) {
    EnsureLayout();
    if (m_renderer == nullptr || !viewport()->rect().contains(viewportPoint)) return kNoDrawnItem;
    return m_renderer->ItemAt(ToContent(viewportPoint));
}

void CDrawnView::SetSelectedItem(DrawnItemId item) {
    if (item == m_selected) return;
    UpdateMarks(m_selected);
    m_selected = item;
    UpdateMarks(m_selected);
}

void CDrawnView::UpdateMarks(DrawnItemId item) {
    if (item == kNoDrawnItem || m_renderer == nullptr || m_layoutDue) return;
    const QRect box = ToViewport(m_renderer->OverlayBox(item)) & viewport()->rect();
    if (!box.isEmpty()) viewport()->update(box);
}

void CDrawnView::ClickItem(DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    Q_EMIT ItemClicked(item, button, modifiers);
}

void CDrawnView::SetHintsEnabled(bool on) {
    m_hints = on;
    if (!on) HideHint();
}

bool CDrawnView::HandleKey(QKeyEvent& event) {
    return m_keyHandler ? m_keyHandler(event) : false;
}

void CDrawnView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // A new width means a new layout (EnsureLayout sees it); any new size new
    // ranges, steps and painting.
    UpdateScrollBars();
    m_cacheValid = false;
    m_hoverDue = true;
    VisibleChanged();
    HideHint();
}

void CDrawnView::scrollContentsBy(int, int) {
    m_hoverDue = true;
    HideHint();
    VisibleChanged();
    viewport()->update();
    Q_EMIT ScrollPositionChanged(ScrollPosition());
}

void CDrawnView::RebuildCache(const QSize& size, qreal ratio) {
    const QPoint position = ScrollPosition();
    const QPoint shift = m_cachePosition - position;  // where the cached content moves
    const QPointF pixelShift = QPointF(shift) * ratio;
    // A scroll by less than the viewport keeps what stays in view: the cache
    // moves (by whole device pixels only) and the renderer paints what came in.
    const bool keep = m_cacheValid && m_cacheSize == size && m_cache.devicePixelRatio() == ratio &&
                      std::abs(shift.x()) < size.width() && std::abs(shift.y()) < size.height() &&
                      pixelShift == pixelShift.toPoint();
    QRegion exposed(QRect(QPoint(0, 0), size));
    if (keep) {
        m_cache.scroll(pixelShift.toPoint().x(), pixelShift.toPoint().y(), m_cache.rect());
        exposed -= QRect(shift, size);
    } else {
        const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                           static_cast<int>(std::ceil(size.height() * ratio)));
        if (m_cache.size() != pixels) m_cache = QPixmap(pixels);
        m_cache.setDevicePixelRatio(ratio);
        m_cacheSize = size;
    }
    m_cacheValid = true;
    m_cachePosition = position;
    QPainter painter(&m_cache);
    for (const QRect& strip : exposed) {
        if (m_renderer == nullptr) {
            painter.fillRect(strip, palette().base());
            continue;
        }
        const QRect area = strip.translated(position);
        painter.save();
        painter.translate(-position);
        painter.setClipRect(area);
        m_renderer->Paint(painter, area);
        painter.restore();
    }
    painter.end();
    // A renderer that lays out as it paints may have found more content.
    if (m_renderer != nullptr && m_renderer->ContentSize() != m_contentSize) {
        m_contentSize = m_renderer->ContentSize();
        UpdateScrollBars();
    }
}

void CDrawnView::paintEvent(QPaintEvent* event) {
    EnsureLayout();
    if (m_hoverDue) {
        m_hoverDue = false;
        if (viewport()->underMouse()) SetHover(ItemAt(m_mouse));
    }
    const QSize size = viewport()->size();
    const qreal ratio = viewport()->devicePixelRatioF();
    if (!m_cacheValid || m_cachePosition != ScrollPosition() || m_cache.devicePixelRatio() != ratio ||
        m_cacheSize != size)
        RebuildCache(size, ratio);

    // Only the part asked for (where marks changed) is copied and marked.
    const QRect part = event->rect() & QRect(QPoint(0, 0), size);
    QPainter painter(viewport());
    painter.drawPixmap(part.topLeft(), m_cache, QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    if (m_renderer == nullptr) return;
    const QRect area = part.translated(m_cachePosition);
    painter.translate(-m_cachePosition);
    painter.setClipRect(area);
    CDrawnOverlay overlay;
    overlay.hover = m_hover;
    overlay.pressed = m_pressActive && m_hover == m_pressed ? m_pressed : kNoDrawnItem;
    overlay.selected = m_selected;
    overlay.focused = hasFocus();
    m_renderer->PaintOverlay(painter, area, overlay);
}

void CDrawnView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    UpdateOverlay();
}

void CDrawnView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    UpdateOverlay();
}
