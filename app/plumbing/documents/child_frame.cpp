#include "plumbing/documents/child_frame.h"

CChildFrame::CChildFrame(CDocument* document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CChildFrame::~CChildFrame() = default;
