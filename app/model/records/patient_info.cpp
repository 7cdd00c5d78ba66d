#include "model/records/patient_info.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"

struct CPatientInfo::Layout : ClassLayout<CPatientInfo> {
    Layout() : ClassLayout("CPatientInfo") {
        Call(&CPatientInfo::Hook, nullptr);
        Call(&CPatientInfo::Hook, nullptr);
        Value("ExpandFlag", &CPatientInfo::m_expandFlag);
        Value("Description", &CPatientInfo::m_description);
        Value("Name", &CPatientInfo::m_name);
        Value("Address", &CPatientInfo::m_address);
        Value("Age", &CPatientInfo::m_age);
        Value("Occupation", &CPatientInfo::m_occupation);
        Value("Married", &CPatientInfo::m_married);
        Value("Hair", &CPatientInfo::m_hair);
        Value("Eyes", &CPatientInfo::m_eyes);
        Value("Complextion", &CPatientInfo::m_complextion);
        Value("Peculiarityes", &CPatientInfo::m_peculiarityes);
        Value("HeightAndWeight", &CPatientInfo::m_heightAndWeight);
        Call(&CPatientInfo::RebuildCardTemplate, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CPatientInfo);

namespace {

struct CardLine {
    const char* label;
    const char* placeholder;
};

constexpr CardLine kCardLines[] = {
    {TextKey("Name"), "#PATIENT_NAME#"},
    {TextKey("Address in full"), "#ADDRESS#"},
    {TextKey("Age"), "#AGE#"},
    {TextKey("Occupation"), "#OCCUPATION#"},
    {TextKey("Married (how long) or single"), "#MARRIED#"},
    {TextKey("Color of hair"), "#HAIR#"},
    {TextKey("Color of eyes"), "#EYES#"},
    {TextKey("Complexion"), "#COMPLEXTION#"},
    {TextKey("Pequliarities (form, appearance, size, etc. etc)"), "#PECULIARITYES#"},
    {TextKey("Height and weight"), "#HEIGHT_AND_WEIGHT#"},
};

}  // namespace

CPatientInfo::CPatientInfo() : m_name(Localize("John Doe", 1)), m_address(Localize("Unknown", 1)) {
    RebuildCardTemplate();
}

CPatientInfo::~CPatientInfo() = default;

void CPatientInfo::RebuildCardTemplate() {
    std::string text = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n";
    text += "{\\colortbl ;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard";
    for (const CardLine& line : kCardLines) {
        text += "\\cf1\\f0\\fs20 ";
        text += Localize(line.label, 1);
        text += "\\cf0:\\cf0\\f0 ";
        text += line.placeholder;
        text += "\\par\n";
    }
    text += "\\cf1\\f0\\par\n";
    text += "}\n";
    m_cardTemplate = std::move(text);
}
