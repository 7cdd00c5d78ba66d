// The analysis window: its pages and their layout, the buttons and keys that
// add symptoms and switch pages, the chart commands, opening it from the
// case, and a saved and reloaded case showing the same window.
#include <QMdiArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "analysis/analysis_operations.h"
#include "analysis_test_support.h"
#include "corvela.h"
#include "model/core/program_settings.h"
#include "model/events/event_codes.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "views/analysis/analysis_window.h"
#include "views/analysis/chart/chart_export.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/analysis/chart/chart_sheet.h"
#include "views/analysis/sympthom_calc_pad_view.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/analysis/sympthom_table_views.h"
#include "views/analysis/sympthom_view.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_window.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/repertory/repertory_view.h"
#include "views/repertory/repertory_window.h"
#include "views/window_host.h"
#include "views/window_texts.h"

using namespace analysis_test;

namespace {

// The program around the windows: an MDI area with the document manager, the
// command registry, the settings; installed while it lives.
class WindowHost final : public CWindowHost {
public:
    WindowHost() : m_documents(&m_area) {
        m_area.resize(900, 700);
        SetCurrent(this);
        RegisterAnalysisWindow(*this);
        RegisterRepertoryWindow(*this);
        RegisterMateriaMedicaWindow(*this);
    }
    virtual ~WindowHost() { SetCurrent(nullptr); }
    CDocManager& Documents() override { return m_documents; }
    CCommandRegistry& Commands() override { return m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString&) override {}
    CDialogService& Dialogs() override { return CDialogService::Current(); }
    QWidget* MainWindow() override { return &m_area; }

    QMdiArea m_area;
    CDocManager m_documents;
    CCommandRegistry m_commands;
    CProgramSettings m_settings;
};

// A case with an analysis of demo rubrics: weights, an excluded rubric, an
// expanded one, sorted by weight.
std::unique_ptr<CCase> DemoCase() {
    auto theCase = std::make_unique<CCase>();
    theCase->GetPatientInfo().m_name = "Jane Roe";
    CAnalysis* analysis = theCase->AddAnalysis();
    CSympthom& first = analysis->GetFirstSymptom();
    first.m_name = "Irritable";
    first.m_weight = 3;
    AddRubric(DemoRubric({"Mind", "Anger", "contradiction, from"}), first);
    AddRubric(DemoRubric({"Mind", "Irritability"}), first);
    CSympthom* second = AddSymptom(*analysis, "Anxious at night", 2);
    AddRubric(DemoRubric({"Mind", "Anxiety", "night"}), *second);
    AddRubric(DemoRubric({"Mind", "Fear", "alone, of being"}), *second);
    AddRubric(DemoRubric({"Mind", "Restlessness", "night"}), *second);
    second->m_topics[1].m_hide = 1;
    second->m_topics[2].m_expander = 1;
    AddSymptom(*analysis, "Chilly", 1);
    analysis->SetSortType(1);
    return theCase;
}

// Clicks the centre of the first box of `kind` in the window's symptom list;
// its remedy index (-1 when it names none or there is no such box).
int ClickFirst(CSympthomPadView& window, CSymptomListRenderer::BoxKind kind) {
    CSympthomView& list = window.SymptomList();
    list.EnsureLayout();
    CSymptomListRenderer& renderer = list.ListRenderer();
    for (DrawnItemId id = 0; renderer.BoxOf(id) != nullptr; ++id) {
        if (renderer.BoxOf(id)->kind != kind) continue;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ToViewport(renderer.ItemBox(id)).center());
        return renderer.BoxOf(id)->remedy;
    }
    return -1;
}

