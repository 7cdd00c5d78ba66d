#include "views/editors/card_panes.h"

#include <QTextBlock>
#include <QTextDocument>

#include "model/lang/localize.h"
#include "model/records/patient_info.h"
#include "model/records/practitioner.h"
#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"

namespace editors {
namespace {

constexpr const char* kPaneHead =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
    "{\\colortbl ;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard";

// The card fields in the order of the values pane's lines.
std::vector<std::string CPatientInfo::*> CardFields() {
    return {&CPatientInfo::m_name,          &CPatientInfo::m_address,
            &CPatientInfo::m_age,           &CPatientInfo::m_occupation,
            &CPatientInfo::m_married,       &CPatientInfo::m_hair,
            &CPatientInfo::m_eyes,          &CPatientInfo::m_complextion,
            &CPatientInfo::m_peculiarityes, &CPatientInfo::m_heightAndWeight};
}

std::vector<std::string CPractitioner::*> PractitionerFields() {
    return {&CPractitioner::m_name, &CPractitioner::m_title, &CPractitioner::m_address,
            &CPractitioner::m_phone, &CPractitioner::m_other};
}

// Each text localised as a whole phrase, in code page 1251.
std::vector<std::string> LocalizeEach(std::initializer_list<const char*> texts) {
    std::vector<std::string> result;
    for (const char* text : texts) result.emplace_back(Localize(text, 1));
    return result;
}

}  // namespace

std::string LabelsPaneRtf(const std::vector<std::string>& labels) {
    std::string rtf = kPaneHead;
    for (const std::string& label : labels) {
        rtf += "\\cf1\\f0\\fs20 ";
        rtf += rtf::EscapeText(label);
        rtf += "\\cf0:\\par\n";
    }
    return rtf + "\\cf1\\f0\\par\n}";
}

std::string ValuesPaneRtf(const std::vector<std::string>& values) {
    std::string rtf = kPaneHead;
    for (const std::string& value : values) {
        rtf += "\\cf0\\f0\\fs20 ";
        rtf += rtf::EscapeText(value);
        rtf += "\\par\n";
    }
    return rtf + "\\cf0\\f0\\par\n}";
}

std::string PaneLine(const QTextDocument& document, int index) {
    const QTextBlock block = document.findBlockByNumber(index);
    if (!block.isValid()) return {};
    QString text = block.text();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    std::string line = plumbing::EncodeCp1251(text);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

std::vector<std::string> PatientCardLabels() {
    return LocalizeEach({TextKey("Name"), TextKey("Address in full"), TextKey("Age"),
                         TextKey("Occupation"), TextKey("Married (how long) or single"),
                         TextKey("Color of hair"), TextKey("Color of eyes"), TextKey("Complexion"),
                         TextKey("Pequliarities (form, size, etc)"), TextKey("Height and weight"),
                         TextKey("Other")});
}

std::string PatientCardValuesRtf(const CPatientInfo& card) {
    if (!card.m_description.empty()) return card.m_description;
    // The template's placeholders are filled line by line, so a value that
    // itself reads like a placeholder stays as typed.
    std::vector<std::string> values;
    for (auto field : CardFields()) values.push_back(card.*field);
    values.emplace_back();  // "#DESCRIPTION#" is replaced by nothing
    return ValuesPaneRtf(values);
}

void WritePatientCardBack(const QTextDocument& values, CPatientInfo& card) {
    int line = 0;
    for (auto field : CardFields()) card.*field = PaneLine(values, line++);
    card.m_description = rtf::Save(values);
}

std::vector<std::string> PractitionerLabels() {
    return LocalizeEach({TextKey("Name"), TextKey("Title"), TextKey("Address"), TextKey("Phone"),
                         TextKey("Other")});
}

std::string PractitionerValuesRtf(const CPractitioner& practitioner) {
    std::vector<std::string> values;
    for (auto field : PractitionerFields()) values.push_back(practitioner.*field);
    return ValuesPaneRtf(values);
}

void WritePractitionerBack(const QTextDocument& values, CPractitioner& practitioner) {
    int line = 0;
    for (auto field : PractitionerFields()) practitioner.*field = PaneLine(values, line++);
}

}  // namespace editors
