// CPatientInfo: the patient card of a case, held by value in the case.  Not
// registered: it is never stored through a pointer.
#pragma once

#include <string>

#include "model/meta/layout_fwd.h"

class CPatientInfo {
public:
    struct Layout;
    // ExpandFlag, Description, Name, Address, Age, Occupation, Married, Hair,
    // Eyes, Complextion, Peculiarityes, HeightAndWeight, then the load hook
    // that rebuilds the card template.
    static ClassLayout<CPatientInfo>& GetLayout();

    // Name the localised "John Doe", Address the localised "Unknown", Age
    // "1914", everything else empty; the card template built.
    CPatientInfo();
    virtual ~CPatientInfo();
    CPatientInfo(const CPatientInfo&) = default;
    CPatientInfo& operator=(const CPatientInfo&) = default;

    // The rich text with one line per card field, labels localised and the
    // values as placeholders ("#PATIENT_NAME#" ...), which the card's views
    // fill in.  Rebuilt at construction and after every load.
    const std::string& GetCardTemplate() const { return m_cardTemplate; }
    void RebuildCardTemplate();

    int m_expandFlag = 0;
    std::string m_description;
    std::string m_name;
    std::string m_address;
    std::string m_age = "1914";
    std::string m_occupation;
    std::string m_married;
    std::string m_hair;
    std::string m_eyes;
    std::string m_complextion;
    std::string m_peculiarityes;
    std::string m_heightAndWeight;

private:
    void Hook() {}

    std::string m_cardTemplate;  // not stored
};
