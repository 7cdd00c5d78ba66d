#include "plumbing/documents/doc_manager.h"

#include <QApplication>
#include <QMdiArea>
#include <algorithm>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"

CDocManager::CDocManager(QMdiArea* area, QObject* parent) : QObject(parent), m_area(area) {}

CDocManager::~CDocManager() {
    for (CDocument* document : AllDocuments()) Close(document);
}

CDocTemplate* CDocManager::AddTemplate(int slot, std::unique_ptr<CDocTemplate> docTemplate) {
    if (!docTemplate || slot < 0) return nullptr;
    if (CDocTemplate* old = m_slots.value(slot)) {
        CloseAll({slot});
        m_templates.erase(std::find_if(m_templates.begin(), m_templates.end(),
                                       [old](const auto& t) { return t.get() == old; }));
    }
    CDocTemplate* added = docTemplate.get();
    m_templates.push_back(std::move(docTemplate));
    m_slots.insert(slot, added);
    return added;
}

CDocTemplate* CDocManager::Template(int slot) const {
    return m_slots.value(slot);
}

CDocTemplate* CDocManager::FindTemplate(const QString& className) const {
    for (const auto& t : m_templates) {
        if (t->ClassName() == className) return t.get();
    }
    return nullptr;
}

int CDocManager::SlotOf(const CDocTemplate* docTemplate) const {
    for (auto it = m_slots.cbegin(); it != m_slots.cend(); ++it) {
        if (it.value() == docTemplate) return it.key();
    }
    return -1;
}

QList<CDocTemplate*> CDocManager::Templates() const {
    QList<CDocTemplate*> all;
    for (const auto& t : m_templates) all.append(t.get());
    return all;
}

QList<CDocTemplate*> CDocManager::TemplatesOf(const QList<int>& slots) const {
    if (slots.isEmpty()) return Templates();
    QList<CDocTemplate*> found;
    for (int slot : slots) {
        if (CDocTemplate* t = m_slots.value(slot); t && !found.contains(t)) found.append(t);
    }
    return found;
}

namespace {

// A new window gets a comfortable size, cascaded from the top left and kept
// inside the area.
void PlaceNewFrame(QMdiArea& area, QMdiSubWindow& frame) {
    const QSize room = area.viewport()->size();
    const int step = 24 * static_cast<int>((area.subWindowList().size() - 1) % 6);
    const QSize size(std::max(200, std::min(room.width() - 8, 680)),
                     std::max(150, std::min(room.height() - 8, 440)));
    frame.resize(size);
    frame.move(std::max(0, std::min(step, room.width() - size.width())),
               std::max(0, std::min(step, room.height() - size.height())));
}

}  // namespace

CChildFrame* CDocManager::MakeFrame(CDocument* document) {
    if (!m_area) return nullptr;
    auto* frame = new CChildFrame(document);
    QWidget* view = document->Template()->CreateView(*document, *frame);
    if (!view) {
        delete frame;
        return nullptr;
    }
    frame->setWidget(view);
    frame->setWindowTitle(document->Title());
    if (!document->Template()->FrameIcon().isNull()) frame->setWindowIcon(document->Template()->FrameIcon());
    connect(document, &CDocument::TitleChanged, frame, &QWidget::setWindowTitle);
    connect(frame, &QObject::destroyed, this,
            [this, document, frame] { OnFrameDestroyed(document, frame); });
    document->m_frames.append(frame);
    m_area->addSubWindow(frame);
    frame->show();
    PlaceNewFrame(*m_area, *frame);
    m_area->setActiveSubWindow(frame);
    return frame;
}

CDocument* CDocManager::OpenNew(int slot, const QString& title, CDocItem item) {
    CDocTemplate* docTemplate = m_slots.value(slot);
    if (!docTemplate || !m_area) return nullptr;
    CDocument* document = docTemplate->CreateDocument();
    if (!document) return nullptr;
    document->m_template = docTemplate;
    document->SetItem(item);
    document->SetTitle(title.isEmpty() ? docTemplate->NewDocumentTitle() : title);
    docTemplate->m_documents.append(document);

    CChildFrame* frame = MakeFrame(document);
    if (!frame) {
        docTemplate->m_documents.removeOne(document);
        delete document;
        return nullptr;
    }
    document->OnOpened();
    Q_EMIT DocumentOpened(document);
    return document;
}