QImage Grab(CSympthomPadView& window, CSympthomPadView::Page page) {
    window.SetPage(page);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return window.grab().toImage();
}

}  // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseDemoHome(); }

    void thePagesShareTheWindow() {
        TestHost host(DemoCase());
        CSympthomPadView window(&host.Analysis());
        window.resize(800, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int band = window.BandWidth();
        QCOMPARE(band, window.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 58);
        QCOMPARE(window.CurrentPage(), CSympthomPadView::kSymptomsPage);
        QCOMPARE(window.Tabs().tabText(0), QStringLiteral("Symptoms "));
        QCOMPARE(window.Tabs().tabText(1), QStringLiteral("Table "));
        QCOMPARE(window.Tabs().geometry().left(), band);
        QCOMPARE(window.Tabs().height(), 24);
        QCOMPARE(window.Table().geometry(), QRect(0, 21, band, 500 - 21));
        QCOMPARE(window.SymptomList().geometry(), QRect(band, 21, 800 - band - 2, 500 - 21 - 5));
        QVERIFY(!window.Table().TitlesView().isVisible());
        // The table's left band shows the ranking beside the list.
        QCOMPARE(window.Table().RemediesView().geometry().width(), std::min(band, 75));

        EventRecorder events;
        window.Tabs().setCurrentIndex(1);
        QCOMPARE(window.CurrentPage(), CSympthomPadView::kTablePage);
        QVERIFY(!window.SymptomList().isVisible());
        QCOMPARE(window.Table().geometry(), QRect(0, 21, 800, 500 - 21));
        QVERIFY(window.Table().TitlesView().isVisible());
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), 1);  // every re-lay announces it
        // Ctrl+Tab goes back.
        QTest::keyClick(&window.Table().CalcView(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window.CurrentPage(), CSympthomPadView::kSymptomsPage);
        QCOMPARE(window.Tabs().currentIndex(), 0);
    }

    void theButtonsAndInsertAddSymptoms() {
        TestHost host(DemoCase());
        CSympthomPadView window(&host.Analysis());
        window.resize(700, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.SetPage(CSympthomPadView::kTablePage);
        const QStringList captions{"IV", "III", "II", "I"};
        for (int weight = 4; weight >= 1; --weight) {
            auto* button = window.findChild<QToolButton*>(QStringLiteral("AddSymptom%1").arg(weight));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), captions[4 - weight]);
            QCOMPARE(button->toolTip(), QStringLiteral("Add symptom.\nSymptom weight modifier ") + captions[4 - weight]);
        }
        EventRecorder events;
        window.findChild<QToolButton*>(QStringLiteral("AddSymptom3"))->click();
        CSympthom* added = host.Analysis().GetFirstSymptom().GetLast();
        QCOMPARE(added->m_name, std::string("Unknown Symptom"));
        QCOMPARE(added->m_weight, 3);
        QCOMPARE(window.CurrentPage(), CSympthomPadView::kSymptomsPage);
        QCOMPARE(window.SymptomList().Selected().symptom, added);
        QCOMPARE(host.m_marks, 1);
        QVERIFY(events.Count(EV_UPDATE_ANALYSIS) >= 1);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 1);
        // Insert adds one of weight 1; the commands do the same.
        window.SymptomList().setFocus();
        QTest::keyClick(&window.SymptomList(), Qt::Key_Insert);
        QCOMPARE(host.Analysis().GetFirstSymptom().GetLast()->m_weight, 1);
        QVERIFY(window.Handles(ID_ADD_SYMPTHOM4));
        window.Run(ID_ADD_SYMPTHOM4);
        QCOMPARE(host.Analysis().GetFirstSymptom().GetLast()->m_weight, 4);
        QCOMPARE(host.Analysis().GetSymptomCount(), 6);
        // A window whose analysis left the case adds nothing.
        host.Replace(std::make_unique<CCase>());
        QVERIFY(!window.IsEnabled(ID_ADD_SYMPTHOM1));
        window.Run(ID_ADD_SYMPTHOM1);
    }

    void theChartCommandsExportTheWholeChart() {
        TestHost host(DemoCase());
        CSympthomPadView window(&host.Analysis());
        QTemporaryDir folder;
        CScriptedDialogService dialogs;
        dialogs.QueueSave(folder.filePath(QStringLiteral("chart.pdf")));
        dialogs.QueueSave(folder.filePath(QStringLiteral("chart.png")));
        window.Run(ID_EXPORT_CHART_PDF);
        window.Run(ID_EXPORT_CHART_PNG);
        QCOMPARE(dialogs.Requests().size(), 2);
        QCOMPARE(dialogs.Requests()[0].file.defaultSuffix, QStringLiteral("pdf"));
        QCOMPARE(dialogs.Requests()[0].file.initialPath.left(10), QStringLiteral("Jane Roe -"));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("chart.pdf"))).size() > 1000);
        const CChartSheet sheet(host.Analysis(), &host.Case());
        QCOMPARE(QImage(folder.filePath(QStringLiteral("chart.png"))).size(), chart::ChartImageSize(sheet));
        // Cancelling writes nothing; a failed write says why.
        QVERIFY(!window.ExportChart(true));
        dialogs.QueueSave(folder.filePath(QStringLiteral("missing/chart.pdf")));
        QVERIFY(!window.ExportChart(true));
        QCOMPARE(dialogs.Requests().last().kind, QStringLiteral("message"));
        QCOMPARE(dialogs.Requests().last().messageKind, CDialogService::MessageKind::Error);
    }

    void theCaseOpensTheWindowOnce() {
        TestHost host(DemoCase());
        WindowHost windows;
        CAnalysis& analysis = host.Analysis();
        CDocument* document = OpenAnalysisWindow(analysis);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(), views::ItemTitle(analysis));
        QVERIFY(document->Title().startsWith(QStringLiteral("Analysis: ")));
        QCOMPARE(OpenAnalysisWindow(analysis), document);
        QCOMPARE(windows.m_documents.Documents(0).size(), 1);
        auto* view = qobject_cast<CSympthomPadView*>(document->Frames().front()->widget());
        QVERIFY(view != nullptr);
        QCOMPARE(view->Analysis(), &analysis);
        // An analysis of no open case opens nothing.
        CAnalysis stray;
        QVERIFY(OpenAnalysisWindow(stray) == nullptr);
    }

    void aRubricOpensItsRepertoryAndARemedyItsArticle() {
        WindowHost windows;
        TestHost host;
        CSympthom& symptom = host.Analysis().GetFirstSymptom();
        const std::uint32_t night = DemoRubric({"Mind", "Anxiety", "night"});
        QCOMPARE(AddRubric(night, symptom), AddRubricResult::kAdded);
        symptom.m_topics[0].m_expander = 1;
        CSympthomPadView window(&host.Analysis());
        window.resize(760, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The rubric's text: its repertory opens with the rubric selected.
        ClickFirst(window, CSymptomListRenderer::BoxKind::TopicText);
        const QList<CDocument*> repertories = windows.m_documents.Documents(kRepertorySlot);
        QCOMPARE(repertories.size(), 1);
        auto* pad = dynamic_cast<CRepertoryPadView*>(repertories.front()->Frames().front()->widget());
        QVERIFY(pad != nullptr);
        QVERIFY(pad->RubricView().SelectedNode() != nullptr);
        QCOMPARE(pad->RubricView().SelectedNode()->Id(), night);
        // A remedy of the expanded rubric: the materia medica opens at it.
        const int index = ClickFirst(window, CSymptomListRenderer::BoxKind::Remedy);
        QVERIFY(index >= 0);
        const QList<CDocument*> articles = windows.m_documents.Documents(kMateriaMedicaSlot);
        QCOMPARE(articles.size(), 1);
        const int remedy = symptom.m_topics[0].m_remedies[static_cast<std::size_t>(index)].m_remedy;
        const char* shortName = CorvelaInstance().GetRemedy(remedy)->GetShortName();
        QVERIFY2(articles.front()->Title().startsWith(QStringLiteral("[%1]").arg(QLatin1String(shortName))),
                 qPrintable(articles.front()->Title()));
    }

    void aReloadedCaseShowsTheSameWindow() {
        std::unique_ptr<CCase> original = DemoCase();
        const std::string saved = original->SaveText();
        TestHost host(std::move(original));
        QImage list, table;
        std::vector<std::pair<std::uint32_t, int>> ranking;
        {
            CSympthomPadView window(&host.Analysis());
            window.resize(760, 480);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            list = Grab(window, CSympthomPadView::kSymptomsPage);
            table = Grab(window, CSympthomPadView::kTablePage);
            for (const CItems& entry : window.Table().Data().Ranked())
                ranking.emplace_back(entry.m_remedy, entry.m_weight);
        }
        QVERIFY(ranking.size() > 5);
        std::string error;
        std::unique_ptr<CCase> reloaded = CCase::LoadText(saved, &error);
        QVERIFY2(reloaded != nullptr, error.c_str());
        host.Replace(std::move(reloaded));
        CSympthomPadView window(&host.Analysis());
        window.resize(760, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(Grab(window, CSympthomPadView::kSymptomsPage), list);
        QCOMPARE(Grab(window, CSympthomPadView::kTablePage), table);
        std::vector<std::pair<std::uint32_t, int>> again;
        for (const CItems& entry : window.Table().Data().Ranked()) again.emplace_back(entry.m_remedy, entry.m_weight);
        QCOMPARE(again, ranking);
        QCOMPARE(host.Analysis().GetSortType(), 1);
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_qtest.moc"
