#include "views/add_to/add_to_menu.h"

#include <QAction>
#include <QMenu>
#include <string>

#include "analysis/analysis_operations.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/add_to/last_target.h"
#include "views/add_to/menu_targets.h"
#include "views/case_access.h"
#include "views/command_ids.h"
#include "views/window_host.h"
#include "views/window_texts.h"

namespace add_to {
namespace {

using Result = CAddToOutcome::Result;

Result FromAddRubric(AddRubricResult result) {
    switch (result) {
        case AddRubricResult::kAdded:
            return Result::kAdded;
        case AddRubricResult::kNoRemedies:
            return Result::kNoRemedies;
        case AddRubricResult::kAlreadyInAnalysis:
            return Result::kAlreadyInAnalysis;
        case AddRubricResult::kUnknownRubric:
            break;
    }
    return Result::kUnknownRubric;
}

// Puts `what` into `symptom`.
Result Put(const CAddToItem& what, CSympthom& symptom) {
    if (what.IsRubric()) return FromAddRubric(AddRubric(what.m_itemId, symptom));
    AddArticle(what.m_itemId, what.m_materiaMedica, what.m_text, symptom);
    return Result::kAdded;
}

// The bookkeeping after a choice: the modified flag when something was
// added, the last target for a rubric, then the views.
CAddToOutcome Finish(const CAddToItem& what, Result result, CAnalysis* analysis,
                     CSympthom* symptom) {
    CAddToOutcome outcome;
    outcome.m_result = result;
    outcome.m_analysis = analysis;
    if (result == Result::kAdded) {
        outcome.m_symptom = symptom;
        if (what.IsRubric()) RememberTarget(*symptom);
        views::MarkCaseModified();
    }
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    return outcome;
}

// Into a new symptom at the end of `analysis`; a refused rubric takes the
// symptom away again.
CAddToOutcome AddToNewSymptom(const CAddToItem& what, CAnalysis& analysis) {
    CSympthom* fresh = AddSymptom(analysis, Localize("Unknown Symptom", 1));
    const Result result = Put(what, *fresh);
    if (result != Result::kAdded) fresh->Unlink();
    return Finish(what, result, &analysis, result == Result::kAdded ? fresh : nullptr);
}

// Into the first symptom of a new analysis; a refused rubric takes the
// analysis away again.
CAddToOutcome AddToNewAnalysis(const CAddToItem& what, CCase& theCase) {
    CAnalysis* fresh = NewAnalysis(theCase);
    const Result result = Put(what, fresh->GetFirstSymptom());
    if (result != Result::kAdded) {
        fresh->Unlink();
        return Finish(what, result, nullptr, nullptr);
    }
    return Finish(what, result, fresh, &fresh->GetFirstSymptom());
}

void FillWithoutCase(QMenu& menu) {
    QAction* none = menu.addAction(views::Localized("Add to: No any opened cases"));
    none->setEnabled(false);
    CTranslationFilter::ExcludeFromTranslation(none);
    AddTargetEntry(menu, views::Localized("Open New Case"), CMenuTarget::Command(ID_FILE_NEW));
    AddTargetEntry(menu, views::Localized("Open Existing Case"),
                   CMenuTarget::Command(ID_FILE_OPEN));
}

void FillAnalysis(QMenu& menu, CAnalysis& analysis, const CAddToItem& what) {
    const std::string entry = Localize("{Add to:} %s (%d {rubrics})", 0);
    for (CSympthom* symptom = &analysis.GetFirstSymptom(); symptom != nullptr;
         symptom = symptom->GetNext()) {
        const std::string count = std::to_string(symptom->m_topics.size());
        AddTargetEntry(menu,
                       views::MenuLabel(views::FormatTexts(entry, {symptom->m_name, count}, true)),
                       CMenuTarget::Symptom(analysis, *symptom));
    }
    menu.addSeparator();
    // The rubric's entry keeps its historical spelling.
    AddTargetEntry(menu,
                   views::Localized(what.IsRubric() ? TextKey("Add to a new sympthom")
                                                    : TextKey("Add to a new symptom")),
                   CMenuTarget::NewSymptom(analysis));
}

}  // namespace

void FillAddToMenu(QMenu& menu, const CAddToItem& what) {
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr) {
        FillWithoutCase(menu);
        return;
    }
    const std::vector<CAnalysis*> analyses = theCase->GetAnalyses();
    if (analyses.empty()) {
        AddTargetEntry(menu, views::Localized("Add to: New Unknown Symptom"),
                       CMenuTarget::NewAnalysis());
        return;
    }
    const std::string title = Localize("[%s] %s", 1);
    for (CAnalysis* analysis : analyses) {
        QMenu* submenu = menu.addMenu(views::MenuLabel(
            views::FormatTexts(title, {analysis->GetTime(), analysis->GetName()})));
        CTranslationFilter::ExcludeFromTranslation(submenu->menuAction());
        FillAnalysis(*submenu, *analysis, what);
    }
    menu.addSeparator();
    AddTargetEntry(menu, views::Localized("Add to New Analysis"), CMenuTarget::NewAnalysis());
}

