// A loaded repertory: a read-only mapping of an .rpb file, the tree of its
// rubrics, its remedy table and its word index.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "coding/load_error.h"
#include "corvela/repertory.h"
#include "index/index_impl.h"
#include "platform/mapped_file.h"
#include "repertory/topic_impl.h"

class RepertoryImpl final : public Repertory {
public:
    RepertoryImpl();
    ~RepertoryImpl() override;

    int GetType() override { return kSourceRepertory; }
    const Guid* GetGuid() override { return &m_guid; }
    int GetPosition() override { return m_position; }
    const char* GetName() override { return m_texts[1]; }
    const char* GetText2() override { return m_texts[2]; }
    const char* GetText5() override { return m_texts[5]; }
    const char* GetText3() override { return m_texts[3]; }
    const char* GetText4() override { return m_texts[4]; }
    std::uint32_t GetFlags() override { return m_flags; }
    bool IsEnabled() override { return true; }
    void SetEnabled(bool) override {}
    // Maps the file, checks that everything it follows lies inside the file,
    // builds the whole rubric tree and opens the word index beside it.  False
    // (GetLoadError says why and where) when any of it fails.
    bool Open(const char* path) override;
    bool Save(const char*) override { return false; }
    const char* GetFilePath() override { return m_path.c_str(); }
    bool IsNew() override { return false; }
    DataItem* GetItem(std::uint32_t id) override { return GetTopic(id); }
    Index* GetWordIndex() override { return &m_index; }
    Topic* GetRoot() override;
    Topic* GetTopic(std::uint32_t id) override;
    // Called by the facade before Open: rubric identifiers carry it.
    virtual void SetPosition(int position) { m_position = position; }

    // Opens over a view the caller made (tests hand in a byte buffer); path is
    // remembered and names the word index.
    bool OpenMapped(MappedFile file, const char* path);
    // The same with the word index over a view the caller made too (the fuzz
    // targets hand in both files as bytes).
    bool OpenMapped(MappedFile file, MappedFile index, const char* path);
    // Appends the numbers of the rubrics that list remedy (pre-order, repeats
    // kept) to out; leaves out unchanged when no rubric lists it.  A number
    // may lie beyond the rubric count in a damaged file: GetTopic then answers null.
    void GetTopicsOfRemedy(int remedy, std::vector<std::int32_t>& out) const;
    std::size_t GetTopicCount() const { return m_topics.size(); }
    const LoadError& GetLoadError() const { return m_error; }

private:
    void Reset();
    bool Fail(LoadFault fault, std::uint64_t offset);
    bool LoadHeader();
    bool LoadRemedyTable();
    bool LoadTree();
    bool VisitRubric(std::uint64_t record, TopicImpl* parent, int depth);

    Guid m_guid;
    int m_position = -1;
    MappedFile m_file;
    std::uint32_t m_flags = 0;
    const char* m_texts[6];          // identifier text, texts 1-5
    std::deque<TopicImpl> m_topics;  // index = pre-order number; owns them
    std::size_t m_maxTopics = 0;     // bound while loading
    IndexImpl m_index;
    std::map<std::int32_t, std::size_t> m_remedyLists;  // remedy -> file offset of its list
    std::string m_path;
    LoadError m_error;
};
