#include "views/editors/symptom_menu.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

#include "analysis/analysis_operations.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "views/editors/case_access.h"

namespace editors {
namespace {

// Which entry an action is: the analysis it names, or the new analysis.
constexpr const char* kAnalysisProperty = "meridaneAnalysis";
constexpr const char* kNewAnalysisProperty = "meridaneNewAnalysis";

// A record text as a menu label: '&' would mark a mnemonic.
QString MenuLabel(const std::string& text) {
    QString label = plumbing::DecodeCodePage(text);
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return label;
}

}  // namespace

std::string SelectionToRecordText(const QString& selected) {
    QString text = selected;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return plumbing::EncodeCp1251(text);
}

std::string FormatTwoTexts(const std::string& format, const std::string& first,
                           const std::string& second) {
    const std::string* arguments[] = {&first, &second};
    std::size_t used = 0;
    std::string result;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (used < 2) result += *arguments[used];
            ++used;
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            result += '%';
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

void FillSymptomMenu(QMenu& menu, CCase& theCase) {
    const std::string format = Localize("{Add the symptom to:} [%s] %s", 0);
    const std::vector<CAnalysis*> analyses = theCase.GetAnalyses();
    for (auto it = analyses.rbegin(); it != analyses.rend(); ++it) {
        CAnalysis* analysis = *it;
        QAction* action = menu.addAction(
            MenuLabel(FormatTwoTexts(format, analysis->GetTime(), analysis->GetName())));
        action->setProperty(kAnalysisProperty,
                            QVariant::fromValue(reinterpret_cast<quintptr>(analysis)));
    }
    if (!analyses.empty()) menu.addSeparator();
    QAction* added = menu.addAction(MenuLabel(Localize("Add to a New Analysis", 1)));
    added->setProperty(kNewAnalysisProperty, true);
}

bool ApplySymptomMenuChoice(const QAction* chosen, CCase& theCase, const std::string& text) {
    if (chosen == nullptr) return false;
    if (chosen->property(kNewAnalysisProperty).toBool()) {
        CAnalysis* analysis = NewAnalysis(theCase);
        analysis->GetFirstSymptom().m_name = text;
    } else {
        const QVariant named = chosen->property(kAnalysisProperty);
        if (!named.isValid()) return false;
        // The action only names the analysis; it is used only while it is
        // still one of the case's analyses.
        const auto address = named.value<quintptr>();
        CAnalysis* target = nullptr;
        for (CAnalysis* analysis : theCase.GetAnalyses()) {
            if (reinterpret_cast<quintptr>(analysis) == address) target = analysis;
        }
        if (target == nullptr) return false;
        AddSymptom(*target, text);
    }
    MarkCaseModified();
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    return true;
}

}  // namespace editors
