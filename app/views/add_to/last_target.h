// The last target: the symptom that last received a rubric through an "Add
// to" menu, from any window, so that a browser can add the next rubric there
// at once ("adds to the last target").  Only a pointer and the symptom's
// serial are kept; the symptom is looked up in the current case at every
// use, so a deleted symptom or a replaced case gives no target.
//
// Everything runs on the user-interface thread.
#pragma once

#include "views/add_to/add_to_menu.h"

class CSympthom;

namespace add_to {

// The last target, when it is still a symptom of an analysis of the current
// case; null otherwise.
CSympthom* LastTarget();

// Makes `symptom` the last target; ForgetTarget leaves none.
void RememberTarget(const CSympthom& symptom);
void ForgetTarget();

// Adds `what` to LastTarget() as choosing that symptom in the menu does
// (modified flag, EV_CASE_MODIFIED when added, EV_UPDATE_ANALYSIS);
// kNoTarget, with nothing broadcast, when there is none.
CAddToOutcome AddToLastTarget(const CAddToItem& what);

}  // namespace add_to
