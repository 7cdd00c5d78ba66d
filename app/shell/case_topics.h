// The nodes of the case view: one for the patient card, one for every
// episode, analysis and prescription of the case's chain.  Each node holds the
// lines it shows (a black first part, a dark blue second part) and remembers
// the box it was last drawn in, for hit testing.
#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "shell/case_view.h"

class CAnalysis;
class CEpisode;
class CPatientInfo;
class CPrescription;

class CCaseView::CTopic {
public:
    struct Line {
        QString first;   // black: a label, an item's time with its colon
        QString second;  // dark blue: the value, the item's name
    };

    virtual ~CTopic() = default;

    TopicKind Kind() const { return m_kind; }
    // The item the node stands for; null for the patient node.
    COneItem* Item() const { return m_item; }
    const std::vector<Line>& Lines() const { return m_lines; }

    // The box drawn last (left, top, right, bottom).
    const QRect& Box() const { return m_box; }
    void SetBox(const QRect& box) { m_box = box; }

protected:
    CTopic(TopicKind kind, COneItem* item) : m_kind(kind), m_item(item) {}
    void AddLine(QString first, QString second) {
        m_lines.push_back({std::move(first), std::move(second)});
    }
    // "Time:" and the item's name.
    void AddItemLine(const COneItem& item);

private:
    TopicKind m_kind;
    COneItem* m_item;
    std::vector<Line> m_lines;
    QRect m_box;
};

// The patient card: name, date of birth, address, and married, height and
// weight and peculiarities when they are not empty.
class CCaseView::CTopicPatient : public CCaseView::CTopic {
public:
    explicit CTopicPatient(const CPatientInfo& card);
};

class CCaseView::CTopicEpisode : public CCaseView::CTopic {
public:
    explicit CTopicEpisode(CEpisode& episode);
};

// As an episode, then "%d symptoms, %d rubrics".
class CCaseView::CTopicAnalysis : public CCaseView::CTopic {
public:
    explicit CTopicAnalysis(CAnalysis& analysis);
};

class CCaseView::CTopicPrescription : public CCaseView::CTopic {
public:
    explicit CTopicPrescription(CPrescription& prescription);
};
