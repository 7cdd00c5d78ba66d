// The repertory browser's pictures for the screenshot run
// (views/screenshot_session.h).
#pragma once

class CScreenshotSession;

// "repertory": the demo repertory with an expanded rubric and a search in
// progress.
bool TakeRepertoryScreenshots(CScreenshotSession& session);

// "repertory_kent": Kent's repertory open at Mind > Anxiety with its
// remedies (nothing when Kent is not loaded).
bool TakeRepertoryKentScreenshots(CScreenshotSession& session);
