#include "model/records/episode.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"

namespace {

// Whether an unnamed episode was made since the program started.
bool g_firstVisitMade = false;

}  // namespace

struct CEpisode::Layout : ClassLayout<CEpisode> {
    Layout() : ClassLayout("CEpisode") {
        Register();
        Base<COneItem>();
        Call(&CEpisode::Hook, nullptr);
        Value("Description", &CEpisode::m_description);
        Value("Practitioner", &CEpisode::m_practitioner);
        Call(&CEpisode::Hook, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CEpisode);

std::string CEpisode::DescriptionTemplate(const std::string& text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 " + text +
           "\\par}";
}

CEpisode::CEpisode() : m_description(DescriptionTemplate(Localize("Type your text here", 1))) {
    if (!g_firstVisitMade) {
        g_firstVisitMade = true;
        m_firstVisit = true;
        SetName(Localize("First visit", 1));
    } else {
        SetName(Localize("Unknown", 1));
    }
}

CEpisode::CEpisode(const std::string& name)
    : m_description(DescriptionTemplate(Localize("Type your text here", 1))) {
    SetName(name);
}

CEpisode::~CEpisode() {
    DeleteSuccessors();
}

void CEpisode::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void CEpisode::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void CEpisode::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void CEpisode::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}
