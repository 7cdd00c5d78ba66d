#include "model/records/case.h"

#include <cerrno>
#include <cstring>

#include "base/files/atomic_file.h"
#include "model/core/code_page.h"
#include "model/meta/layout.h"
#include "model/storage/object_file.h"

struct CCase::Layout : ClassLayout<CCase> {
    Layout() : ClassLayout("CCase") {
        Register<CAnalysis>("CAnalysis");
        Register<CEpisode>("CEpisode");
        Register<CPrescription>("CPrescription");
        // The items' own layouts register the rest before a chain is read.
        COneItem::GetLayout();
        CSympthom::GetLayout();
        CSympthom::CTopic::GetLayout();
        Value("PatientInfo", &CCase::m_patientInfo);
        Value("Case Episodes", &CCase::m_firstEpisode);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CCase);

CCase::CCase() = default;

CCase::~CCase() = default;

CEpisode* CCase::AddEpisode(const std::string& name) {
    auto* episode = new CEpisode(name);
    m_firstEpisode.Append(episode);
    return episode;
}

CPrescription* CCase::AddPrescription() {
    auto* prescription = new CPrescription;
    m_firstEpisode.Append(prescription);
    return prescription;
}

CAnalysis* CCase::AddAnalysis() {
    auto* analysis = new CAnalysis;
    m_firstEpisode.Append(analysis);
    return analysis;
}

std::vector<CAnalysis*> CCase::GetAnalyses() {
    std::vector<CAnalysis*> analyses;
    for (COneItem* item = &m_firstEpisode; item != nullptr; item = item->GetNext())
        if (auto* analysis = dynamic_cast<CAnalysis*>(item)) analyses.push_back(analysis);
    return analyses;
}

std::string CCase::SaveText() {
    return SaveObjectToText(nullptr, kRootName, *this, kCodePageNone);
}

bool CCase::SaveFile(const std::string& path, std::string* error) {
    std::string text;
    try {
        text = SaveText();
    } catch (const std::exception& problem) {
        if (error != nullptr) *error = problem.what();
        return false;
    }
    if (base::WriteFileAtomically(path, text)) return true;
    if (error != nullptr) *error = std::strerror(errno);
    return false;
}

std::unique_ptr<CCase> CCase::LoadText(std::string_view text, std::string* error) {
    auto loaded = std::make_unique<CCase>();
    try {
        LoadObjectFromText(nullptr, nullptr, text, *loaded);
    } catch (const std::exception& problem) {
        if (error != nullptr) *error = problem.what();
        return nullptr;
    }
    return loaded;
}

std::unique_ptr<CCase> CCase::LoadFile(const std::string& path, std::string* error) {
    std::string text;
    if (!base::ReadWholeFile(path, &text)) {
        if (error != nullptr) *error = std::strerror(errno);
        return nullptr;
    }
    return LoadText(text, error);
}
