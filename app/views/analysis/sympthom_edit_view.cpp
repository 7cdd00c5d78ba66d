#include "views/analysis/sympthom_edit_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/case_access.h"

CSympthomEditView::CSympthomEditView(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("SymptomNameEditor"));
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setFont(CInterfaceFonts::Shared().Normal());
    QPalette colours = palette();
    colours.setColor(QPalette::Text, CSymptomListRenderer::HeaderText());
    setPalette(colours);
    hide();
}

CSympthomEditView::~CSympthomEditView() {
    qApp->removeEventFilter(this);
}

void CSympthomEditView::Begin(CSympthom& symptom, const QRect& nameBox) {
    if (IsEditing()) Accept();
    m_symptom = &symptom;
    m_serial = symptom.GetSerial();
    setText(plumbing::DecodeCodePage(symptom.m_name));
    Follow(nameBox);
    show();
    raise();
    selectAll();
    setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this);
}

void CSympthomEditView::Follow(const QRect& nameBox) {
    setGeometry(nameBox.left() - 1, nameBox.bottom() + 1 - kHeight,
                 std::max(nameBox.width() + 1, 120), kHeight);
}

void CSympthomEditView::Close() {
    m_closing = true;
    qApp->removeEventFilter(this);
    m_symptom = nullptr;
    hide();
    m_closing = false;
}

void CSympthomEditView::Accept() {
    if (!IsEditing() || m_closing) return;
    CSympthom* symptom = m_symptom;
    const std::string name = plumbing::EncodeCp1251(text());
    // The symptom may have gone while the editor was open: it must still be
    // in the case (found by address), and be the same symptom.
    CCase* theCase = views::CurrentCase();
    const bool alive = theCase != nullptr && views::FindAnalysisOf(*theCase, symptom) != nullptr &&
                       symptom->GetSerial() == m_serial;
    Close();
    if (alive && analysis_window::RenameSymptom(*symptom, name)) analysis_window::Announce();
    Q_EMIT Finished(true);
}

void CSympthomEditView::Cancel() {
    if (!IsEditing() || m_closing) return;
    Close();
    Q_EMIT Finished(false);
}

void CSympthomEditView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Accept();
            return;
        case Qt::Key_Escape:
            Cancel();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void CSympthomEditView::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
        case Qt::PopupFocusReason:  // the editor's own context menu
            return;
        case Qt::MouseFocusReason:
            // A press elsewhere moves the focus before the press itself
            // arrives: the press accepts (and goes no further).  Should it
            // not arrive, the loss of focus accepts all the same.
            QTimer::singleShot(0, this, [this] {
                if (IsEditing() && !hasFocus()) Accept();
            });
            return;
        default:
            Accept();
    }
}

bool CSympthomEditView::eventFilter(QObject* watched, QEvent* event) {
    if (IsEditing() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        const QRect mine(mapToGlobal(QPoint(0, 0)), size());
        if (!mine.contains(press->globalPosition().toPoint())) {
            Accept();
            return true;  // the press ends the editing and goes no further
        }
    }
    return QLineEdit::eventFilter(watched, event);
}
