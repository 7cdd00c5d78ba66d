// The search window's pictures for the screenshot run
// (views/screenshot_session.h).
#pragma once

class CScreenshotSession;

// "search": the search window after "anxiety night" on the demo repertory,
// the first hit expanded.
bool TakeSearchScreenshots(CScreenshotSession& session);

// "search_mm": a search of Boericke's materia medica with its snippets
// (nothing when Boericke is not loaded).
bool TakeSearchMateriaMedicaScreenshots(CScreenshotSession& session);
