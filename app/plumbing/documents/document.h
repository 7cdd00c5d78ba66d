// The base of every document shown in the MDI area: a title, a modified flag,
// a change notification for its views and the record it edits.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "plumbing/documents/doc_item.h"

class CChildFrame;
class CDocTemplate;

class CDocument : public QObject {
    Q_OBJECT
public:
    CDocument();
    ~CDocument() override;

    const QString& Title() const { return m_title; }
    // Emits TitleChanged when the title really changes.
    void SetTitle(const QString& title);

    bool IsModified() const { return m_modified; }
    // Emits ModifiedChanged when the flag really changes.
    void SetModified(bool modified);

    // The record the document edits (a case item, an analysis, ...), owned by
    // whoever owns the record, with the type it was recorded as; empty when
    // the document edits none.  The document never dereferences it.
    const CDocItem& DocItem() const { return m_item; }
    // The record as `T`; null when there is none or it was recorded as
    // another type.
    template <class T>
    T* ItemAs() const {
        return m_item.As<T>();
    }
    // The record's address (null when none), to compare with.
    void* Item() const { return m_item.Address(); }
    void SetItem(CDocItem item) { m_item = item; }

    // The template that made the document; null before the manager adopts it.
    CDocTemplate* Template() const { return m_template; }

    // The frames showing the document, oldest first.
    const QList<CChildFrame*>& Frames() const { return m_frames; }

    // Tells every view that the content changed (emits Changed).
    void NotifyChanged();

    // Called once the document has its template, title and first frame.
    virtual void OnOpened() {}

    // Asked before the user closes the document's last frame and before the
    // program ends (CDocManager::CanCloseAll): a document holding work that
    // is not saved asks what to do and answers false to stay open.  Closing
    // through CDocManager::Close never asks.  Default: true.
    virtual bool CanClose() { return true; }

Q_SIGNALS:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void Changed();

private:
    friend class CDocManager;

    QString m_title;
    bool m_modified = false;
    CDocItem m_item;
    CDocTemplate* m_template = nullptr;
    QList<CChildFrame*> m_frames;
};
