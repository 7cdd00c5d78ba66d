// CSympthom: one symptom of an analysis, a weighted list of topics (normally
// repertory rubrics with their remedy entries).  The symptoms of an analysis
// form a doubly linked chain whose head the analysis holds by value; each
// further symptom is owned by its predecessor ("Next Symptom").  The back link
// is not stored; the analysis sets it again after loading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corvela/guid.h"
#include "model/core/private_heap.h"
#include "model/meta/layout_fwd.h"

template <class T>
struct RecordChain;

class DataItem;
class DataSource;
class Topic;

class CSympthom {
public:
    MERIDANE_PRIVATE_HEAP(CSympthom)
    struct Layout;
    // Symptom Version (1.0 when missing), Symptom Name, Symptom Weight,
    // Topics Array, Next Symptom, then the load hook that refreshes the topics
    // from the engine.  Registers "CSympthom".
    static ClassLayout<CSympthom>& GetLayout();

    // What a topic is ("Data Type").
    static constexpr int kRubricTopic = 1;
    static constexpr int kArticleTopic = 2;

    // One topic of a symptom: a value kept in the symptom's array.
    class CTopic {
    public:
        struct Layout;
        // Data Type, Topic Id, SourceId (16 bytes), expander, Topic Text,
        // hide.  Registers "CTopic".
        static ClassLayout<CTopic>& GetLayout();

        // One remedy entry of a rubric, as the engine gave it.
        struct CRemedyInfo {
            int m_remedy = 0;         // the engine's remedy number
            int m_grade = 0;          // normally 1 to 4
            std::string m_shortName;  // empty when the catalogue lacks the remedy
        };

        // The engine's item identifier of the topic.
        std::uint32_t GetItemId() const { return static_cast<std::uint32_t>(m_topicId); }
        // A rubric that the ranking counts: Data Type 1 and not hidden.
        bool IsCounted() const { return m_dataType == kRubricTopic && m_hide == 0; }

        // Refills the title, the path text and the remedy entries from the
        // engine (see sympthom_topic.cpp); true when the rubric was found.
        // A rubric topic that names its repertory (SourceId not zero) is found
        // in that repertory by the low 22 bits of Topic Id, and Topic Id is
        // brought up to date with the repertory's current position; one without
        // (files of earlier versions) is found by Topic Id alone.  A topic that
        // is not found, or whose item is no rubric, is left as it is.
        // A materia medica passage (Data Type 2) is found the same way in its
        // materia medica: its Topic Id follows the article, or, found by
        // position, it learns its materia medica's identifier; its passage is
        // kept; true when the article was found.
        bool Refresh();
        // Fills the title, the path text and the remedy entries from `rubric`
        // (the entries are replaced).
        void FillFrom(Topic& rubric);

        // Stored.
        int m_dataType = 0;
        int m_topicId = 0;
        Guid m_sourceId{};
        int m_expander = 0;
        std::string m_text;
        int m_hide = 0;
        // Filled by Refresh and FillFrom, not stored.
        std::string m_title;     // the rubric's text without trailing blanks, ';' and ':'
        std::string m_pathText;  // "Mind; Anxiety; night": ancestors not starting with "rep_"
        std::vector<CRemedyInfo> m_remedies;

    private:
        void Hook() {}
        bool RefreshArticle(DataSource& source, DataItem& item, bool named);
    };

    // A symptom named with the localised "Unknown Symptom", version 1.0, weight 1.
    CSympthom();
    // A symptom named `name` with every carriage return removed and every line
    // feed turned into a blank, version 1.0, weight 1.
    explicit CSympthom(const std::string& name);
    CSympthom(const CSympthom&) = delete;
    CSympthom& operator=(const CSympthom&) = delete;
    // Deletes the following symptoms, the last one first (without recursion).
    virtual ~CSympthom();

    virtual const char* GetTypeName() { return "CSympthom"; }
    virtual void Load(StorageNode* node, const char* version);
    virtual void Save(StorageNode* node, const char* version);
    virtual void LoadRaw(StorageNode* node, const char* version);
    virtual void SaveRaw(StorageNode* node, const char* version);

    // `name` as a symptom name: carriage returns removed, line feeds as blanks.
    static std::string CleanName(const std::string& name);

    // A number no other symptom of this run has had or will have; not
    // stored.  Whoever remembers a symptom across user actions keeps it
    // beside the pointer, so that a symptom made later at the same address is
    // not taken for the one remembered.
    std::uint64_t GetSerial() const { return m_serial; }

    CSympthom* GetNext() const { return m_next; }
    CSympthom* GetPrevious() const { return m_previous; }
    // The head of the chain, walking the back links.
    CSympthom* GetFirst();
    // The last symptom of the chain, walking forward.
    CSympthom* GetLast();
    // Links `symptom` (new, without neighbours, owned by the chain from now on)
    // after the last symptom and returns it.
    CSympthom* Append(CSympthom* symptom);
    // Joins the neighbours and deletes this symptom with its topics.  The head
    // (no predecessor) belongs to its analysis and cannot be unlinked: false,
    // nothing changes.
    bool Unlink();
    // Sets the back link of every following symptom (after loading).
    void LinkChain();

    // Refreshes every topic with a non-zero Topic Id (CTopic::Refresh), unless
    // the name is the single character with code 2.
    void RefreshTopics();

    float m_version = 1.0f;
    std::string m_name;
    int m_weight = 1;
    std::vector<CTopic> m_topics;

private:
    friend struct RecordChain<CSympthom>;
    CSympthom* m_next = nullptr;      // owned
    CSympthom* m_previous = nullptr;  // not stored
    std::uint64_t m_serial;           // not stored
};