CAddToOutcome AddToSymptom(const CAddToItem& what, CAnalysis& analysis, CSympthom& symptom) {
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr || views::FindAnalysisOf(*theCase, &symptom) != &analysis) return {};
    return Finish(what, Put(what, symptom), &analysis, &symptom);
}

CAddToOutcome ApplyAddToChoice(const QAction* chosen, const CAddToItem& what) {
    CCase* theCase = views::CurrentCase();
    const CMenuTarget target = ResolveTarget(chosen, theCase);
    switch (target.m_kind) {
        case CMenuTarget::Kind::kNone:
            break;
        case CMenuTarget::Kind::kSymptom:
            return AddToSymptom(what, *target.m_analysis, *target.m_symptom);
        case CMenuTarget::Kind::kNewSymptom:
            return AddToNewSymptom(what, *target.m_analysis);
        case CMenuTarget::Kind::kNewAnalysis:
            return AddToNewAnalysis(what, *theCase);
        case CMenuTarget::Kind::kCommand: {
            CAddToOutcome outcome;
            outcome.m_result = Result::kCommand;
            outcome.m_command = target.m_command;
            if (CWindowHost* host = CWindowHost::Current()) host->Commands().Run(target.m_command);
            return outcome;
        }
    }
    return {};
}

QString DescribeOutcome(const CAddToOutcome& outcome) {
    switch (outcome.m_result) {
        case Result::kAdded:
            return plumbing::DecodeCodePage(
                views::FormatTexts(Localize("{Added to:} %s", 0), {outcome.m_symptom->m_name}));
        case Result::kAlreadyInAnalysis:
            return views::Localized("The rubric is already in this analysis");
        case Result::kNoRemedies:
            return views::Localized("The rubric has no remedies");
        case Result::kUnknownRubric:
            return views::Localized("The rubric is in no loaded repertory");
        case Result::kNoTarget:
            return views::Localized("No symptom has received a rubric yet");
        case Result::kNothing:
        case Result::kCommand:
            break;
    }
    return {};
}

CAddToOutcome OfferAddToMenu(const QPoint& globalPos, const CAddToItem& what,
                             const MenuRunner& run) {
    // Without a parent: a window closed while the menu runs cannot take the
    // menu with it.
    QMenu menu;
    FillAddToMenu(menu, what);
    QAction* chosen = run ? run(menu, globalPos) : menu.exec(globalPos);
    const CAddToOutcome outcome = ApplyAddToChoice(chosen, what);
    const QString status = DescribeOutcome(outcome);
    if (!status.isEmpty()) {
        if (CWindowHost* host = CWindowHost::Current()) host->ShowStatusMessage(status);
    }
    return outcome;
}

}  // namespace add_to
