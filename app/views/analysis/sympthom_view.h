// CSympthomView: the symptom list of an analysis window, the "Symptoms " page.
// Every symptom in chain order with its weight marker, its name "%s (%d
// rubrics)" and (but for the first) a delete mark; under it its rubrics, in
// green when counted and grey when excluded, each with marks to expand,
// exclude and remove it, and when expanded its remedies typeset by grade; its
// materia medica passages; "No added rubrics" for a symptom without topics.
//
// The list is rebuilt from the analysis at every layout (the renderer,
// symptom_list_renderer.h); every click writes straight into the analysis
// (analysis_edits.h) and is announced with EV_UPDATE_ANALYSIS.  Clicking a
// symptom's name opens the in-place editor (CSympthomEditView).
//
// Keys: Up/Down/Home/End move the selection over symptoms, rubrics and
// passages; Enter clicks the selected line's text (a rubric opens in its
// repertory, a symptom's name opens the editor); F2 renames the selected
// line's symptom; Delete removes the selected rubric or passage.
#pragma once

#include <cstdint>
#include <memory>

#include "plumbing/drawn/drawn_view.h"

class CAnalysis;
class CEventReceiver;
class CSympthom;
class CSympthomEditView;
class CSymptomListRenderer;

class CSympthomView : public CDrawnView {
    Q_OBJECT
public:
    // The drawn items (symptom_items.h).
    class CView_Item;
    class CView_Sympthom;
    class CView_Topic;
    class CView_Article;
    struct CView_Remedy;

    explicit CSympthomView(QWidget* parent = nullptr);
    ~CSympthomView() override;

    // The analysis shown (borrowed; null: none).
    void SetAnalysis(CAnalysis* analysis);
    CAnalysis* Analysis() const { return m_analysis; }

    CSymptomListRenderer& ListRenderer() { return *m_renderer; }
    CSympthomEditView& Editor() { return *m_editor; }

    // The analysis changed: lay out anew and keep the selected line.
    void Refresh();

    // The selected line: a symptom (topic -1) or one of its topics.
    struct Selection {
        CSympthom* symptom = nullptr;
        std::uint64_t serial = 0;  // the symptom's, so a new one at the same address differs
        int topic = -1;
    };
    const Selection& Selected() const { return m_selection; }
    // Selects a line; a symptom that is no longer in the analysis selects nothing.
    void Select(CSympthom* symptom, int topic);

    // The keyboard's commands (also reached through the window).
    // F2: opens the name editor on the selected line's symptom; false when none.
    bool RenameSelected();
    // Delete: removes the selected rubric or passage; false when none is selected.
    bool DeleteSelected();
    // Opens the name editor for `symptom` (scrolled into view first).
    void EditName(CSympthom& symptom);

protected:
    bool HandleKey(QKeyEvent& event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnClicked(DrawnItemId item, Qt::MouseButton button);
    void MoveSelection(int step, bool toEnd);
    void ApplySelection();
    bool SelectionAlive() const;
    void PlaceEditor();

    CAnalysis* m_analysis = nullptr;
    std::unique_ptr<CSymptomListRenderer> m_renderer;
    CSympthomEditView* m_editor;
    std::unique_ptr<CEventReceiver> m_receiver;
    Selection m_selection;
    bool m_selectionDue = false;  // laid out while hidden: apply on showing
};