CDocument* CDocManager::OpenOrActivate(int slot, CDocItem item, const QString& title) {
    if (CDocument* open = ActivateByItem({slot}, item.Address())) return open;
    return OpenNew(slot, title, item);
}

CDocument* CDocManager::FindByItem(const QList<int>& slots, const void* item) const {
    if (!item) return nullptr;
    for (CDocTemplate* t : TemplatesOf(slots)) {
        for (CDocument* document : t->Documents()) {
            if (document->Item() == item) return document;
        }
    }
    return nullptr;
}

CDocument* CDocManager::ActivateByItem(const QList<int>& slots, const void* item) {
    CDocument* document = FindByItem(slots, item);
    if (document) Activate(document);
    return document;
}

CDocument* CDocManager::FindByTitle(const QString& title, const QList<int>& slots) const {
    for (CDocTemplate* t : TemplatesOf(slots)) {
        for (CDocument* document : t->Documents()) {
            if (document->Title() == title) return document;
        }
    }
    return nullptr;
}

void CDocManager::Activate(CDocument* document) {
    if (!document || !m_area) return;
    for (CChildFrame* frame : document->Frames()) {
        if (frame->isMinimized()) frame->showNormal();
        if (!frame->isVisible()) frame->show();
        m_area->setActiveSubWindow(frame);
    }
}

CChildFrame* CDocManager::OpenAnotherFrame(CDocument* document) {
    if (!document || !document->Template() || !AllDocuments().contains(document)) return nullptr;
    return MakeFrame(document);
}

void CDocManager::Close(CDocument* document) {
    if (!document || !document->Template() ||
        !document->Template()->m_documents.contains(document)) {
        return;
    }
    // Focus leaves the views first, so an editor writes its text back while
    // the record it edits still exists.
    QWidget* focus = QApplication::focusWidget();
    for (CChildFrame* frame : document->Frames()) {
        if (focus && frame->isAncestorOf(focus)) focus->clearFocus();
    }
    const QList<CChildFrame*> frames = document->Frames();
    document->m_frames.clear();
    for (CChildFrame* frame : frames) {
        disconnect(frame, &QObject::destroyed, this, nullptr);
        delete frame;
    }
    Forget(document);
}

void CDocManager::CloseAll(const QList<int>& slots) {
    if (slots.isEmpty()) return;
    for (CDocTemplate* t : TemplatesOf(slots)) {
        const QList<CDocument*> documents = t->Documents();
        for (CDocument* document : documents) Close(document);
    }
}

bool CDocManager::CanCloseAll() const {
    for (CDocument* document : AllDocuments()) {
        if (!document->CanClose()) return false;
    }
    return true;
}

void CDocManager::OnFrameDestroyed(CDocument* document, CChildFrame* frame) {
    document->m_frames.removeOne(frame);
    if (document->m_frames.isEmpty()) Forget(document);
}

void CDocManager::Forget(CDocument* document) {
    Q_EMIT DocumentClosing(document);
    document->Template()->m_documents.removeOne(document);
    delete document;
}

QList<CDocument*> CDocManager::Documents(int slot) const {
    const CDocTemplate* t = m_slots.value(slot);
    return t ? t->Documents() : QList<CDocument*>{};
}

QList<CDocument*> CDocManager::AllDocuments() const {
    QList<CDocument*> all;
    for (const auto& t : m_templates) all += t->Documents();
    return all;
}

CDocument* CDocManager::ActiveDocument() const {
    if (!m_area) return nullptr;
    const auto* frame = qobject_cast<CChildFrame*>(m_area->activeSubWindow());
    return frame ? frame->Document() : nullptr;
}
