#include "shell/screenshot_run.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "model/records/case.h"
#include "shell/analysis_screenshots.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "views/materia/materia_screenshots.h"
#include "views/repertory/repertory_screenshots.h"
#include "views/screenshot_session.h"
#include "views/search/search_screenshots.h"

namespace {

constexpr int kExposeTimeoutMs = 10000;

// The main window, the patient card and the first episode of the demo case.
bool TakeCaseScenes(CScreenshotSession& session) {
    CMeridaneApp& app = *CMeridaneApp::Instance();
    CMainFrame& frame = *app.MainFrame();
    if (!session.Save(frame, "main_window")) return false;
    app.OpenCaseItem(CCaseView::TopicKind::Patient, nullptr);
    if (!session.Save(frame, "patient_card")) return false;
    if (app.CurrentCase() == nullptr) return true;
    app.OpenCaseItem(CCaseView::TopicKind::Episode, &app.CurrentCase()->GetFirstEpisode());
    return session.Save(frame, "episode");
}

struct Scene {
    const char* dataSet;  // "demo" or "real"
    bool (*take)(CScreenshotSession& session);
};

// Every scene, in the order they run; one line each.
constexpr Scene kScenes[] = {
    {"demo", TakeCaseScenes},
    {"demo", TakeRepertoryScreenshots},
    {"real", TakeRepertoryKentScreenshots},
    {"demo", TakeMateriaMedicaScreenshots},
    {"real", TakeMateriaMedicaBoerickeScreenshots},
    {"demo", TakeSearchScreenshots},
    {"real", TakeSearchMateriaMedicaScreenshots},
    {"demo", TakeAnalysisScreenshots},
    {"real", TakeAnalysisKentScreenshots},
};

void TakePictures(const CScreenshotOptions& options) {
    CScreenshotSession session(options.folder, options.suffix, options.dataSet);
    bool ok = QDir().mkpath(options.folder);
    for (const Scene& scene : kScenes) {
        if (!ok) break;
        if (options.dataSet == QLatin1String(scene.dataSet)) ok = scene.take(session);
    }
    std::fflush(stdout);
    QApplication::exit(ok ? 0 : 3);
}

}  // namespace

void StartScreenshotRun(CMeridaneApp& app, const CScreenshotOptions& options) {
    auto* poll = new QTimer(app.MainFrame());
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, poll, [&app, options, poll, waited] {
        QWindow* window = app.MainFrame()->windowHandle();
        if (window != nullptr && window->isExposed()) {
            poll->stop();
            delete waited;
            TakePictures(options);
        } else if (waited->elapsed() > kExposeTimeoutMs) {
            poll->stop();
            delete waited;
            std::fprintf(stderr, "the main window did not appear\n");
            QApplication::exit(2);
        }
    });
    poll->start(100);
}
