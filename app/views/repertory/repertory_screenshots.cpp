#include "views/repertory/repertory_screenshots.h"

#include <corvela.h>

#include "model/core/program_settings.h"
#include "views/repertory/repertory_window.h"
#include "views/screenshot_session.h"
#include "views/window_host.h"

bool TakeRepertoryScreenshots(CScreenshotSession& session) {
    CWindowHost* host = CWindowHost::Current();
    QWidget* window = CScreenshotSession::MainWindow();
    if (host == nullptr || window == nullptr) return false;
    OpenRepertoryDocument(host->Settings().SourceId(CProgramSettings::kRepertoryHalden), -1);
    return session.Save(*window, "repertory");
}

bool TakeRepertoryKentScreenshots(CScreenshotSession& session) {
    QWidget* window = CScreenshotSession::MainWindow();
    DataSource* kent = CorvelaInstance().FindDataSourceByName("REP_KENT");
    if (window == nullptr || kent == nullptr) return true;
    OpenRepertoryDocument(*kent->GetGuid(), -1);
    return session.Save(*window, "repertory_kent");
}
