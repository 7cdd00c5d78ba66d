// The item commands of the application object: adding items to the case and
// opening the window of a case view node.
#include <QMdiArea>
#include <algorithm>

#include "analysis/analysis_operations.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "shell/case_view.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/shell_icons.h"
#include "views/analysis/analysis_window.h"
#include "views/document_slots.h"
#include "views/window_texts.h"

namespace {

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
    // The patient-card document takes the current case's card.
    CPatientInfo* card = &m_case->GetPatientInfo();
    const void* key = kind == CCaseView::TopicKind::Patient ? static_cast<const void*>(card) : item;
    if (key == nullptr ||
        m_documents->ActivateByItem({kPatientInfoSlot, kEpisodeSlot, kPrescriptionSlot,
                                     kAnalysisSlot},
                                    key) != nullptr)
        return;
    CDocument* document = nullptr;
    switch (kind) {
        case CCaseView::TopicKind::Patient:
            document = m_documents->OpenNew(kPatientInfoSlot, views::Localized("Patient Info"), card);
            break;
        case CCaseView::TopicKind::Episode:
            document = m_documents->OpenNew(kEpisodeSlot, views::ItemTitle(*item),
                                            dynamic_cast<CEpisode*>(item));
            break;
        case CCaseView::TopicKind::Prescription:
            document = m_documents->OpenNew(kPrescriptionSlot, views::ItemTitle(*item),
                                            dynamic_cast<CPrescription*>(item));
            break;
        case CCaseView::TopicKind::Analysis:
            if (auto* analysis = dynamic_cast<CAnalysis*>(item)) document = OpenAnalysisWindow(*analysis);
            break;
    }
    if (document == nullptr) return;
    for (CChildFrame* frame : document->Frames()) frame->setWindowIcon(ShellIcon(IconOf(kind)));
}
