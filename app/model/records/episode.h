// CEpisode: a visit or another dated entry of a case (also notes, phone
// conversations and prescription checks, which differ only by name).
#pragma once

#include <string>

#include "model/records/one_item.h"
#include "model/records/practitioner.h"

class CEpisode : public COneItem {
public:
    MERIDANE_PRIVATE_HEAP(CEpisode)
    struct Layout;
    // The COneItem fields, then Description and Practitioner.  Registers "CEpisode".
    static ClassLayout<CEpisode>& GetLayout();

    // An episode without a name (a case's first episode): the first one made
    // since the program started is named with the localised "First visit" and
    // flagged as the first visit, every later one with the localised "Unknown".
    CEpisode();
    // An episode named `name`, stored as given (the commands pass their
    // English names, which stay untranslated in the file).
    explicit CEpisode(const std::string& name);
    ~CEpisode() override;

    const char* GetTypeName() override { return "CEpisode"; }
    void Load(StorageNode* node, const char* version) override;
    void Save(StorageNode* node, const char* version) override;
    void LoadRaw(StorageNode* node, const char* version) override;
    void SaveRaw(StorageNode* node, const char* version) override;

    // True for the episode that took the name "First visit" (in memory only).
    bool IsFirstVisit() const { return m_firstVisit; }

    // The episode text as rich text; a new episode holds the template with the
    // localised "Type your text here".
    const std::string& GetDescription() const { return m_description; }
    void SetDescription(const std::string& text) { m_description = text; }
    CPractitioner& GetPractitioner() { return m_practitioner; }
    const CPractitioner& GetPractitioner() const { return m_practitioner; }

    // The rich text of a new episode around `text`.
    static std::string DescriptionTemplate(const std::string& text);

private:
    void Hook() {}

    std::string m_description;
    CPractitioner m_practitioner;
    bool m_firstVisit = false;
};
