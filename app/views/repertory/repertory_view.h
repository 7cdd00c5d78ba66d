// CRepertoryView: the rubric view of the repertory browser.  It binds to one
// repertory by name, keeps the display tree (repertory_topic_info.h) and the
// selection (a rubric, or one remedy of it), and shows the page of
// CRepertoryRenderer in a scrolling drawn view.
//
// Keys (before the drawn view's own):
//   Tab                  FocusSearch (the pad moves the focus to the search edit)
//   Enter, Space         toggle the selected rubric
//   Ctrl+Enter           add the selected rubric to the last target (the
//                        symptom that received the last rubric from any
//                        browser); without one, the "Add to" menu opens at
//                        the selection; the status bar says what happened
//   Alt, Menu            the "Add to" menu at the selected rubric
//   Up, Down             previous / next item (headings and the remedies
//                        of expanded rubrics, in reading order)
//   Left                 a remedy: the previous item; a heading: its parent
//   Right                the next item (into an expanded rubric, or on)
//   Page Up, Page Down   five items back / forward
//   Home, End            the root / the last rubric shown
//   F3, F4               SearchKey (the pad hands them to the search edit)
// Mouse: a click selects the item under it (a click on a glyph also
// toggles), a double click selects the rubric and toggles it, the right
// button opens the "Add to" menu for the rubric under it.
//
// Everything runs on the user-interface thread.
#pragma once

#include <corvela.h>

#include <cstdint>
#include <memory>
#include <string>

#include "plumbing/drawn/drawn_view.h"
#include "views/add_to/add_to_menu.h"

class CRepertoryRenderer;

class CRepertoryView : public CDrawnView {
    Q_OBJECT
public:
    class CTopicInfo;

    // How many items Page Up and Page Down move.
    static constexpr int kPageSteps = 5;

    explicit CRepertoryView(QWidget* parent = nullptr);
    ~CRepertoryView() override;

    // Binds to the data source named `name` (GetName, code page 1251): it
    // must be a repertory, otherwise the view stays unbound and empty.  Builds
    // the root with its chapters and selects the root.  False when unbound.
    bool Bind(const std::string& name);
    Repertory* BoundRepertory() const { return m_repertory; }
    CTopicInfo* Root() const { return m_root.get(); }
    CRepertoryRenderer& Renderer() { return *m_renderer; }

    // Selects the rubric with item identifier `id`: marks it
    // and its ancestors expanded, lays out again, scrolls it into view and
    // repaints.  False (nothing changes) when the rubric is not in the bound
    // repertory.
    bool SelectRubric(std::uint32_t id);

    // The selection: a node and, when a remedy is selected, its entry (-1:
    // the heading).  Select scrolls it into view.
    CTopicInfo* SelectedNode() const { return m_selected; }
    int SelectedRemedy() const { return m_selectedRemedy; }
    void Select(CTopicInfo* node, int remedy = -1);

    // Expands or collapses the selected rubric and lays out again.
    void ToggleSelected();
    // Moves the selection `steps` items on (negative: back), within the page.
    void MoveSelection(int steps);
    // Expands every rubric (a test and benchmark hook).
    void ExpandAll();

    // The "Add to" menu for the selected rubric at `globalPos`.
    void OfferAddToMenu(const QPoint& globalPos);
    // Ctrl+Enter (above).
    void AddToLastTarget();
    // How menus are shown (tests answer for the user); default QMenu::exec.
    void SetMenuRunner(add_to::MenuRunner runner) { m_menuRunner = std::move(runner); }

Q_SIGNALS:
    void FocusSearch();
    void SearchKey(int key);  // Qt::Key_F3 or Qt::Key_F4

protected:
    bool HandleKey(QKeyEvent& event) override;
    // Tab is a key of the view, not a step of the focus chain.
    bool focusNextPrevChild(bool next) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnClicked(DrawnItemId item, Qt::MouseButton button);
    void OnDoubleClicked(DrawnItemId item);
    void OnContextMenu(DrawnItemId item, const QPoint& globalPos);
    void Relayout();
    void ShowSelection();
    QPoint SelectionMenuPoint();

    Repertory* m_repertory = nullptr;
    std::unique_ptr<CTopicInfo> m_root;
    std::unique_ptr<CRepertoryRenderer> m_renderer;
    CTopicInfo* m_selected = nullptr;
    int m_selectedRemedy = -1;
    add_to::MenuRunner m_menuRunner;
    QPoint m_releasePoint;    // content coordinates of the last release
    bool m_altAlone = false;  // Alt pressed, no other key since
};
