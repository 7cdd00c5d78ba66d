#include "shell/startup_timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class CFirstPaintWatch : public QObject {
public:
    CFirstPaintWatch(QWidget& window, const QElapsedTimer& sinceStart)
        : QObject(&window), m_window(&window), m_sinceStart(sinceStart) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window() == m_window) {
                m_seen = true;
                // Reported once the paint has been handled.
                QTimer::singleShot(0, this, [this] {
                    std::printf("first-paint-ms %lld\n",
                                static_cast<long long>(m_sinceStart.elapsed()));
                    std::fflush(stdout);
                    QApplication::exit(0);
                });
            }
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QElapsedTimer m_sinceStart;
    bool m_seen = false;
};

}  // namespace

void WatchFirstPaint(QWidget& window, const QElapsedTimer& sinceStart) {
    qApp->installEventFilter(new CFirstPaintWatch(window, sinceStart));
}
