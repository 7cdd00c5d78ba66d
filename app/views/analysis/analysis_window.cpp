#include "views/analysis/analysis_window.h"

#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/doc_template.h"
#include "views/analysis/analysis_commands.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/case_access.h"
#include "views/document_slots.h"
#include "views/window_host.h"
#include "views/window_texts.h"

namespace {

// The view of an analysis document: only for a document opened for an
// analysis of the current case.
QWidget* MakeAnalysisView(CDocument& document, CChildFrame& frame) {
    CCase* theCase = views::CurrentCase();
    auto* analysis = document.ItemAs<CAnalysis>();
    if (theCase == nullptr || views::FindItemAs<CAnalysis>(*theCase, analysis) == nullptr)
        return nullptr;
    return new CSympthomPadView(analysis, &frame);
}

}  // namespace

void RegisterAnalysisWindow(CWindowHost& host) {
    host.Documents().AddTemplate(kAnalysisSlot,
                                 std::make_unique<CDocTemplate>(
                                     QStringLiteral("CAnalysisMultiDocTemplate"),
                                     [] { return new CDocument; }, MakeAnalysisView));
    analysis_window::RegisterSymptomCommands(host.Commands());
}

CDocument* OpenAnalysisWindow(CAnalysis& analysis) {
    CWindowHost* host = CWindowHost::Current();
    CCase* theCase = views::CurrentCase();
    if (host == nullptr || theCase == nullptr ||
        views::FindItemAs<CAnalysis>(*theCase, &analysis) == nullptr)
        return nullptr;
    return host->Documents().OpenOrActivate(kAnalysisSlot, &analysis, views::ItemTitle(analysis));
}
