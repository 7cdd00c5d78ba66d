// CPrescription: a prescription of a case, named with the localised
// "Prescription", its text a rich text that starts as "No prescription".
#pragma once

#include <string>

#include "model/records/one_item.h"
#include "model/records/practitioner.h"

class CPrescription : public COneItem {
public:
    MERIDANE_PRIVATE_HEAP(CPrescription)
    struct Layout;
    // The COneItem fields, then Prescription and Practitioner.  Registers
    // "CPrescription".
    static ClassLayout<CPrescription>& GetLayout();

    CPrescription();
    ~CPrescription() override;

    const char* GetTypeName() override { return "CPrescription"; }
    void Load(StorageNode* node, const char* version) override;
    void Save(StorageNode* node, const char* version) override;
    void LoadRaw(StorageNode* node, const char* version) override;
    void SaveRaw(StorageNode* node, const char* version) override;

    const std::string& GetPrescription() const { return m_prescription; }
    void SetPrescription(const std::string& text) { m_prescription = text; }
    CPractitioner& GetPractitioner() { return m_practitioner; }
    const CPractitioner& GetPractitioner() const { return m_practitioner; }

    // The rich text of a new prescription around `text` (four lines, each
    // ending with a line feed).
    static std::string PrescriptionTemplate(const std::string& text);

private:
    std::string m_prescription;
    CPractitioner m_practitioner;
};
