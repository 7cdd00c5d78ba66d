// The drawn items of the symptom list (CSympthomView), made anew at every
// layout from the analysis: one per symptom, one per rubric (or a placeholder
// for a symptom without topics), one per materia medica passage.  Items point
// into the analysis; they live until the next layout, and the analysis is not
// changed while they do (every change lays out anew).
#pragma once

#include <QRect>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <vector>

#include "model/records/sympthom.h"
#include "views/analysis/sympthom_view.h"

class CSympthomView::CView_Item {
public:
    enum class Kind { Symptom, Topic, Article };

    virtual ~CView_Item() = default;

    Kind GetKind() const { return m_kind; }
    CSympthom& Symptom() const { return *m_symptom; }
    // The vertical extent the item took, its last line included.
    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }
    void SetExtent(int top, int bottom) {
        m_top = top;
        m_bottom = bottom;
    }

protected:
    CView_Item(Kind kind, CSympthom& symptom) : m_kind(kind), m_symptom(&symptom) {}

private:
    Kind m_kind;
    CSympthom* m_symptom;
    int m_top = 0;
    int m_bottom = 0;
};

// A symptom's header: weight marker, "name (n rubrics)", delete mark.
class CSympthomView::CView_Sympthom : public CView_Item {
public:
    CView_Sympthom(CSympthom& symptom, bool first) : CView_Item(Kind::Symptom, symptom), m_first(first) {}
    bool IsFirst() const { return m_first; }

    QString m_text;  // "%s (%d rubrics)"
    QRect m_band;    // the header's band
    QRect m_nameBox;    // the name as drawn (clicks, the editor)
    int m_textRoom = 0;  // what the name may take before the delete mark
    QRect m_weightBox;
    QRect m_deleteBox;  // empty for the first symptom

private:
    bool m_first;
};

// One remedy of an expanded rubric.
struct CSympthomView::CView_Remedy {
    int remedy = 0;  // the engine's remedy number
    int grade = 0;
    QString text;    // typeset by grade
    QRect box;
    QStaticText glyphs;  // the text laid out in its grade's face
};

// A rubric (Data Type 1), or the placeholder of a symptom without topics
// (topic index -1, no boxes but its text).
class CSympthomView::CView_Topic : public CView_Item {
public:
    CView_Topic(CSympthom& symptom, int topicIndex) : CView_Item(Kind::Topic, symptom), m_topicIndex(topicIndex) {}
    int TopicIndex() const { return m_topicIndex; }
    bool IsPlaceholder() const { return m_topicIndex < 0; }
    // The topic; null for the placeholder.
    const CSympthom::CTopic* Topic() const {
        return m_topicIndex >= 0 ? &Symptom().m_topics[static_cast<std::size_t>(m_topicIndex)]
                                 : nullptr;
    }

    int m_topicId = 0;
    bool m_counted = false;
    bool m_expanded = false;
    QString m_text;  // "%s (%d remedies)", or "No added rubrics"
    QRect m_textBox;
    int m_textRoom = 0;
    QRect m_deleteBox;
    QRect m_includeBox;
    QRect m_expandBox;
    std::vector<CView_Remedy> m_remedies;  // only while expanded

private:
    int m_topicIndex;
};

// A materia medica passage (Data Type 2): "%s [%s]" with the article's remedy
// and the materia medica, and when expanded "... %s ..." with the passage.
class CSympthomView::CView_Article : public CView_Item {
public:
    CView_Article(CSympthom& symptom, int topicIndex) : CView_Item(Kind::Article, symptom), m_topicIndex(topicIndex) {}
    int TopicIndex() const { return m_topicIndex; }

    int m_topicId = 0;
    Guid m_sourceId{};
    bool m_expanded = false;
    QString m_title;
    QString m_passage;  // "... %s ...", only while expanded
    QRect m_titleBox;
    int m_textRoom = 0;
    QRect m_deleteBox;
    QRect m_expandBox;
    QRect m_passageBox;

private:
    int m_topicIndex;
};
