// CSearchResultView: one result page of the search window ("Find in 1" to
// "Find in 5"): a drawn view of CSearchResultRenderer over the page's own
// CSearchResults.
//
//   click on an expander           opens or closes the hit, lays out again
//   click on the statistics' caption  opens or closes the strip
//   click on a statistics remedy   NarrowToRemedy (the window adds it to the query)
//   click on a path step           the repertory browser at that rubric
//                                  (OpenRepertoryDocument), when its source
//                                  is a repertory
//   click on an article heading    the materia medica at that article
//                                  (OpenRemedy), the query's words marked
//   click on a remedy              the configured materia medica at it
//   right click on a rubric hit    the "Add to" menu for the step clicked,
//   or one of its steps            else for the hit; on a snippet line, for
//                                  that passage
//
// A broadcast EV_UPDATE_MATERIA_MEDICA makes article pages look their
// articles up again and cut their snippets afresh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/events/event_receiver.h"
#include "plumbing/drawn/drawn_view.h"
#include "views/add_to/add_to_menu.h"
#include "views/search/search_result_renderer.h"
#include "views/search/search_results.h"

class CSearchResultView : public CDrawnView {
    Q_OBJECT
public:
    explicit CSearchResultView(QWidget* parent = nullptr);
    ~CSearchResultView() override;

    // Runs `query` (code page 1251) on the source `source`, with the words
    // of the query's own check, under the wait cursor; lays the page out
    // again from its top and emits Searched.
    void Run(const std::string& query, const Guid& source, std::vector<std::string> words);

    CSearchResults& Results() { return m_results; }
    CSearchResultRenderer& Renderer() { return m_renderer; }

    // Carries out a click on `item`, as the mouse does.
    void Activate(DrawnItemId item);
    // The "Add to" item of `item` (a rubric or a passage); false when it has
    // none.
    bool AddToItemOf(DrawnItemId item, CAddToItem* what) const;
    // Shows the "Add to" menu for `item` at `globalPosition`; `run` replaces
    // QMenu::exec (tests).  kNothing when the item has no menu.
    add_to::CAddToOutcome OfferAddTo(DrawnItemId item, const QPoint& globalPosition,
                                     const add_to::MenuRunner& run = {});
    // What shows the menu (null: QMenu::exec).
    void SetMenuRunner(add_to::MenuRunner run) { m_menuRunner = std::move(run); }

    // The words an opened article marks: "#word#word", empty without words.
    std::string HighlightWords() const;

Q_SIGNALS:
    // The page searched (its caption and the hit count follow).
    void Searched();
    // A remedy of the statistics was clicked (catalogue number).
    void NarrowToRemedy(int remedy);

private:
    void OnClicked(DrawnItemId item, Qt::MouseButton button);
    void OnEvent(unsigned code);

    CSearchResults m_results;
    CSearchResultRenderer m_renderer;
    add_to::MenuRunner m_menuRunner;
    CEventReceiver m_receiver;
};
