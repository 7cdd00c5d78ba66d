#include "plumbing/documents/doc_template.h"

CDocTemplate::CDocTemplate(QString className, DocumentFactory makeDocument, ViewFactory makeView)
    : m_className(std::move(className)),
      m_makeDocument(std::move(makeDocument)),
      m_makeView(std::move(makeView)) {}

CDocTemplate::~CDocTemplate() = default;

QString CDocTemplate::NewDocumentTitle() {
    if (m_documentName.isEmpty()) return QStringLiteral("Untitled");
    return m_documentName + QString::number(++m_untitledCount);
}
