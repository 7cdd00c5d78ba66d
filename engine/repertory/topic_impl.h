// One rubric of a loaded repertory: a position in the mapped file plus its
// identifier and links.  Text and remedy entries are read from the mapping on
// every call; the repertory validated them when it was opened.
#pragma once

#include <cstdint>
#include <vector>

#include "corvela/repertory.h"

class TopicImpl final : public Topic {
public:
    // record points at the rubric's "TOPC" record inside the mapping.
    TopicImpl(TopicImpl* parent, const std::uint8_t* record, std::uint32_t id)
        : m_id(id), m_parent(parent), m_record(record) {}

    int GetKind() override { return kItemTopic; }
    DataItem* GetParent() override { return m_parent; }
    std::uint32_t GetId() override { return m_id; }
    const char* GetText() override;
    int GetRemedyCount() override;
    int GetRemedy(int entry) override;
    int GetGrade(int entry) override;
    int GetChildCount() override { return static_cast<int>(m_children.size()); }
    Topic* GetChild(int position) override;

    // Used while the repertory builds its tree.  Children are not owned: the
    // repertory owns every rubric.
    void AddChild(TopicImpl* child) { m_children.push_back(child); }
    TopicImpl* Parent() const { return m_parent; }

private:
    const std::uint8_t* Entry(int entry);

    std::uint32_t m_id;
    TopicImpl* m_parent;  // null for the root
    const std::uint8_t* m_record;
    std::vector<TopicImpl*> m_children;
};
