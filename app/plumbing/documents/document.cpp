#include "plumbing/documents/document.h"

CDocument::CDocument() = default;

CDocument::~CDocument() = default;

void CDocument::SetTitle(const QString& title) {
    if (title == m_title) return;
    m_title = title;
    Q_EMIT TitleChanged(m_title);
}

void CDocument::SetModified(bool modified) {
    if (modified == m_modified) return;
    m_modified = modified;
    Q_EMIT ModifiedChanged(m_modified);
}

void CDocument::NotifyChanged() {
    Q_EMIT Changed();
}
