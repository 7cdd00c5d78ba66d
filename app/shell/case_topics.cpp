#include "shell/case_topics.h"

#include <initializer_list>
#include <string>

#include "model/lang/localize.h"
#include "model/records/analysis.h"
#include "model/records/episode.h"
#include "model/records/patient_info.h"
#include "model/records/prescription.h"
#include "plumbing/text/code_page.h"
#include "views/window_texts.h"

namespace {

QString FromCase(const std::string& text) { return plumbing::DecodeCodePage(text); }

using views::Localized;

// A localised "Label: %s" split at its placeholder: the label before it and
// the value with whatever follows the placeholder.
std::pair<QString, QString> SplitAtValue(const char* format, const std::string& value) {
    const QString localized = Localized(format);
    const qsizetype at = localized.indexOf(QLatin1String("%s"));
    if (at < 0) return {localized, FromCase(value)};
    return {localized.left(at), FromCase(value) + localized.mid(at + 2)};
}

// `format` with its "%d" placeholders replaced by `numbers` in order.
QString FormatNumbers(QString format, std::initializer_list<int> numbers) {
    qsizetype from = 0;
    for (int number : numbers) {
        const qsizetype at = format.indexOf(QLatin1String("%d"), from);
        if (at < 0) break;
        const QString shown = QString::number(number);
        format.replace(at, 2, shown);
        from = at + shown.size();
    }
    return format;
}

}  // namespace

void CCaseView::CTopic::AddItemLine(const COneItem& item) {
    AddLine(FromCase(item.GetTime()) + QLatin1Char(':'), FromCase(item.GetName()));
}

CCaseView::CTopicPatient::CTopicPatient(const CPatientInfo& card)
    : CTopic(TopicKind::Patient, nullptr) {
    auto add = [this](const char* format, const std::string& value) {
        auto [label, shown] = SplitAtValue(format, value);
        AddLine(label, shown);
    };
    AddLine(QString(), FromCase(card.m_name));
    add(TextKey("Date of birth: %s"), card.m_age);
    add(TextKey("Address: %s"), card.m_address);
    if (!card.m_married.empty()) add(TextKey("Married: %s"), card.m_married);
    if (!card.m_heightAndWeight.empty()) add(TextKey("W&H: %s"), card.m_heightAndWeight);
    if (!card.m_peculiarityes.empty()) AddLine(QString(), FromCase(card.m_peculiarityes));
}

CCaseView::CTopicEpisode::CTopicEpisode(CEpisode& episode) : CTopic(TopicKind::Episode, &episode) {
    AddItemLine(episode);
}

CCaseView::CTopicAnalysis::CTopicAnalysis(CAnalysis& analysis)
    : CTopic(TopicKind::Analysis, &analysis) {
    AddItemLine(analysis);
    AddLine(FormatNumbers(Localized("%d symptoms, %d rubrics"),
                          {analysis.GetSymptomCount(), analysis.GetTopicCount()}),
            {});
}

CCaseView::CTopicPrescription::CTopicPrescription(CPrescription& prescription)
    : CTopic(TopicKind::Prescription, &prescription) {
    AddItemLine(prescription);
}
