#include "shell/screenshot_run.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "model/records/case.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "views/materia/materia_screenshots.h"

namespace {

constexpr int kExposeTimeoutMs = 10000;

// Lets pending layouts and paints run.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

bool Save(QWidget& window, const QString& folder, const char* name) {
    Settle();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    const bool saved = window.grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "saved" : "cannot save", qPrintable(path));
    return saved;
}

void TakePictures(CMeridaneApp& app, const QString& folder) {
    CMainFrame& frame = *app.MainFrame();
    bool ok = QDir().mkpath(folder) && Save(frame, folder, "main_window.png");
    if (ok) {
        app.OpenCaseItem(CCaseView::TopicKind::Patient, nullptr);
        ok = Save(frame, folder, "patient_card.png");
    }
    if (ok && app.CurrentCase() != nullptr) {
        app.OpenCaseItem(CCaseView::TopicKind::Episode, &app.CurrentCase()->GetFirstEpisode());
        ok = Save(frame, folder, "episode.png");
    }
    if (ok) {
        ok = materia::TakeMateriaMedicaPictures(
            [&](const char* name) { return Save(frame, folder, name); });
    }
    std::fflush(stdout);
    QApplication::exit(ok ? 0 : 3);
}

}  // namespace

void StartScreenshotRun(CMeridaneApp& app, const QString& folder) {
    auto* poll = new QTimer(app.MainFrame());
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, poll, [&app, folder, poll, waited] {
        QWindow* window = app.MainFrame()->windowHandle();
        if (window != nullptr && window->isExposed()) {
            poll->stop();
            delete waited;
            TakePictures(app, folder);
        } else if (waited->elapsed() > kExposeTimeoutMs) {
            poll->stop();
            delete waited;
            std::fprintf(stderr, "the main window did not appear\n");
            QApplication::exit(2);
        }
    });
    poll->start(100);
}
