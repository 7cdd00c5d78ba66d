// CScrollLink: scrolls two or three panes in step, such as a chart's grid, the
// remedy column on its left (vertically) and the title row above it
// (horizontally).  Any pane scrolled, by its scroll bar, the wheel, the keys or
// the program, moves the others to the same position along the linked
// directions; a move the link makes itself is not passed on again, so there is
// no feedback.
//
// The panes share one range per linked direction: the largest maximum of
// their own ranges (a pane with less content shows its background beyond it),
// so a grid with a horizontal scroll bar under it and a column without one
// still reach the same last row.  A following pane usually hides its own
// scroll bar (Add with hideScrollBars): it still scrolls, by the link and by the
// wheel over it.
//
//     CScrollLink rows(Qt::Vertical);
//     rows.Add(grid);
//     rows.Add(remedyColumn, CScrollLink::HideScrollBars);
//
// The link does not own the panes and lets go of a pane destroyed before it.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAbstractScrollArea;
class QScrollBar;

class CScrollLink : public QObject {
    Q_OBJECT
public:
    enum BarMode { KeepScrollBars, HideScrollBars };

    explicit CScrollLink(Qt::Orientations directions, QObject* parent = nullptr);
    ~CScrollLink() override;

    // Links `pane` along the link's directions and brings it to the position
    // of the panes already linked.  HideScrollBars turns its scroll bars off
    // along those directions.
    void Add(QAbstractScrollArea* pane, BarMode mode = KeepScrollBars);
    // Unlinks `pane`; its range becomes its own again at its next update.
    void Remove(QAbstractScrollArea* pane);

    Qt::Orientations Directions() const { return m_directions; }
    int Count() const { return static_cast<int>(m_panes.size()); }

private:
    struct Bar {
        QPointer<QScrollBar> bar;
        int ownMaximum = 0;
    };
    struct Pane {
        QPointer<QAbstractScrollArea> pane;
        const QObject* identity = nullptr;  // the pane, compared while it is destroyed
        Bar bars[2];                        // horizontal, vertical
    };

    void Connect(Pane& pane, int direction);
    void Follow(QScrollBar* source, int direction, int value);
    void RangeChanged(QScrollBar* source, int direction, int maximum);
    void Forget(QObject* pane);

    Qt::Orientations m_directions;
    std::vector<Pane> m_panes;
    bool m_moving = false;
};
