#include "model/records/prescription.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"

struct CPrescription::Layout : ClassLayout<CPrescription> {
    Layout() : ClassLayout("CPrescription") {
        Register();
        Base<COneItem>();
        Value("Prescription", &CPrescription::m_prescription);
        Value("Practitioner", &CPrescription::m_practitioner);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CPrescription);

std::string CPrescription::PrescriptionTemplate(const std::string& text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
           "{\\colortbl ;\\red128\\green128\\blue128;}\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           text + "\\par\n}\n";
}

CPrescription::CPrescription()
    : m_prescription(PrescriptionTemplate(Localize("No prescription", 1))) {
    SetName(Localize("Prescription", 1));
}

CPrescription::~CPrescription() {
    DeleteSuccessors();
}

void CPrescription::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void CPrescription::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void CPrescription::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void CPrescription::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}
