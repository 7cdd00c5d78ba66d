// CPatientTextView: a pane of the patient card, episode and practitioner
// windows.  A CCaseTextEdit with the editors' look (white background, 5 pixel
// inset, shared font, text colour 20, 20, 20), editable unless made read-only,
// that offers the selection as a symptom of an analysis: on a right button
// release (menu at the mouse) and on the context-menu key (menu at the
// selection).  A selection of 3 characters or fewer only beeps.
#pragma once

#include <QPoint>
#include <functional>

#include "views/editors/case_text_edit.h"

class QAction;
class QMenu;

class CPatientTextView : public CCaseTextEdit {
    Q_OBJECT
public:
    // Shows `menu` at the global point and returns the chosen entry (null when
    // cancelled).  QMenu::exec unless replaced.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    explicit CPatientTextView(QWidget* parent = nullptr);
    ~CPatientTextView() override;

    // The symptom menu for the current selection at `globalPos`: beeps for a
    // short selection; with no open case does nothing.
    void OfferSelectionAsSymptom(const QPoint& globalPos);

    // Replace how the menu is shown and how the beep sounds (tests).
    void SetMenuRunner(MenuRunner runner) { m_runMenu = std::move(runner); }
    void SetBeeper(std::function<void()> beep) { m_beep = std::move(beep); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    MenuRunner m_runMenu;
    std::function<void()> m_beep;
};
