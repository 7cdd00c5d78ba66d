// The screenshot run of the program: once the main window is on the screen,
// saves "main_window.png", then opens the patient card and saves
// "patient_card.png", then the first episode and saves "episode.png", then
// the analysis window's pages (analysis_screenshots.h), all in the given
// folder, and quits.  Exit code 2 when the main window is not
// exposed within ten seconds, 3 when a picture cannot be saved.
#pragma once

#include <QString>

class CMeridaneApp;

void StartScreenshotRun(CMeridaneApp& app, const QString& folder);
