#include "plumbing/widgets/sensor_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

QPointer<CSensorWnd>& SharedSlot() {
    static QPointer<CSensorWnd> shared;
    return shared;
}

}  // namespace

CSensorWnd& CSensorWnd::Shared() {
    QPointer<CSensorWnd>& shared = SharedSlot();
    if (shared.isNull()) {
        shared = new CSensorWnd;
        // Goes with the application object, while the widgets still exist.
        qAddPostRoutine([] { delete SharedSlot().data(); });
    }
    return *shared;
}

CSensorWnd* CSensorWnd::Existing() {
    return SharedSlot().data();
}

CSensorWnd::CSensorWnd()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName("SensorWnd");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(CInterfaceFonts::Shared().Small12());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSensorWnd::Appear);
}

CSensorWnd::~CSensorWnd() {
    Watch(false);
}

QString CSensorWnd::DisplayText(const CHintText& hint) {
    const char* text = hint.text.c_str();
    switch (hint.translation) {
    case CHintText::Translation::Whole: text = Localize(text, 1); break;
    case CHintText::Translation::Braces: text = Localize(text, 0); break;
    case CHintText::Translation::None: break;
    }
    QString shown = plumbing::DecodeCodePage(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

void CSensorWnd::Schedule(QWidget* owner, const QRect& globalBox, const CHintText& hint, int delayMs) {
    Hide();
    if (hint.Empty() || owner == nullptr) return;
    m_owner = owner;
    m_box = globalBox;
    m_text = DisplayText(hint);
    Watch(true);
    m_timer.start(std::max(0, delayMs));
}

void CSensorWnd::ShowNow(QWidget* owner, const QRect& globalBox, const CHintText& hint) {
    Schedule(owner, globalBox, hint, 0);
    m_timer.stop();
    if (m_owner) Appear();
}

void CSensorWnd::Hide() {
    m_timer.stop();
    Watch(false);
    m_owner.clear();
    if (isVisible()) hide();
}

void CSensorWnd::HideFor(const QWidget* owner) {
    if (owner != nullptr && m_owner.data() == owner) Hide();
}

void CSensorWnd::Appear() {
    if (m_owner.isNull() || !m_owner->isVisible() || m_text.isEmpty()) {
        Hide();
        return;
    }
    const QFontMetrics metrics(font());
    const QSize text = metrics.boundingRect(QRect(0, 0, 0, 0), kTextFlags, m_text).size();
    setGeometry(Placement(text + QSize(2 * (kPadding + 1), 2 * (kPadding + 1))));
    update();
    show();
}

QRect CSensorWnd::Placement(const QSize& size) const {
    const QScreen* screen = QGuiApplication::screenAt(m_box.center());
    if (screen == nullptr && m_owner) screen = m_owner->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    QRect placed(QPoint(m_box.left(), m_box.bottom() + 1 + kGap), size);
    if (room.isEmpty()) return placed;
    if (placed.bottom() > room.bottom()) placed.moveBottom(m_box.top() - 1 - kGap);
    if (placed.right() > room.right()) placed.moveRight(room.right());
    if (placed.left() < room.left()) placed.moveLeft(room.left());
    if (placed.top() < room.top()) placed.moveTop(room.top());
    return placed;
}

void CSensorWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Background());
    painter.setPen(Frame());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0, 0, 0));
    painter.setFont(font());
    painter.drawText(rect().adjusted(kPadding + 1, kPadding + 1, -kPadding - 1, -kPadding - 1), kTextFlags,
                     m_text);
}

void CSensorWnd::Watch(bool on) {
    if (on == m_watching) return;
    m_watching = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool CSensorWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::ApplicationDeactivate:
        Hide();
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        if (watched == m_owner.data()) Hide();
        break;
    default:
        break;
    }
    return false;
}
