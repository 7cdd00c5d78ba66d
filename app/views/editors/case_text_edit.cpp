#include "views/editors/case_text_edit.h"

#include <QKeyEvent>
#include <QPalette>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "plumbing/rtf/rtf.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/case_access.h"

namespace {

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool IsEditKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete ||
           key == Qt::Key_Backspace;
}

}  // namespace

CCaseTextEdit::CCaseTextEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_loading) m_pending = true;
    });
}

CCaseTextEdit::~CCaseTextEdit() {
    // The QTextEdit and its document still exist here; the target decides
    // whether its record is still there to take the text.
    if (m_pending) WriteBack();
    disconnect(document(), nullptr, this, nullptr);
}

void CCaseTextEdit::LoadRtf(std::string_view rtf) {
    m_loading = true;
    rtf::Load(*document(), rtf);
    m_loading = false;
    m_pending = false;
}

void CCaseTextEdit::WriteBack() {
    if (!m_writeBack || !m_target) return;
    m_target(*document());
    m_pending = false;
}

void CCaseTextEdit::keyPressEvent(QKeyEvent* event) {
    QTextEdit::keyPressEvent(event);
    const int key = event->key();
    if (IsArrowKey(key)) return;
    views::MarkCaseModified();
    if (m_writeBackOnEditKeys && IsEditKey(key)) {
        WriteBack();
        BroadcastEvent(EV_CASE_MODIFIED);
    }
}

void CCaseTextEdit::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    WriteBack();
}

void CCaseTextEdit::ApplyEditorLook() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, QColor(20, 20, 20));
    setPalette(colours);
    setFont(CInterfaceFonts::Shared().Normal());
    document()->setDocumentMargin(5);
}
