#include "shell/analysis_screenshots.h"

#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "shell/meridane_app.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/document_slots.h"

bool TakeAnalysisPictures(CMeridaneApp& app, const SavePicture& save, const char* symptoms,
                          const char* table) {
    CCase* theCase = app.CurrentCase();
    if (theCase == nullptr || theCase->GetAnalyses().empty() || app.MainFrame() == nullptr)
        return false;
    CAnalysis* analysis = theCase->GetAnalyses().front();
    app.OpenCaseItem(CCaseView::TopicKind::Analysis, analysis);
    CDocument* document = app.Documents().FindByItem({kAnalysisSlot}, analysis);
    if (document == nullptr || document->Frames().isEmpty()) return false;
    CChildFrame* frame = document->Frames().front();
    auto* window = qobject_cast<CSympthomPadView*>(frame->widget());
    if (window == nullptr) return false;
    frame->showMaximized();
    window->SetPage(CSympthomPadView::kSymptomsPage);
    if (!save(*app.MainFrame(), symptoms)) return false;
    window->SetPage(CSympthomPadView::kTablePage);
    return save(*app.MainFrame(), table);
}
