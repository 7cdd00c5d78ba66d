// The analysis window: its document template, its commands and the entry
// point that opens it for an analysis of the case.
//
//   template  "CAnalysisMultiDocTemplate" in slot 0 (kAnalysisSlot); the
//             document's item is the CAnalysis it shows (ItemAs<CAnalysis>)
//   commands  ID_ADD_SYMPTHOM1 ... ID_ADD_SYMPTHOM4 (buttons "I" ... "IV"):
//             registered here, carried out by the active analysis view, so
//             they are enabled only while an analysis window is active
//
// The window borrows the analysis; the case owns it.  Replacing the case
// closes the analysis windows first.
//
// Everything runs on the user-interface thread.
#pragma once

class CAnalysis;
class CDocument;
class CWindowHost;

// Adds the analysis template to the host's documents and registers the four
// add-symptom commands.  Called once at start-up.
void RegisterAnalysisWindow(CWindowHost& host);

// Opens, or brings forward, the window of `analysis`, an analysis of the
// current case (CCaseHost): the analysis document whose item is `analysis`
// is activated, or a new one opens, titled "<name>: <time>".  Null without a
// host, when `analysis` is not an analysis of the current case, or when the
// window cannot be opened.
CDocument* OpenAnalysisWindow(CAnalysis& analysis);
