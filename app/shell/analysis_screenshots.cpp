#include "shell/analysis_screenshots.h"

#include <corvela.h>

#include <initializer_list>
#include <string>

#include "analysis/analysis_operations.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/text/code_page.h"
#include "shell/meridane_app.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/document_slots.h"
#include "views/screenshot_session.h"

namespace {

// The window of `analysis`, opened as the case view opens it, maximised;
// null when it does not open.
CSympthomPadView* OpenMaximised(CMeridaneApp& app, CAnalysis& analysis) {
    app.OpenCaseItem(CCaseView::TopicKind::Analysis, &analysis);
    CDocument* document = app.Documents().FindByItem({kAnalysisSlot}, &analysis);
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    CChildFrame* frame = document->Frames().front();
    // A frame opened while another one was maximised takes the maximised
    // state without its geometry: set the state anew.
    CScreenshotSession::Settle();
    frame->showNormal();
    frame->showMaximized();
    CScreenshotSession::Settle();
    return qobject_cast<CSympthomPadView*>(frame->widget());
}

// The rubric reached from the root of `repertory` through children whose
// texts begin with the steps of `path` (case-insensitive); 0 when a step is
// missing.
std::uint32_t FindRubric(Repertory& repertory, std::initializer_list<const char*> path) {
    Topic* topic = repertory.GetRoot();
    for (const char* step : path) {
        Topic* next = nullptr;
        for (int i = 0; topic != nullptr && i < topic->GetChildCount() && next == nullptr; ++i) {
            Topic* child = topic->GetChild(i);
            const char* text = child != nullptr ? child->GetText() : nullptr;
            if (text != nullptr &&
                plumbing::DecodeCodePage(text).startsWith(QLatin1String(step), Qt::CaseInsensitive))
                next = child;
        }
        topic = next;
    }
    return topic != nullptr ? topic->GetId() : 0;
}

struct KentSymptom {
    const char* name;
    int weight;
    std::initializer_list<std::initializer_list<const char*>> rubrics;
};

// A practitioner's analysis of an anxious, chilly, thirstless patient.
const KentSymptom kKentSymptoms[] = {
    {"Anxious and restless at night", 3,
     {{"Mind", "ANXIETY"}, {"Mind", "RESTLESSNESS, nervousness"}, {"Mind", "FEAR"}}},
    {"Consolation aggravates", 4, {{"Mind", "CONSOLATION agg."}, {"Mind", "WEEPING"}}},
    {"Sad, irritable", 2, {{"Mind", "SADNESS"}, {"Mind", "IRRITABILITY"}}},
    {"Thirstless", 2, {{"Stomach", "THIRSTLESS"}}},
    {"Heat, flushes", 1, {{"Generalities", "HEAT, flushes"}, {"Fever", "HEAT in general"}}},
};

}  // namespace

bool TakeAnalysisScreenshots(CScreenshotSession& session) {
    CMeridaneApp& app = *CMeridaneApp::Instance();
    CCase* theCase = app.CurrentCase();
    QWidget* window = CScreenshotSession::MainWindow();
    if (theCase == nullptr || theCase->GetAnalyses().empty() || window == nullptr) return false;
    CSympthomPadView* pad = OpenMaximised(app, *theCase->GetAnalyses().front());
    if (pad == nullptr) return false;
    pad->SetPage(CSympthomPadView::kSymptomsPage);
    if (!session.Save(*window, "analysis_symptoms")) return false;
    pad->SetPage(CSympthomPadView::kTablePage);
    return session.Save(*window, "analysis_table");
}

bool TakeAnalysisKentScreenshots(CScreenshotSession& session) {
    CMeridaneApp& app = *CMeridaneApp::Instance();
    CCase* theCase = app.CurrentCase();
    QWidget* window = CScreenshotSession::MainWindow();
    DataSource* kent = CorvelaInstance().FindDataSourceByName("REP_KENT");
    if (kent == nullptr || kent->GetType() != kSourceRepertory) return true;
    if (theCase == nullptr || window == nullptr) return false;
    Repertory& repertory = *static_cast<Repertory*>(kent);
    CAnalysis& analysis = *theCase->AddAnalysis();
    analysis.SetName("Kent");
    bool first = true;
    for (const KentSymptom& wanted : kKentSymptoms) {
        CSympthom* symptom = first ? &analysis.GetFirstSymptom()
                                   : AddSymptom(analysis, wanted.name, wanted.weight);
        if (first) {
            symptom->m_name = wanted.name;
            symptom->m_weight = wanted.weight;
            first = false;
        }
        for (const auto& path : wanted.rubrics) {
            if (const std::uint32_t rubric = FindRubric(repertory, path); rubric != 0)
                AddRubric(rubric, *symptom);
        }
    }
    BroadcastEvent(EV_CASE_MODIFIED);
    CSympthomPadView* pad = OpenMaximised(app, analysis);
    if (pad == nullptr) return false;
    pad->SetPage(CSympthomPadView::kTablePage);
    return session.Save(*window, "analysis_kent");
}
