#include "views/editors/patient_text_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextCursor>

#include "views/case_access.h"
#include "views/editors/symptom_menu.h"

CPatientTextView::CPatientTextView(QWidget* parent)
    : CCaseTextEdit(parent),
      m_runMenu([](QMenu& menu, const QPoint& at) { return menu.exec(at); }),
      m_beep([] { QApplication::beep(); }) {
    ApplyEditorLook();
}

CPatientTextView::~CPatientTextView() = default;

void CPatientTextView::OfferSelectionAsSymptom(const QPoint& globalPos) {
    const QString selected = textCursor().selectedText();
    if (selected.size() < editors::kShortestSymptomText) {
        if (m_beep) m_beep();
        return;
    }
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr || !m_runMenu) return;
    const std::string text = editors::SelectionToRecordText(selected);
    QMenu menu(this);
    editors::FillSymptomMenu(menu, *theCase);
    QAction* chosen = m_runMenu(menu, globalPos);
    // The menu may have run the event loop: look the case up again.
    if (CCase* still = views::CurrentCase(); still == theCase)
        editors::ApplySymptomMenuChoice(chosen, *theCase, text);
}

void CPatientTextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        OfferSelectionAsSymptom(event->globalPosition().toPoint());
        return;
    }
    CCaseTextEdit::mouseReleaseEvent(event);
}

void CPatientTextView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // A mouse request is answered by the right button's release.
    if (event->reason() != QContextMenuEvent::Keyboard) return;
    QTextCursor end = textCursor();
    end.setPosition(end.selectionEnd());
    OfferSelectionAsSymptom(viewport()->mapToGlobal(cursorRect(end).bottomLeft()));
}
