// CCase: one patient case, the content of a .hom file: the patient card and
// the chain of dated items whose head is the first episode.
//
// Stored with the text storage under the root "Meridane Suite Software
// Project", without version and without code page.  Loading always goes into
// a newly constructed case (LoadFile, LoadText): the item pointers of a used
// case would be overwritten without being released.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/meta/layout_fwd.h"
#include "model/records/analysis.h"
#include "model/records/episode.h"
#include "model/records/patient_info.h"
#include "model/records/prescription.h"

class CCase {
public:
    struct Layout;
    // PatientInfo, Case Episodes.  Building it registers "CAnalysis",
    // "CEpisode" and "CPrescription" (and, through their layouts, "COneItem",
    // "CSympthom" and "CTopic").
    static ClassLayout<CCase>& GetLayout();

    static constexpr const char* kRootName = "Meridane Suite Software Project";

    // A new patient card and a new unnamed first episode.
    CCase();
    // Deletes the items after the first episode, the last one first, then the
    // first episode and the card.
    ~CCase();
    CCase(const CCase&) = delete;
    CCase& operator=(const CCase&) = delete;

    CPatientInfo& GetPatientInfo() { return m_patientInfo; }
    const CPatientInfo& GetPatientInfo() const { return m_patientInfo; }
    // The head of the item chain; the items follow through GetNext().
    CEpisode& GetFirstEpisode() { return m_firstEpisode; }
    const CEpisode& GetFirstEpisode() const { return m_firstEpisode; }
    COneItem* GetLastItem() { return m_firstEpisode.GetLast(); }

    // New items appended after the last item; the case owns them.  The
    // program's commands name episodes "New Episode", "Check Prescription",
    // "Note" and "Phone conversation" (stored untranslated).
    CEpisode* AddEpisode(const std::string& name);
    CPrescription* AddPrescription();
    CAnalysis* AddAnalysis();

    // The analyses of the chain in chain order.
    std::vector<CAnalysis*> GetAnalyses();

    // The case as the text of a .hom file.  Throws Exception when the tree
    // cannot be written (a chain nested beyond what the format allows).
    std::string SaveText();
    // Writes the case to `path` atomically (temporary file, flush, rename).
    // False with the reason in *error (when given); the previous file is then
    // unchanged and no temporary file is left.
    bool SaveFile(const std::string& path, std::string* error = nullptr);

    // A new case read from a .hom text or file; null with the reason in
    // *error when the text cannot be parsed, is empty or names an unknown
    // type (the partly read case is discarded).  Every rubric is refreshed
    // from the engine while it is read.
    static std::unique_ptr<CCase> LoadText(std::string_view text, std::string* error = nullptr);
    static std::unique_ptr<CCase> LoadFile(const std::string& path, std::string* error = nullptr);

private:
    CPatientInfo m_patientInfo;
    CEpisode m_firstEpisode;
};
