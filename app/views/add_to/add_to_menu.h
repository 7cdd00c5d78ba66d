// The "Add to" menu: how the repertory browser, the search results and the
// materia medica article view put a rubric or a passage (add_to_item.h) into
// an analysis of the current case (CCaseHost).  The menu is built and a
// choice applied separately, so that what lies between (QMenu::exec, which
// blocks) can be replaced; OfferAddToMenu does all three.
//
// The menu (texts localised; "{...}" marks the translated parts):
//
//   no current case     "Add to: No any opened cases" (greyed)
//                       "Open New Case"       runs ID_FILE_NEW
//                       "Open Existing Case"  runs ID_FILE_OPEN
//   no analysis         "Add to: New Unknown Symptom"
//   otherwise, per analysis in case order, a submenu "[%s] %s" (time, name):
//                       "{Add to:} %s (%d {rubrics})" per symptom (name,
//                       number of topics), a separator, and "Add to a new
//                       sympthom" (rubrics) or "Add to a new symptom"
//                       (passages); then a separator and "Add to New Analysis"
//
// Choosing a symptom adds to it; "Add to a new sympthom/symptom" adds to a
// new symptom named "Unknown Symptom" (localised) at the end of that
// analysis; "Add to New Analysis" and "Add to: New Unknown Symptom" add to
// the first symptom of a new analysis of the case.  A rubric goes in through
// AddRubric (at most once per analysis, never one without remedies), a
// passage through AddArticle.  Then, when something was added, the case is
// marked modified (EV_CASE_MODIFIED); after any choice but the two commands,
// EV_UPDATE_ANALYSIS is broadcast.  A refused rubric leaves no new symptom or
// analysis behind.  A rubric that was added makes its symptom the last
// target (last_target.h).
//
// Everything runs on the user-interface thread.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "views/add_to/add_to_item.h"

class CAnalysis;
class CSympthom;
class QAction;
class QMenu;

namespace add_to {

// What applying a choice did.
struct CAddToOutcome {
    enum class Result {
        kNothing,            // cancelled, a separator, or an entry of records no longer there
        kAdded,              // m_symptom of m_analysis received it
        kAlreadyInAnalysis,  // m_analysis already holds the rubric
        kNoRemedies,         // the rubric has no remedies
        kUnknownRubric,      // no loaded repertory has the rubric
        kNoTarget,           // AddToLastTarget without a last target
        kCommand,            // the command m_command was run
    };

    bool Added() const { return m_result == Result::kAdded; }

    Result m_result = Result::kNothing;
    CAnalysis* m_analysis = nullptr;  // the analysis chosen (for a new one: null unless added)
    CSympthom* m_symptom = nullptr;   // the symptom that received it; null unless added
    int m_command = 0;
};

// Fills `menu` for the current case and `what` (shape above).
void FillAddToMenu(QMenu& menu, const CAddToItem& what);

// Applies the entry `chosen` of a menu that FillAddToMenu filled, to the case
// that is current now; the entry's analysis and symptom are used only while
// they are still in it.  The commands run through the command registry of
// CWindowHost::Current() (nothing without a host).
CAddToOutcome ApplyAddToChoice(const QAction* chosen, const CAddToItem& what);

// Adds `what` to `symptom` of `analysis` (an analysis of the current case)
// as choosing that symptom's entry does; kNothing when the symptom is not in
// that analysis of the current case.
CAddToOutcome AddToSymptom(const CAddToItem& what, CAnalysis& analysis, CSympthom& symptom);

// A status-bar text for `outcome` (localised): "{Added to:} %s" with the
// symptom's name, or why nothing was added; empty for kNothing and kCommand.
QString DescribeOutcome(const CAddToOutcome& outcome);

// Shows `menu` at the global point and returns the chosen entry (null when
// cancelled); QMenu::exec when empty.
using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

// Builds the menu for `what`, shows it at `globalPos` (through `run`),
// applies the choice and shows DescribeOutcome in the status bar
// (CWindowHost::ShowStatusMessage).
CAddToOutcome OfferAddToMenu(const QPoint& globalPos, const CAddToItem& what,
                             const MenuRunner& run = {});

}  // namespace add_to
