#include "views/add_to/menu_targets.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

#include "model/records/case.h"
#include "plumbing/translation/translation_filter.h"
#include "views/case_access.h"

namespace add_to {
namespace {
constexpr const char* kTargetProperty = "meridaneMenuTarget";
}  // namespace

CMenuTarget CMenuTarget::Symptom(CAnalysis& analysis, CSympthom& symptom) {
    CMenuTarget target;
    target.m_kind = Kind::kSymptom;
    target.m_analysis = &analysis;
    target.m_symptom = &symptom;
    target.m_symptomSerial = symptom.GetSerial();
    return target;
}

CMenuTarget CMenuTarget::NewSymptom(CAnalysis& analysis) {
    CMenuTarget target;
    target.m_kind = Kind::kNewSymptom;
    target.m_analysis = &analysis;
    return target;
}

CMenuTarget CMenuTarget::NewAnalysis() {
    CMenuTarget target;
    target.m_kind = Kind::kNewAnalysis;
    return target;
}

CMenuTarget CMenuTarget::Command(int id) {
    CMenuTarget target;
    target.m_kind = Kind::kCommand;
    target.m_command = id;
    return target;
}

QAction* AddTargetEntry(QMenu& menu, const QString& label, const CMenuTarget& target) {
    QAction* action = menu.addAction(label);
    action->setProperty(kTargetProperty, QVariant::fromValue(target));
    CTranslationFilter::ExcludeFromTranslation(action);
    return action;
}

CMenuTarget ResolveTarget(const QAction* action, CCase* theCase) {
    if (action == nullptr) return {};
    const QVariant stored = action->property(kTargetProperty);
    if (!stored.canConvert<CMenuTarget>()) return {};
    const CMenuTarget target = stored.value<CMenuTarget>();
    switch (target.m_kind) {
        case CMenuTarget::Kind::kNone:
        case CMenuTarget::Kind::kCommand:
            return target;
        case CMenuTarget::Kind::kNewAnalysis:
            return theCase != nullptr ? target : CMenuTarget{};
        case CMenuTarget::Kind::kNewSymptom:
            // The entry only names the analysis; it is used only while that is
            // still one of the case's analyses.
            if (theCase == nullptr ||
                views::FindItemAs<CAnalysis>(*theCase, target.m_analysis) == nullptr)
                return {};
            return target;
        case CMenuTarget::Kind::kSymptom:
            // A symptom made later at the address of a deleted one has
            // another serial.
            if (theCase == nullptr || target.m_analysis == nullptr ||
                views::FindAnalysisOf(*theCase, target.m_symptom) != target.m_analysis)
                return {};
            return target.m_symptom->GetSerial() == target.m_symptomSerial ? target : CMenuTarget{};
    }
    return {};
}

}  // namespace add_to
