#include "views/analysis/analysis_commands.h"

#include <QAction>

#include "analysis/analysis_operations.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/translation/translation_filter.h"
#include "views/case_access.h"
#include "views/command_ids.h"
#include "views/window_texts.h"

namespace analysis_window {
namespace {

struct SymptomCommand {
    int id;
    int weight;
    const char* caption;
    const char* toolTip;
};

constexpr SymptomCommand kSymptomCommands[] = {
    {ID_ADD_SYMPTHOM1, 1, "I", TextKey("Add symptom.\nSymptom weight modifier I")},
    {ID_ADD_SYMPTHOM2, 2, "II", TextKey("Add symptom.\nSymptom weight modifier II")},
    {ID_ADD_SYMPTHOM3, 3, "III", TextKey("Add symptom.\nSymptom weight modifier III")},
    {ID_ADD_SYMPTHOM4, 4, "IV", TextKey("Add symptom.\nSymptom weight modifier IV")},
};

}  // namespace

int SymptomWeightOf(int commandId) {
    for (const SymptomCommand& command : kSymptomCommands)
        if (command.id == commandId) return command.weight;
    return 0;
}

namespace {
const SymptomCommand* CommandOfWeight(int weight) {
    for (const SymptomCommand& command : kSymptomCommands)
        if (command.weight == weight) return &command;
    return nullptr;
}
}  // namespace

int SymptomCommandOf(int weight) {
    const SymptomCommand* command = CommandOfWeight(weight);
    return command != nullptr ? command->id : 0;
}

const char* SymptomCaptionOf(int weight) {
    const SymptomCommand* command = CommandOfWeight(weight);
    return command != nullptr ? command->caption : "";
}

const char* SymptomToolTipOf(int weight) {
    const SymptomCommand* command = CommandOfWeight(weight);
    return command != nullptr ? command->toolTip : "";
}

void RegisterSymptomCommands(CCommandRegistry& commands) {
    for (const SymptomCommand& command : kSymptomCommands) {
        QAction* action = commands.Register(command.id, QString::fromLatin1(command.caption),
                                            views::Localized(command.toolTip));
        // Already translated: the menus must not look the translation up again.
        CTranslationFilter::ExcludeFromTranslation(action);
    }
}

CSympthom* AddSymptomByButton(CAnalysis& analysis, int weight) {
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr || views::FindItemAs<CAnalysis>(*theCase, &analysis) == nullptr)
        return nullptr;
    CSympthom* added = AddSymptom(analysis, Localize("Unknown Symptom", 1), weight);
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    views::MarkCaseModified();
    return added;
}

}  // namespace analysis_window
