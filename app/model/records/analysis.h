// CAnalysis: an analysis (repertorization) item of a case: a chain of
// symptoms, the sort type of its ranking and the practitioner who made it.
#pragma once

#include "model/records/one_item.h"
#include "model/records/practitioner.h"
#include "model/records/sympthom.h"

class CAnalysis : public COneItem {
public:
    MERIDANE_PRIVATE_HEAP(CAnalysis)
    struct Layout;
    // The COneItem fields, then Symptoms (the first symptom, the chain nested
    // in it), SortType, Practitioner, then the load hook that links the
    // symptoms back.  Registers "CAnalysis".
    static ClassLayout<CAnalysis>& GetLayout();

    // Named with the localised "Analysis", sort type 0, one first symptom
    // named with the localised "Unknown Symptom".
    CAnalysis();
    ~CAnalysis() override;

    const char* GetTypeName() override { return "CAnalysis"; }
    void Load(StorageNode* node, const char* version) override;
    void Save(StorageNode* node, const char* version) override;
    void LoadRaw(StorageNode* node, const char* version) override;
    void SaveRaw(StorageNode* node, const char* version) override;

    // The head of the symptom chain; it cannot be unlinked.
    CSympthom& GetFirstSymptom() { return m_symptoms; }
    const CSympthom& GetFirstSymptom() const { return m_symptoms; }
    // The symptom at `index` in chain order (0: the first), or null.
    CSympthom* GetSymptom(int index);
    // Symptoms in the chain, and topics (of every kind) in all of them.
    int GetSymptomCount() const;
    int GetTopicCount() const;

    // 0 "Factum", 1 "Weight", 2 "Count", 3 "Name"; anything else: no sorting.
    int GetSortType() const { return m_sortType; }
    void SetSortType(int sortType) { m_sortType = sortType; }

    CPractitioner& GetPractitioner() { return m_practitioner; }
    const CPractitioner& GetPractitioner() const { return m_practitioner; }

private:
    void LinkSymptoms();

    CSympthom m_symptoms;
    int m_sortType = 0;
    CPractitioner m_practitioner;
};
