#include "shell/case_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "plumbing/widgets/interface_fonts.h"
#include "shell/case_topics.h"
#include "shell/case_view_renderer.h"
#include "views/case_host.h"
#include "views/window_texts.h"

namespace {
CCaseView* g_instance = nullptr;
}

CCaseView::CCaseView(QWidget* parent)
    : QWidget(parent),
      m_renderer(std::make_unique<CCaseViewRenderer>(CInterfaceFonts::Shared().Normal())) {
    setObjectName(QStringLiteral("CaseView"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumWidth(160);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_ANALYSIS || code == EV_CASE_MODIFIED) Invalidate();
    });
    g_instance = this;
}

CCaseView::~CCaseView() {
    if (g_instance == this) g_instance = nullptr;
}

CCaseView* CCaseView::Instance() { return g_instance; }

void CCaseView::Invalidate() {
    m_cacheValid = false;
    m_nodesValid = false;
    update();
}

void CCaseView::Rebuild() {
    CCaseHost* host = CCaseHost::Current();
    m_renderer->Build(host != nullptr ? host->CurrentCase() : nullptr);
    m_renderer->Layout(width());
    m_nodesValid = true;
    // A node gone from the end leaves the last one selected.
    if (m_selected >= m_renderer->Count()) m_selected = m_renderer->Count() - 1;
}

void CCaseView::SetSelectedIndex(int index) {
    const int count = Renderer().Count();
    const int selected = count == 0 || index < 0 ? -1 : std::min(index, count - 1);
    if (selected == m_selected) return;
    m_selected = selected;
    m_cacheValid = false;
    update();
}

void CCaseView::keyPressEvent(QKeyEvent* event) {
    const int count = Renderer().Count();
    switch (event->key()) {
        case Qt::Key_Up:
            SetSelectedIndex(m_selected < 0 ? count - 1 : std::max(0, m_selected - 1));
            break;
        case Qt::Key_Down:
            SetSelectedIndex(m_selected < 0 ? 0 : m_selected + 1);
            break;
        case Qt::Key_Home:
            SetSelectedIndex(0);
            break;
        case Qt::Key_End:
            SetSelectedIndex(count - 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_selected >= 0 && m_selected < count) {
                const CTopic& topic = Renderer().At(m_selected);
                Q_EMIT TopicChosen(topic.Kind(), topic.Item());
            }
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

const CCaseViewRenderer& CCaseView::Renderer() {
    if (!m_nodesValid) Rebuild();
    return *m_renderer;
}

void CCaseView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!m_cacheValid || m_cache.size() != pixels) {
        if (!m_nodesValid) Rebuild();
        m_cache = QPixmap(pixels);
        m_cache.setDevicePixelRatio(ratio);
        QPainter cachePainter(&m_cache);
        m_renderer->Paint(cachePainter, rect(), hasFocus(), m_hover, m_selected);
        m_cacheValid = true;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}

void CCaseView::resizeEvent(QResizeEvent*) { Invalidate(); }

void CCaseView::SetHover(int index) {
    if (index == m_hover) return;
    m_hover = index;
    m_cacheValid = false;  // the nodes stay; only the hover box moves
    update();
}

void CCaseView::mouseMoveEvent(QMouseEvent* event) {
    SetHover(Renderer().HitTest(event->position().toPoint()));
}

void CCaseView::leaveEvent(QEvent*) { SetHover(-1); }

void CCaseView::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button();
    if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
}

void CCaseView::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton pressed = std::exchange(m_pressed, Qt::NoButton);
    if (pressed != event->button() || !rect().contains(event->position().toPoint())) return;
    if (event->button() == Qt::LeftButton) {
        ChooseAt(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        ShowTopicMenu(event->position().toPoint());
    }
}

void CCaseView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu opens on the button's release; the keyboard's at the
    // node under the mouse, else at the first node.
    if (event->reason() == QContextMenuEvent::Keyboard && Renderer().Count() > 0) {
        const int index = m_hover >= 0 ? m_hover : 0;
        ShowTopicMenu(Renderer().At(index).Box().center());
    }
    event->accept();
}

void CCaseView::ShowTopicMenu(const QPoint& point) {
    QMenu menu(this);
    QAction* open = menu.addAction(views::Localized("Open topic"));
    if (menu.exec(mapToGlobal(point)) == open) ChooseAt(point);
}

void CCaseView::ChooseAt(const QPoint& point) {
    const CCaseViewRenderer& renderer = Renderer();
    const int index = renderer.HitTest(point);
    if (index < 0) return;
    const CTopic& topic = renderer.At(index);
    Q_EMIT TopicChosen(topic.Kind(), topic.Item());
}

void CCaseView::focusInEvent(QFocusEvent*) {
    m_cacheValid = false;
    update();
}

void CCaseView::focusOutEvent(QFocusEvent*) {
    m_cacheValid = false;
    update();
}
