#include "plumbing/documents/child_frame.h"

#include <QCloseEvent>

#include "plumbing/documents/document.h"

CChildFrame::CChildFrame(CDocument* document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::closeEvent(QCloseEvent* event) {
    const bool last = m_document != nullptr && m_document->Frames().size() == 1 &&
                      m_document->Frames().front() == this;
    if (last && !m_document->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
