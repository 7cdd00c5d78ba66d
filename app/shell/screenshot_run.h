// The screenshot run of the program (--screenshot-dir DIR): once the main
// window is on the screen, runs every scene of the chosen data set in turn
// (views/screenshot_session.h; the list is in screenshot_run.cpp) and quits.
// Exit code 2 when the main window is not exposed within ten seconds, 3 when
// a picture cannot be saved.
#pragma once

#include <QString>

class CMeridaneApp;

struct CScreenshotOptions {
    QString folder;                            // where the pictures go
    QString suffix;                            // after each picture's name ("@2x")
    QString dataSet = QStringLiteral("demo");  // "demo" or "real"
};

void StartScreenshotRun(CMeridaneApp& app, const CScreenshotOptions& options);
