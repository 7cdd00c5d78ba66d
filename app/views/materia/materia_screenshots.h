// The materia medica window's pictures for the screenshot run
// (views/screenshot_session.h).  The window is opened maximised over the MDI
// area, pictured with the main window and closed again.
#pragma once

class CScreenshotSession;

// "materia_medica": a demo article with its remedy information;
// "materia_medica_search": a search in progress, its words marked.
bool TakeMateriaMedicaScreenshots(CScreenshotSession& session);

// "materia_medica_boericke": Boericke's Aconitum (nothing when Boericke is
// not loaded).
bool TakeMateriaMedicaBoerickeScreenshots(CScreenshotSession& session);
