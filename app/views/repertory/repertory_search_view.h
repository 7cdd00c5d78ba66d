// CRepertorySearchView: the search strip above the rubric view, 50 pixels
// high: the query edit (CRepertoryEditSearchView), the status of the search
// beside it and the hint "[Enter] - start search, [F3] - find next, [Tab] -
// jump to repertory and back, [Esc] - stop search" below.
//
// In the edit:
//   Enter, no search running   fewer than 3 characters beep; otherwise the
//                              engine searches this repertory only and the
//                              first hit is selected
//   Enter, F3                  the next hit; after the last one the first
//                              again, with a beep
//   F4                         the previous hit; at the first one a beep
//   Tab                        FocusRubrics (the pad focuses the rubric view)
//   Esc, any other key         stops the search (the status goes); so
//                              does a text changed without a key
// While a search runs the status reads "%s (%d{ of }%d)": the query, the
// hit shown (from 1) and the number of hits.  A search without hits leaves
// the selection alone.
//
// Everything runs on the user-interface thread.
#pragma once

#include <QWidget>
#include <functional>

#include "views/query/query_box.h"
#include "views/repertory/repertory_search.h"

class CRepertoryView;
class QLabel;

// The strip's edit: the shared query box, checking against one repertory.
class CRepertoryEditSearchView : public CQueryBox {
    Q_OBJECT
public:
    using CQueryBox::CQueryBox;
};

class CRepertorySearchView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 50;

    // Selects the hits in `rubrics` (borrowed; it outlives the strip).
    explicit CRepertorySearchView(CRepertoryView& rubrics, QWidget* parent = nullptr);
    ~CRepertorySearchView() override;

    // The repertory searched and checked against.
    void SetRepertory(const Guid& source);

    CRepertoryEditSearchView& Edit() { return *m_edit; }
    const CRepertorySearch& Search() const { return m_search; }
    // The status shown; empty while no search runs.
    QString Status() const;
    QString Hint() const;

    // The strip's keys, as the edit and the rubric view hand them over.
    void Enter();
    void FindNext();
    void FindPrevious();
    void StopSearch();

    // How the strip beeps (tests count); default QApplication::beep.
    void SetBeeper(std::function<void()> beep) { m_beep = std::move(beep); }

Q_SIGNALS:
    void FocusRubrics();

private:
    void ShowHit(std::int64_t rubric);
    void ShowStatus();
    bool OnEditKey(const QKeyEvent& event);

    CRepertoryView& m_rubrics;
    CRepertoryEditSearchView* m_edit;
    QLabel* m_status;
    QLabel* m_hint;
    CRepertorySearch m_search;
    Guid m_source{};
    std::function<void()> m_beep;
};
