#include "views/repertory/repertory_topic_info.h"

#include <algorithm>

using CTopicInfo = CRepertoryView::CTopicInfo;

std::unique_ptr<CTopicInfo> CTopicInfo::MakeRoot(Repertory& repertory) {
    Topic* root = repertory.GetRoot();
    if (root == nullptr) return nullptr;
    auto node = std::make_unique<CTopicInfo>(root, nullptr, 1);
    node->SetExpanded(true);
    return node;
}

CTopicInfo::CTopicInfo(Topic* topic, CTopicInfo* parent, int level)
    : m_topic(topic),
      m_parent(parent),
      m_id(topic->GetId()),
      m_childCount(std::max(0, topic->GetChildCount())),
      m_remedyCount(std::max(0, topic->GetRemedyCount())),
      m_level(static_cast<std::uint16_t>(level)) {}

void CTopicInfo::SetExpanded(bool expanded) {
    if (IsRoot()) expanded = true;
    if (expanded) {
        Children();
        Remedies();
    }
    m_expanded = expanded;
}

std::vector<CTopicInfo>& CTopicInfo::Children() {
    if (!m_childrenMade) {
        m_childrenMade = true;
        m_children.reserve(static_cast<std::size_t>(m_childCount));
        for (int i = 0; i < m_childCount; ++i) {
            if (Topic* child = m_topic->GetChild(i))
                m_children.emplace_back(child, this, m_level + 1);
        }
    }
    return m_children;
}

const std::vector<CTopicInfo::CRemedy>& CTopicInfo::Remedies() {
    if (!m_remediesMade) {
        m_remediesMade = true;
        m_remedies.reserve(static_cast<std::size_t>(m_remedyCount));
        for (int i = 0; i < m_remedyCount; ++i) {
            const int grade = m_topic->GetGrade(i);
            m_remedies.push_back(CRemedy{m_topic->GetRemedy(i),
                                         static_cast<std::uint8_t>(std::clamp(grade, 0, 255))});
        }
    }
    return m_remedies;
}

CTopicInfo* CTopicInfo::Find(std::uint32_t id) {
    const std::uint32_t wanted = ItemNumber(id);
    CTopicInfo* node = this;
    while (node != nullptr) {
        const std::uint32_t here = ItemNumber(node->m_id);
        if (here == wanted) return node;
        if (wanted < here) return nullptr;
        std::vector<CTopicInfo>& children = node->Children();
        // The last child numbered at or before the rubric holds it, if any does.
        auto after = std::upper_bound(children.begin(), children.end(), wanted,
                                      [](std::uint32_t number, const CTopicInfo& child) {
                                          return number < ItemNumber(child.m_id);
                                      });
        if (after == children.begin()) return nullptr;
        node = &*(after - 1);
    }
    return nullptr;
}

void CTopicInfo::ExpandAll() {
    std::vector<CTopicInfo*> open{this};
    while (!open.empty()) {
        CTopicInfo* node = open.back();
        open.pop_back();
        node->SetExpanded(true);
        for (CTopicInfo& child : node->Children()) open.push_back(&child);
    }
}
