// The document manager: keeps the document templates in numbered slots, opens
// documents with their views in child frames of the MDI area, finds open
// documents by the item they edit or by title, activates and closes them.
//
// Ownership: the manager owns the templates and every open document.  A
// document lives while at least one frame shows it; when its last frame is
// closed or destroyed the document is deleted.  Everything runs on the
// user-interface thread.
#pragma once

#include <QHash>
#include <QList>
#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "plumbing/documents/doc_template.h"
#include "plumbing/documents/document.h"

class CChildFrame;

class CDocManager : public QObject {
    Q_OBJECT
public:
    // `area` receives the frames; the manager works on as long as it lives.
    explicit CDocManager(QMdiArea* area, QObject* parent = nullptr);
    ~CDocManager() override;  // closes every document

    // Puts `docTemplate` into `slot` (0 or more); a template already there is
    // removed together with its documents.  Returns the template, now owned here.
    CDocTemplate* AddTemplate(int slot, std::unique_ptr<CDocTemplate> docTemplate);
    // The template of `slot`; null when the slot is empty.
    CDocTemplate* Template(int slot) const;
    // The first template with that class name; null when none.
    CDocTemplate* FindTemplate(const QString& className) const;
    // The slot of `docTemplate`; -1 when it is not one of ours.
    int SlotOf(const CDocTemplate* docTemplate) const;
    // Every template in the order they were added.
    QList<CDocTemplate*> Templates() const;

    // Opens a new document of the template in `slot` in a new, active frame.
    // `title` empty: the template's NewDocumentTitle.  A non-empty `item` is
    // recorded as the document's item before the view is made, so the view
    // factory finds it there (CDocument::ItemAs).  Null when the slot is empty
    // or the template cannot make the document or view.
    CDocument* OpenNew(int slot, const QString& title = {}, CDocItem item = {});

    // Activates the document of `slot` whose item is `item` (by address), or
    // opens a new one for it (OpenNew with `title`).  Null only when opening fails.
    CDocument* OpenOrActivate(int slot, CDocItem item, const QString& title = {});

    // The first open document of the templates in `slots` whose item is `item`; null when none.
    CDocument* FindByItem(const QList<int>& slots, const void* item) const;
    // FindByItem, then activates every frame of the document found.
    CDocument* ActivateByItem(const QList<int>& slots, const void* item);
    // The first open document titled `title` (case-sensitive), in `slots` or,
    // when `slots` is empty, in every template; null when none.
    CDocument* FindByTitle(const QString& title, const QList<int>& slots = {}) const;

    // Shows and activates every frame of `document` (the last one ends up active).
    void Activate(CDocument* document);
    // Another frame with a new view of an open document; null on failure.
    CChildFrame* OpenAnotherFrame(CDocument* document);

    // Closes `document` without asking: its views lose the keyboard focus
    // first (so editors can write back), then frames and document are deleted.
    // Do not call it from inside one of the document's own views.
    void Close(CDocument* document);
    // Close for every open document of the templates in `slots` (an empty list closes nothing).
    void CloseAll(const QList<int>& slots);
    // Asks every open document, in template order, whether it may close
    // (CDocument::CanClose); false at the first that answers false.
    bool CanCloseAll() const;

    // The open documents of `slot` (empty when the slot is empty), and of all slots.
    QList<CDocument*> Documents(int slot) const;
    QList<CDocument*> AllDocuments() const;
    // The document of the active frame; null when no frame is active.
    CDocument* ActiveDocument() const;

    QMdiArea* Area() const { return m_area; }

Q_SIGNALS:
    void DocumentOpened(CDocument* document);
    // Sent while the document still exists, just before it is deleted.
    void DocumentClosing(CDocument* document);

private:
    CChildFrame* MakeFrame(CDocument* document);
    void OnFrameDestroyed(CDocument* document, CChildFrame* frame);
    void Forget(CDocument* document);
    QList<CDocTemplate*> TemplatesOf(const QList<int>& slots) const;

    QPointer<QMdiArea> m_area;
    QHash<int, CDocTemplate*> m_slots;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;  // in the order added
};
