// CRepertoryView::CTopicInfo: the display node of one rubric in the
// repertory browser, with a CRemedy item per remedy entry.  Nodes are made
// as the reader reaches them: the root with its chapters when a repertory is
// bound, a rubric's children and remedy items when it is first expanded (or
// when a rubric below it is selected).  What a node shows is read from the
// engine's rubric (text, counts) when it is drawn; what the renderer learns
// once (the heading's width, where the node was last laid out) is kept here.
//
// A node owns its children; they never move once made, so pointers to nodes
// stay valid as long as the root.
#pragma once

#include <corvela.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "views/repertory/repertory_view.h"

class CRepertoryView::CTopicInfo {
public:
    // One remedy entry of the rubric, in the rubric's entry order.  Its text,
    // face and width are the same for every entry of that remedy and grade
    // and live in CRemedyTextCache; its box in the renderer's rows.
    struct CRemedy {
        std::int32_t m_remedy = -1;  // catalogue number
        std::uint8_t m_grade = 0;
    };

    // The root of `repertory`: level 1, always expanded, its children made.
    static std::unique_ptr<CTopicInfo> MakeRoot(Repertory& repertory);

    CTopicInfo(Topic* topic, CTopicInfo* parent, int level);
    CTopicInfo(CTopicInfo&&) noexcept = default;
    CTopicInfo& operator=(CTopicInfo&&) noexcept = default;

    Topic* GetTopic() const { return m_topic; }
    std::uint32_t Id() const { return m_id; }
    CTopicInfo* Parent() const { return m_parent; }
    int Level() const { return m_level; }
    bool IsRoot() const { return m_parent == nullptr; }

    // The rubric's own counts (without making anything).
    int ChildCount() const { return m_childCount; }
    int RemedyCount() const { return m_remedyCount; }
    bool HasContent() const { return m_childCount > 0 || m_remedyCount > 0; }

    // Expanded: its remedies and children are shown.  Expanding makes them;
    // the root stays expanded.
    bool IsExpanded() const { return m_expanded; }
    void SetExpanded(bool expanded);

    // The children and remedy items; made on first use.
    std::vector<CTopicInfo>& Children();
    const std::vector<CRemedy>& Remedies();
    // True once the children were made (the layout walks only those).
    bool ChildrenMade() const { return m_childrenMade; }

    // The node of rubric `id` at or below this one (pre-order numbers grow
    // along the children), making nodes on the way; null when the rubric is
    // not in this subtree.  `id` is a pre-order number or an item identifier.
    CTopicInfo* Find(std::uint32_t id);

    // Expands every rubric below (a test and benchmark hook).
    void ExpandAll();

    // Kept by the renderer (repertory_renderer.h).
    int m_headingWidth = -1;         // whole heading, pixels; -1 until measured
    int m_textWidth = -1;            // the part before the counts
    int m_firstItem = -1;            // the heading's item in the last layout
    std::uint32_t m_layoutPass = 0;  // the layout that placed it; 0: never

private:
    Topic* m_topic;
    CTopicInfo* m_parent;
    std::vector<CTopicInfo> m_children;
    std::vector<CRemedy> m_remedies;
    std::uint32_t m_id;
    int m_childCount;
    int m_remedyCount;
    std::uint16_t m_level;
    bool m_expanded = false;
    bool m_childrenMade = false;
    bool m_remediesMade = false;
};
