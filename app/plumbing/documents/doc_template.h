// A document template: the identity of one kind of document and the recipe
// for a new document and its view.  The program makes one per document kind
// and gives them to the document manager, which keeps them in numbered slots.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <functional>

class CChildFrame;
class CDocument;
class QWidget;

class CDocTemplate {
public:
    // A new document, handed over to the manager; null when none can be made.
    using DocumentFactory = std::function<CDocument*()>;
    // The view of `document` inside `frame` (use `frame` as parent); null on failure.
    using ViewFactory = std::function<QWidget*(CDocument& document, CChildFrame& frame)>;

    // `className` is the identity commands look the template up by (for
    // instance "CRepertoryMultiDocTemplate").
    CDocTemplate(QString className, DocumentFactory makeDocument, ViewFactory makeView);
    virtual ~CDocTemplate();

    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    const QString& ClassName() const { return m_className; }

    // The name new documents are titled after.
    const QString& DocumentName() const { return m_documentName; }
    void SetDocumentName(const QString& name) { m_documentName = name; }

    // The icon in the title bar of this kind's windows (none: the program's).
    const QIcon& FrameIcon() const { return m_frameIcon; }
    void SetFrameIcon(const QIcon& icon) { m_frameIcon = icon; }

    // The title of a document opened without one: the document name followed
    // by a running number from 1 ("Search1", "Search2"), or "Untitled" without
    // a number when the name is empty.  Override for other rules.
    virtual QString NewDocumentTitle();

    // The open documents of this template, oldest first; owned by the manager.
    const QList<CDocument*>& Documents() const { return m_documents; }

    CDocument* CreateDocument() const { return m_makeDocument ? m_makeDocument() : nullptr; }
    QWidget* CreateView(CDocument& document, CChildFrame& frame) const {
        return m_makeView ? m_makeView(document, frame) : nullptr;
    }

private:
    friend class CDocManager;

    QString m_className;
    DocumentFactory m_makeDocument;
    ViewFactory m_makeView;
    QString m_documentName;
    QIcon m_frameIcon;
    int m_untitledCount = 0;
    QList<CDocument*> m_documents;
};
