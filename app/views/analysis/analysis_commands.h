// The commands of the analysis window, for the view that carries them out:
// the four buttons "I" to "IV" add a new symptom of that weight.
#pragma once

class CAnalysis;
class CCommandRegistry;
class CSympthom;

namespace analysis_window {

// The weight an add-symptom command gives (ID_ADD_SYMPTHOM1 → 1 ...
// ID_ADD_SYMPTHOM4 → 4); 0 for any other command.
int SymptomWeightOf(int commandId);

// The command of a weight (1 → ID_ADD_SYMPTHOM1 ...), its button's caption
// ("I" ... "IV") and tooltip ("Add symptom.\nSymptom weight modifier I" ...,
// English); 0 and empty texts for any other weight.
int SymptomCommandOf(int weight);
const char* SymptomCaptionOf(int weight);
const char* SymptomToolTipOf(int weight);

// Registers the four add-symptom commands with their captions "I" ... "IV"
// and the tooltips "Add symptom.\nSymptom weight modifier I" ... (localised),
// without an application handler.
void RegisterSymptomCommands(CCommandRegistry& commands);

// Adding a symptom by button: a symptom named "Unknown Symptom" (localised)
// of weight `weight` at the end of `analysis`, then EV_UPDATE_ANALYSIS, then
// the case's modified flag and EV_CASE_MODIFIED.  Null (nothing changes)
// when `analysis` is no longer an analysis of the current case.
CSympthom* AddSymptomByButton(CAnalysis& analysis, int weight);

}  // namespace analysis_window
