#include "views/editors/symptom_menu.h"

#include <QMenu>

#include "analysis/analysis_operations.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "views/add_to/menu_targets.h"
#include "views/case_access.h"
#include "views/window_texts.h"

namespace editors {

using add_to::CMenuTarget;

std::string SelectionToRecordText(const QString& selected) {
    QString text = selected;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return plumbing::EncodeCp1251(text);
}

void FillSymptomMenu(QMenu& menu, CCase& theCase) {
    const std::string format = Localize("{Add the symptom to:} [%s] %s", 0);
    const std::vector<CAnalysis*> analyses = theCase.GetAnalyses();
    for (auto it = analyses.rbegin(); it != analyses.rend(); ++it) {
        CAnalysis* analysis = *it;
        add_to::AddTargetEntry(
            menu,
            views::MenuLabel(views::FormatTexts(format, {analysis->GetTime(), analysis->GetName()})),
            CMenuTarget::NewSymptom(*analysis));
    }
    if (!analyses.empty()) menu.addSeparator();
    add_to::AddTargetEntry(menu, views::MenuLabel(Localize("Add to a New Analysis", 1)),
                           CMenuTarget::NewAnalysis());
}

bool ApplySymptomMenuChoice(const QAction* chosen, CCase& theCase, const std::string& text) {
    const CMenuTarget target = add_to::ResolveTarget(chosen, &theCase);
    switch (target.m_kind) {
        case CMenuTarget::Kind::kNewAnalysis:
            NewAnalysis(theCase)->GetFirstSymptom().m_name = text;
            break;
        case CMenuTarget::Kind::kNewSymptom:
            AddSymptom(*target.m_analysis, text);
            break;
        default:
            return false;
    }
    views::MarkCaseModified();
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    return true;
}

}  // namespace editors
