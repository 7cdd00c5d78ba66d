// The analysis window's pictures for the screenshot run
// (views/screenshot_session.h).
#pragma once

class CScreenshotSession;

// "analysis_symptoms" and "analysis_table": the first analysis of the demo
// case in its window, maximised, on the "Symptoms " and the "Table " page.
bool TakeAnalysisScreenshots(CScreenshotSession& session);

// "analysis_kent": the "Table " page of an analysis of Kent's rubrics, added
// to the open case (nothing when Kent is not loaded).
bool TakeAnalysisKentScreenshots(CScreenshotSession& session);
