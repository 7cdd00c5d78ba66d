// The item commands of the application object: adding items to the case and
// opening the window of a case view node.
#include <QMdiArea>
#include <algorithm>

#include "analysis/analysis_operations.h"
#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/text/code_page.h"
#include "shell/case_view.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/shell_icons.h"

namespace {

// "%s: %s" with the item's name and time.
QString ItemTitle(const COneItem& item) {
    return plumbing::DecodeCodePage(item.GetName()) + QLatin1String(": ") +
           plumbing::DecodeCodePage(item.GetTime());
}

ShellIconKind IconOf(CCaseView::TopicKind kind) {
    switch (kind) {
        case CCaseView::TopicKind::Patient:
            return ShellIconKind::PatientCard;
        case CCaseView::TopicKind::Prescription:
            return ShellIconKind::Prescription;
        case CCaseView::TopicKind::Analysis:
            return ShellIconKind::Analysis;
        case CCaseView::TopicKind::Episode:
            break;
    }
    return ShellIconKind::Episode;
}

}  // namespace

void CMeridaneApp::AddEpisode(const char* name) {
    if (!m_case) return;
    m_case->AddEpisode(name);
    MarkCaseModified();
    if (m_frame) m_frame->CaseView()->Invalidate();
}

void CMeridaneApp::AddPrescription() {
    if (!m_case) return;
    m_case->AddPrescription();
    MarkCaseModified();
    if (m_frame) m_frame->CaseView()->Invalidate();
}

void CMeridaneApp::AddAnalysis() {
    if (!m_case) return;
    NewAnalysis(*m_case);
    MarkCaseModified();
    RefreshCase();
}

void CMeridaneApp::OpenCaseItem(CCaseView::TopicKind kind, COneItem* item) {
    if (!m_case || m_documents == nullptr) return;
    const QList<int> itemSlots{kPatientInfoSlot, kEpisodeSlot, kPrescriptionSlot, kAnalysisSlot};
    int slot = -1;
    void* key = item;
    QString title;
    switch (kind) {
        case CCaseView::TopicKind::Patient:
            // The patient-card document takes the current case's card.
            slot = kPatientInfoSlot;
            key = &m_case->GetPatientInfo();
            title = plumbing::DecodeCodePage(Localize("Patient Info", 1));
            break;
        case CCaseView::TopicKind::Episode:
            slot = kEpisodeSlot;
            break;
        case CCaseView::TopicKind::Prescription:
            slot = kPrescriptionSlot;
            break;
        case CCaseView::TopicKind::Analysis:
            // The program has no analysis window yet.
            return;
    }
    if (item != nullptr) title = ItemTitle(*item);
    if (m_documents->ActivateByItem(itemSlots, key) != nullptr) return;
    CDocument* document = m_documents->OpenNew(slot, title, key);
    if (document == nullptr) return;
    // A comfortable size, cascaded from the top left and kept inside the area.
    const QSize room = m_documents->Area()->viewport()->size();
    const int step = 24 * static_cast<int>((m_documents->Area()->subWindowList().size() - 1) % 6);
    for (CChildFrame* frame : document->Frames()) {
        frame->setWindowIcon(ShellIcon(IconOf(kind)));
        const QSize size(std::max(200, std::min(room.width() - 8, 680)),
                         std::max(150, std::min(room.height() - 8, 440)));
        frame->resize(size);
        frame->move(std::max(0, std::min(step, room.width() - size.width())),
                    std::max(0, std::min(step, room.height() - size.height())));
    }
}
