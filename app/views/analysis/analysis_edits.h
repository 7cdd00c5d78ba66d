// The edits the analysis window makes to an analysis of the open case, one
// function per click of the symptom list and the table.  Each first checks
// that the symptom still belongs to an analysis of the current case (a window
// may outlive its records), changes the record, sets the case's modified flag
// (EV_CASE_MODIFIED) and answers true; the caller then broadcasts
// EV_UPDATE_ANALYSIS (Announce).  Nothing changes and false comes back for a
// symptom or topic that is gone.
#pragma once

#include <string>

class CSympthom;

namespace analysis_window {

// Weight + 1, or 1 after 4 (1, 2, 3, 4, 1 ...).
bool CycleWeight(CSympthom& symptom);
// Unlinks and deletes the symptom with its topics; the first symptom of an
// analysis cannot be deleted.
bool DeleteSymptom(CSympthom& symptom);
// The symptom's "Symptom Name" becomes `name` (code page 1251) as typed.
bool RenameSymptom(CSympthom& symptom, const std::string& name);
// Removes topic `index` (later topics move up).
bool DeleteTopic(CSympthom& symptom, int index);
// "hide" = not "hide".
bool ToggleHide(CSympthom& symptom, int index);
// "expander" = not "expander".
bool ToggleExpander(CSympthom& symptom, int index);

// Broadcasts EV_UPDATE_ANALYSIS: every analysis view and the case view follow.
void Announce();

// Shows a rubric topic in its repertory (OpenRepertoryDocument) when its
// repertory is loaded; false (nothing happens) otherwise.
bool OpenRubric(const CSympthom& symptom, int index);
// Opens remedy `remedy` in the default materia medica when the catalogue
// knows it; false otherwise.
bool OpenRemedyArticle(int remedy);

}  // namespace analysis_window
