// CSearchView: the search window's view.  Top to bottom: the header strip
// ("Search in:", the source selector, the hit count of the page shown), the
// query box (coloured as typed, views/query/query_box.h) and five result
// pages in tabs, "Find in 1" to "Find in 5"; a page that has searched is
// captioned with its query.
//
// Enter in the query box is the "start search" command: the query is checked
// again and, unless the box is empty, run in the page shown on the selected
// source.  Choosing another source checks and colours the query against it.
//
// Everything runs on the user-interface thread.
#pragma once

#include <QWidget>
#include <array>

#include "views/search/search_sources.h"

class CQueryBox;
class CSearchResultView;
class QComboBox;
class QLabel;
class QTabWidget;

class CSearchView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageCount = 5;

    explicit CSearchView(QWidget* parent = nullptr);
    ~CSearchView() override;

    // The "start search" command (Enter in the query box).
    void StartSearch();

    // The selector's entries, as filled when the view was made.
    const std::vector<CSearchSourceEntry>& Sources() const { return m_sources; }
    // The selected entry; -1 when none.
    int SelectedSource() const;
    void SelectSource(int index);

    CQueryBox& QueryBox() { return *m_query; }
    QComboBox& Selector() { return *m_selector; }
    QTabWidget& Tabs() { return *m_tabs; }
    CSearchResultView& Page(int page) { return *m_pages[static_cast<std::size_t>(page)]; }
    CSearchResultView& ActivePage();
    // The header strip's hit count, as shown.
    QString HitCountText() const;

private:
    void OnSourceChosen(int index);
    void OnPageSearched(int page);
    void OnNarrow(int page, int remedy);
    void UpdateHitCount();

    std::vector<CSearchSourceEntry> m_sources;
    QLabel* m_searchIn = nullptr;
    QComboBox* m_selector = nullptr;
    QLabel* m_count = nullptr;
    CQueryBox* m_query = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<CSearchResultView*, kPageCount> m_pages{};
};
