// CMateriaMedicaIndexView: the alphabetical remedy index of the materia
// medica window (remedy_index_renderer.h in a drawn view).  The remedy on
// display is selected and kept in view; the marks follow the current
// materia medica.
//
// Clicking a remedy shows it (and broadcasts EV_UPDATE_MATERIA_MEDICA);
// clicking a heading expands or collapses its section.  Context menu:
// "Expand/Collapse section", "Open article in MateriaMedica", and "Open list
// of symptoms by repertory of Halden" / "... of Vantier": the repertory
// configured under "RepertoryHalden" / "RepertoryOrre" in the browser, with
// the remedy's rubrics found by a "@remedy" search.
#pragma once

#include <QWidget>
#include <memory>

#include "corvela/guid.h"
#include "plumbing/drawn/drawn_renderer.h"

class CDrawnView;
class CEventReceiver;
class CMateriaMedicaDoc;
class CRemedyIndexRenderer;
class QMenu;

class CMateriaMedicaIndexView : public QWidget {
    Q_OBJECT
public:
    CMateriaMedicaIndexView(CMateriaMedicaDoc& document, QWidget* parent = nullptr);
    ~CMateriaMedicaIndexView() override;

    CDrawnView* View() const { return m_view; }
    CRemedyIndexRenderer& Renderer() const { return *m_renderer; }

    // What clicking an item does.
    void Click(DrawnItemId item);
    // The context menu of `item` (may be kNoDrawnItem), filled; for tests.
    void FillContextMenu(QMenu& menu, DrawnItemId item);
    // Opens the configured repertory (CProgramSettings key) on the
    // "@remedy" search of `remedy`.
    void OpenRepertoryList(const char* settingsKey, int remedy);

private:
    void Follow();
    void ShowMenu(DrawnItemId item, const QPoint& globalPosition);
    void ToggleSection(int section);

    CMateriaMedicaDoc& m_document;
    std::unique_ptr<CRemedyIndexRenderer> m_renderer;
    CDrawnView* m_view;
    std::unique_ptr<CEventReceiver> m_receiver;
    Guid m_markedFor{};
    bool m_marked = false;
};
