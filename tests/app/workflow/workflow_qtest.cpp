// A consultation from start to end, played on the real program with the mouse
// and the keyboard: a new case and its patient card; rubrics found in the
// repertory browser's search strip and added with Ctrl+Enter; a hit of the
// search window added through its right-button menu; the analysis window
// (a symptom renamed in place, a weight cycled, a rubric excluded, the table
// ranked by count, the chart exported); the materia medica opened from the
// top remedy and a passage of it added to a symptom; the case saved, then a
// fresh engine and the case opened again with the same analysis, ranking
// and chart.  The
// steps run in order; after a failed one the rest are skipped.  With
// ../shared/data present it runs on Kent's repertory and Boericke's materia
// medica, compiled into the user data folder first; otherwise on the demo
// data.
#include <corvela.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <cstring>
#include <functional>

#include "case_summary.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "shell/case_topics.h"
#include "shell/case_view.h"
#include "shell/case_view_renderer.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "user_input.h"
#include "views/analysis/chart/chart_remedies_renderer.h"
#include "views/analysis/sympthom_calc_pad_view.h"
#include "views/analysis/sympthom_edit_view.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/analysis/sympthom_sort_view.h"
#include "views/analysis/sympthom_table_views.h"
#include "views/analysis/sympthom_view.h"
#include "views/analysis/symptom_items.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/command_ids.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/patient_text_view.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/query/query_box.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/repertory/repertory_view.h"
#include "views/search/search_result_renderer.h"
#include "views/search/search_result_view.h"
#include "views/search/search_view.h"
#include "workflow_environment.h"

namespace {

using workflow::CMenuChooser;

// The rubric's path from its chapter down, "Mind; Anxiety; night".
QString PathOf(const CRepertoryView::CTopicInfo* node) {
    QStringList steps;
    for (; node != nullptr && node->Parent() != nullptr; node = node->Parent())
        steps.prepend(plumbing::DecodeCodePage(node->GetTopic()->GetText()));
    return steps.join(QStringLiteral("; "));
}

}  // namespace

class ConsultationTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CScriptedDialogService> m_dialogs;
    std::unique_ptr<CMeridaneApp> m_app;
    QElapsedTimer m_clock;
    bool m_stepFailed = false;
    QString m_casePath;
    QStringList m_savedAnalysis;
    QStringList m_savedRanking;
    QStringList m_shownRanking;
    QStringList m_chartPages;  // the exported PDF's page boxes
    QSize m_chartImage;        // the exported PNG's size

    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CRibbonBar& Ribbon() { return *Frame().Ribbon(); }
    CCase& Case() { return *m_app->CurrentCase(); }

    // The program as it starts: its window shown, active, 1280 x 860.
    void StartProgram() {
        m_app = std::make_unique<CMeridaneApp>();
        m_app->CreateMainFrame();
        Frame().resize(1280, 860);
        Frame().show();
        QApplication::setActiveWindow(&Frame());
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    }

    void Click(int id) {
        QString why;
        QVERIFY2(workflow::ClickRibbonCommand(Ribbon(), id, &why), qPrintable(why));
    }

    // The view of the active window, as the type asked for; null otherwise.
    template <class View>
    View* ActiveView() {
        CDocument* document = m_app->Documents().ActiveDocument();
        if (document == nullptr) return nullptr;
        for (CChildFrame* frame : document->Frames())
            if (auto* view = qobject_cast<View*>(frame->widget())) return view;
        return nullptr;
    }

    // Clicks the node of `item` in the case view (null: the patient card).
    void ClickCaseNode(const COneItem* item) {
        CCaseView* caseView = Frame().CaseView();
        QVERIFY(caseView != nullptr && caseView->isVisible());
        const CCaseViewRenderer& nodes = caseView->Renderer();
        for (int i = 0; i < nodes.Count(); ++i) {
            if (nodes.At(i).Item() != item) continue;
            QTest::mouseClick(caseView, Qt::LeftButton, {}, nodes.At(i).Box().center());
            return;
        }
        QFAIL("the case view has no such node");
    }

    // The ranking as the table's remedy column reads it to a screen reader:
    // "name count/weight" a row, best first.
    static QStringList ShownRanking(CSympthomPadView& window) {
        CChartRemediesRenderer& column = window.Table().RemediesView().RemediesRenderer();
        QStringList rows;
        for (int row = 0; row < window.Table().Data().RowCount(); ++row) {
            rows << column.ItemText(CChartRemediesRenderer::NameItem(row)) + QLatin1Char(' ') +
                        column.ItemText(CChartRemediesRenderer::FiguresItem(row));
        }
        return rows;
    }

    struct ExportedChart {
        QStringList pages;  // the page boxes of the PDF
        QSize image;        // the size of the PNG
    };

    // Exports the chart of the analysis window as PDF from the ribbon and as
    // PNG from the table's right-button menu, into cases/`name`.pdf and .png
    // as the save dialog names them.
    ExportedChart ExportChart(CSympthomPadView& window, const QString& name) {
        ExportedChart chart;
        const QString pdf = workflow::ScratchPath(QStringLiteral("cases/%1.pdf").arg(name));
        m_dialogs->QueueSave(pdf);
        Click(ID_EXPORT_CHART_PDF);
        chart.pages = workflow::PdfPageBoxes(pdf);

        const QString png = workflow::ScratchPath(QStringLiteral("cases/%1.png").arg(name));
        m_dialogs->QueueSave(png);
        CSympthomRemediesView& column = window.Table().RemediesView();
        const QString chosen =
            ChooseFromMenu({QStringLiteral("^Export as PNG\\.\\.\\.$")},
                           [&column] { workflow::RightClick(column.viewport(), QPoint(10, 10)); });
        if (chosen.isEmpty())
            chart.image = QImageReader(png).size();
        else
            qWarning("%s", qPrintable(chosen));
        return chart;
    }

    // Double-clicks the title bar of the active window: it fills the area.
    void MaximizeActiveWindow() {
        QMdiSubWindow* window = Frame().MdiArea()->activeSubWindow();
        QVERIFY(window != nullptr);
        const int titleHeight =
            window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        const QPoint title(window->width() / 2, titleHeight / 2);
        QTest::mouseMove(window, title);
        QTest::mouseDClick(window, Qt::LeftButton, {}, title);
        QVERIFY(window->isMaximized());
    }

    // Runs `open`, which opens a popup menu, and answers it with `patterns`
    // (CMenuChooser); the main window is active again afterwards.  Empty
    // when done, else what went wrong.
    QString ChooseFromMenu(const QStringList& patterns, const std::function<void()>& open) {
        CMenuChooser chooser(patterns);
        open();
        if (!chooser.Done()) return chooser.Outcome();
        if (!workflow::ReactivateAfterMenu(&Frame()))
            return QStringLiteral("the main window stays inactive");
        return {};
    }

    // The keyboard focus: the widget the next keys go to.
    static QWidget* Focus() { return QApplication::focusWidget(); }

    // Replaces line `line` of the focused text pane by `text` from the keyboard.
    static void RetypeLine(QWidget* pane, int line, const QString& text) {
        QTest::keyClick(pane, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < line; ++i) QTest::keyClick(pane, Qt::Key_Down);
        QTest::keyClick(pane, Qt::Key_Home);
        QTest::keyClick(pane, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(pane, text);
    }

private Q_SLOTS:
    void initTestCase() {
        m_clock.start();
        std::string why;
        QVERIFY2(workflow::CompileSharedData(&why), why.c_str());
        qInfo("data: %s", workflow::UsesSharedData() ? "Kent and Boericke" : "demo");
        m_casePath = workflow::ScratchPath(QStringLiteral("cases/jane_roe.hom"));
        m_dialogs = std::make_unique<CScriptedDialogService>();
        StartProgram();
    }
    void cleanupTestCase() {
        m_app.reset();
        m_dialogs.reset();
        qInfo("the consultation took %lld ms", static_cast<long long>(m_clock.elapsed()));
    }
    void init() {
        if (m_stepFailed) QSKIP("an earlier step failed");
    }
    void cleanup() {
        if (QTest::currentTestFailed()) m_stepFailed = true;
    }

    // New case from the quick-access button; the patient node of the case
    // view opens the card, whose values are typed line by line.
    void newCaseAndPatientCard() {
        Click(ID_FILE_NEW);
        QVERIFY(m_app->CurrentCase() != nullptr);
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Meridane Suite [John Doe]"));

        ClickCaseNode(nullptr);
        auto* card = ActiveView<CPatientPadView>();
        QVERIFY2(card != nullptr, "the patient card did not open");

        CPatientTextView* values = card->ValuesPane();
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(Focus(), static_cast<QWidget*>(values));
        RetypeLine(values, 0, QStringLiteral("Jane Roe"));
        RetypeLine(values, 1, QStringLiteral("1 High Street, Leeds"));
        RetypeLine(values, 2, QStringLiteral("46"));
        RetypeLine(values, 3, QStringLiteral("Teacher"));
        QTest::keyClick(values, Qt::Key_Return);

        const CPatientInfo& written = Case().GetPatientInfo();
        QCOMPARE(written.m_name, std::string("Jane Roe"));
        QCOMPARE(written.m_address, std::string("1 High Street, Leeds"));
        QCOMPARE(written.m_age, std::string("46"));
        QCOMPARE(written.m_occupation, std::string("Teacher"));
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Meridane Suite [Jane Roe*]"));
    }

    // The repertory from the "Repertories" button; "anxiety night" in its
    // search strip; Tab to the rubric found and Ctrl+Enter, which offers the
    // "Add to" menu while no symptom has received a rubric; then F3 and
    // Ctrl+Enter again, which adds the next hit to the same symptom.
    void repertorySearchAndCtrlEnter() {
        const workflow::DataSet data = workflow::CurrentDataSet();
        const QString opened = ChooseFromMenu(
            {QLatin1Char('^') + QRegularExpression::escape(data.repertoryEntry) + QLatin1Char('$')},
            [this] { Click(ID_OPEN_REPERTORY_LIST); });
        QVERIFY2(opened.isEmpty(), qPrintable(opened));
        auto* pad = ActiveView<CRepertoryPadView>();
        QVERIFY2(pad != nullptr, "the repertory did not open");
        CRepertoryView& rubrics = pad->RubricView();
        QVERIFY(rubrics.BoundRepertory() != nullptr);
        QCOMPARE(std::string(rubrics.BoundRepertory()->GetName()), data.repertoryName);

        CRepertoryEditSearchView& strip = pad->SearchView().Edit();
        QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Focus(), static_cast<QWidget*>(&strip));
        QTest::keyClicks(Focus(), QStringLiteral("anxiety night"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY2(pad->SearchView().Search().Count() > 0, "no rubric found");
        const CRepertoryView::CTopicInfo* found = rubrics.SelectedNode();
        QVERIFY(found != nullptr);
        const QString path = PathOf(found);
        qInfo("found: %s", qPrintable(path));
        QVERIFY2(path.contains(QStringLiteral("anxiety"), Qt::CaseInsensitive) &&
                     path.contains(QStringLiteral("night"), Qt::CaseInsensitive),
                 qPrintable(path));

        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(Focus(), static_cast<QWidget*>(&rubrics));
        const QString added = ChooseFromMenu({QStringLiteral("^Add to: New Unknown Symptom$")}, [] {
            QTest::keyClick(Focus(), Qt::Key_Return, Qt::ControlModifier);
        });
        QVERIFY2(added.isEmpty(), qPrintable(added));
        CAnalysis* analysis = workflow::FirstAnalysis(Case());
        QVERIFY2(analysis != nullptr, "no analysis was made");
        const CSympthom& symptom = analysis->GetFirstSymptom();
        QCOMPARE(symptom.m_topics.size(), std::size_t(1));
        QCOMPARE(symptom.m_topics.front().GetItemId(), found->Id());
        QVERIFY(Frame().statusBar()->currentMessage().startsWith(QStringLiteral("Added to:")));
        QVERIFY(m_app->IsCaseModified());

        // F3 goes on to the next hit; Ctrl+Enter now adds it to the same
        // symptom without a menu.
        QTest::keyClick(Focus(), Qt::Key_F3);
        const CRepertoryView::CTopicInfo* next = rubrics.SelectedNode();
        QVERIFY(next != nullptr && next != found);
        qInfo("next: %s", qPrintable(PathOf(next)));
        QTest::keyClick(Focus(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(symptom.m_topics.size(), std::size_t(2));
        QCOMPARE(symptom.m_topics.back().GetItemId(), next->Id());
        QCOMPARE(Frame().statusBar()->currentMessage(),
                 QStringLiteral("Added to: ") + plumbing::DecodeCodePage(symptom.m_name));
    }

    // The search window from the ribbon; the repertory chosen in "Search
    // in:", "fear -death @acon" typed into the query box and Enter; the
    // first hit's rubric right-clicked into a new symptom of the analysis.
    void searchWindow() {
        Click(ID_SEARCH);
        auto* search = ActiveView<CSearchView>();
        QVERIFY2(search != nullptr, "the search window did not open");
        // The window comes up in what room the others leave: a double click
        // on its title bar gives it the whole area, and the windows after it.
        MaximizeActiveWindow();
        QString why;
        QVERIFY2(
            workflow::ChooseInComboBox(
                search->Selector(),
                QStringLiteral("Repertory: ") + workflow::CurrentDataSet().repertoryEntry, &why),
            qPrintable(why));
        QVERIFY(workflow::ReactivateAfterMenu(&Frame()));

        CQueryBox& query = search->QueryBox();
        QTest::mouseClick(query.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Focus(), static_cast<QWidget*>(&query));
        QTest::keyClicks(Focus(), QStringLiteral("fear -death @acon"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        CSearchResultView& page = search->ActivePage();
        QVERIFY2(page.Results().HitCount() > 0, "nothing found");
        qInfo("search: %s", qPrintable(search->HitCountText()));

        // The hit's own step of hit 0: the last step of its path.
        using Kind = CSearchResultRenderer::Kind;
        CSearchResultRenderer& hits = page.Renderer();
        QTRY_VERIFY(hits.Find(Kind::kTopic, 0) != kNoDrawnItem);
        DrawnItemId step = hits.Find(Kind::kTopic, 0);
        while (step != kNoDrawnItem && hits.Item(step).level != CSearchResultRenderer::kLevelHit)
            step = hits.Find(Kind::kTopic, 0, step + 1);
        QVERIFY(step != kNoDrawnItem);
        const QPoint at = page.ToViewport(hits.ItemBox(step)).center();
        const QString added = ChooseFromMenu(
            {QStringLiteral("\\] Analysis$"), QStringLiteral("^Add to a new sympthom$")},
            [&page, at] { workflow::RightClick(page.viewport(), at); });
        QVERIFY2(added.isEmpty(), qPrintable(added));

        CAnalysis* analysis = workflow::FirstAnalysis(Case());
        QCOMPARE(analysis->GetSymptomCount(), 2);
        const CSympthom* fresh = analysis->GetFirstSymptom().GetNext();
        QCOMPARE(fresh->m_topics.size(), std::size_t(1));
        const CSympthom::CTopic& rubric = fresh->m_topics.front();
        const QString path = plumbing::DecodeCodePage(rubric.m_pathText);
        qInfo("hit: %s", qPrintable(path));
        QVERIFY2(path.contains(QStringLiteral("fear"), Qt::CaseInsensitive), qPrintable(path));
        QVERIFY2(!path.contains(QStringLiteral("death"), Qt::CaseInsensitive), qPrintable(path));
        QVERIFY(std::any_of(rubric.m_remedies.begin(), rubric.m_remedies.end(),
                            [](const CSympthom::CTopic::CRemedyInfo& remedy) {
                                return remedy.m_shortName == "acon";
                            }));
    }

    // The analysis from its node in the case view.  On the "Symptoms " page:
    // the first symptom renamed in place (a click on its name, the new name,
    // Enter), its weight cycled (a click on its marker), its second rubric
    // excluded (a click on its mark).  Then the "Table " page, the ranking by
    // "Count" from the drop-down, and the chart exported as PDF from the
    // ribbon into the file the dialog names.
    void analysisWindow() {
        CAnalysis* analysis = workflow::FirstAnalysis(Case());
        QVERIFY(analysis != nullptr);
        ClickCaseNode(analysis);
        auto* window = ActiveView<CSympthomPadView>();
        QVERIFY2(window != nullptr, "the analysis window did not open");
        QCOMPARE(window->CurrentPage(), CSympthomPadView::kSymptomsPage);
        CSympthomView& list = window->SymptomList();
        CSympthom& first = analysis->GetFirstSymptom();

        const auto header = [&list, &first]() -> const CSympthomView::CView_Sympthom* {
            for (const auto& item : list.ListRenderer().Items())
                if (item->GetKind() == CSympthomView::CView_Item::Kind::Symptom &&
                    &item->Symptom() == &first)
                    return static_cast<const CSympthomView::CView_Sympthom*>(item.get());
            return nullptr;
        };
        QTRY_VERIFY(header() != nullptr);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ToViewport(header()->m_nameBox).center());
        QVERIFY(list.Editor().IsEditing());
        QCOMPARE(Focus(), static_cast<QWidget*>(&list.Editor()));
        QTest::keyClicks(Focus(), QStringLiteral("Anxiety at night"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        QCOMPARE(first.m_name, std::string("Anxiety at night"));

        QTRY_VERIFY(header() != nullptr);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ToViewport(header()->m_weightBox).center());
        QCOMPARE(first.m_weight, 2);

        const auto rubricLine = [&list, &first](int index) -> const CSympthomView::CView_Topic* {
            for (const auto& item : list.ListRenderer().Items()) {
                if (item->GetKind() != CSympthomView::CView_Item::Kind::Topic ||
                    &item->Symptom() != &first)
                    continue;
                const auto* topic = static_cast<const CSympthomView::CView_Topic*>(item.get());
                if (topic->TopicIndex() == index) return topic;
            }
            return nullptr;
        };
        QTRY_VERIFY(rubricLine(1) != nullptr);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ToViewport(rubricLine(1)->m_includeBox).center());
        QCOMPARE(first.m_topics[1].m_hide, 1);
        QVERIFY(!first.m_topics[1].IsCounted());

        QTabBar& pages = window->Tabs();
        QTest::mouseClick(&pages, Qt::LeftButton, {},
                          pages.tabRect(CSympthomPadView::kTablePage).center());
        QCOMPARE(window->CurrentPage(), CSympthomPadView::kTablePage);

        QString why;
        QVERIFY2(workflow::ChooseInComboBox(window->Table().SortView().List(),
                                            QStringLiteral("Count"), &why),
                 qPrintable(why));
        QCOMPARE(analysis->GetSortType(), 2);
        QVERIFY(workflow::ReactivateAfterMenu(&Frame()));
        // The table draws the new order at its next paint.
        QTRY_VERIFY(!window->Table().Data().IsDue());
        QVERIFY(window->Table().Data().RowCount() > 0);
        m_shownRanking = ShownRanking(*window);
        QList<int> counts;
        for (const CItems& item : window->Table().Data().Ranked()) counts << item.m_count;
        QVERIFY2(std::is_sorted(counts.rbegin(), counts.rend()), "not ranked by count");
        qInfo("top: %s", qPrintable(m_shownRanking.front()));

        const ExportedChart chart = ExportChart(*window, QStringLiteral("chart"));
        QVERIFY2(!chart.pages.isEmpty(), "no PDF chart was written");
        QVERIFY2(!chart.image.isEmpty(), "no PNG chart was written");
        m_chartPages = chart.pages;
        m_chartImage = chart.image;
        qInfo("chart: %lld pages of %s; image %dx%d", static_cast<long long>(m_chartPages.size()),
              qPrintable(m_chartPages.front()), m_chartImage.width(), m_chartImage.height());
    }

    // The remedy at the top of the table opens in the materia medica; a
    // line of its article, selected with the keyboard, goes into the first
    // symptom through the right button's "Add to" menu.
    void materiaMedicaFromTheTopRemedy() {
        auto* analysisWindow = ActiveView<CSympthomPadView>();
        QVERIFY(analysisWindow != nullptr);
        CSympthomRemediesView& column = analysisWindow->Table().RemediesView();
        QTRY_VERIFY(analysisWindow->Table().Data().RowCount() > 0);
        const std::string top = analysisWindow->Table().Data().Ranked().front().m_name;
        const QRect name = column.ToViewport(
            column.RemediesRenderer().ItemBox(CChartRemediesRenderer::NameItem(0)));
        QTest::mouseClick(column.viewport(), Qt::LeftButton, {}, name.center());

        auto* materia = ActiveView<CMateriaMedicaPadView>();
        QVERIFY2(materia != nullptr, "the materia medica did not open");
        QTextEdit* article = materia->Article()->Editor();
        QVERIFY2(!materia->Article()->ShowsNoArticle(), top.c_str());
        qInfo("materia medica at %s", top.c_str());

        // The first line of some length on display, dragged over with the
        // left button from its start for 40 characters.
        QTextBlock line = article->document()->begin();
        while (line.isValid() && line.length() < 50) line = line.next();
        QVERIFY2(line.isValid(), "the article has no line to select");
        QTextCursor from(line);
        QTextCursor to(line);
        to.setPosition(line.position() + 40);
        const QPoint start = article->cursorRect(from).center() + QPoint(1, 0);
        const QPoint end = article->cursorRect(to).center();
        QVERIFY(article->viewport()->rect().contains(end));
        QTest::mousePress(article->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(article->viewport(), (start + end) / 2);
        QTest::mouseMove(article->viewport(), end);
        QTest::mouseRelease(article->viewport(), Qt::LeftButton, {}, end);
        const QString passage = article->textCursor().selectedText();
        QVERIFY2(passage.size() > 30, qPrintable(passage));
        qInfo("passage: %s", qPrintable(passage));
        const QPoint at = (start + end) / 2;
        const QString added = ChooseFromMenu(
            {QStringLiteral("\\] Analysis$"), QStringLiteral("^Add to: Anxiety at night \\(")},
            [article, at] { workflow::RightClick(article->viewport(), at); });
        QVERIFY2(added.isEmpty(), qPrintable(added));
        const CSympthom& first = workflow::FirstAnalysis(Case())->GetFirstSymptom();
        QCOMPARE(first.m_topics.size(), std::size_t(3));
        QCOMPARE(first.m_topics.back().m_dataType, CSympthom::kArticleTopic);
    }

    // Save from the application menu into the file the dialog names.
    void saveTheCase() {
        m_savedAnalysis = workflow::DescribeAnalysis(*workflow::FirstAnalysis(Case()));
        m_savedRanking = workflow::DescribeRanking(*workflow::FirstAnalysis(Case()));
        QVERIFY(!m_savedRanking.isEmpty());
        qInfo("saved: %s; first of %lld remedies: %s",
              qPrintable(m_savedAnalysis.join(QStringLiteral(" / "))),
              static_cast<long long>(m_savedRanking.size()), qPrintable(m_savedRanking.front()));
        m_dialogs->QueueSave(m_casePath);
        const QString saved = ChooseFromMenu({QStringLiteral("^Save$")}, [this] {
            QTest::mouseClick(Ribbon().ApplicationButton(), Qt::LeftButton);
        });
        QVERIFY2(saved.isEmpty(), qPrintable(saved));
        QVERIFY(QFileInfo(m_casePath).size() > 0);
        QVERIFY(!m_app->IsCaseModified());
        QCOMPARE(m_app->CasePath(), m_casePath);
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Meridane Suite [Jane Roe]"));
    }

    // The program ends, the engine lets every source go and finds them again;
    // the program starts anew and opens the file.
    void reopenWithAFreshEngine() {
        m_app.reset();
        CorvelaInstance().CloseAll();
        StartProgram();
        m_dialogs->QueueOpen(m_casePath);
        Click(ID_FILE_OPEN);
        QCOMPARE(m_app->CasePath(), m_casePath);
        QCOMPARE(Case().GetPatientInfo().m_name, std::string("Jane Roe"));
        QCOMPARE(Case().GetPatientInfo().m_occupation, std::string("Teacher"));
        CAnalysis* analysis = workflow::FirstAnalysis(Case());
        QVERIFY(analysis != nullptr);
        QCOMPARE(workflow::DescribeAnalysis(*analysis), m_savedAnalysis);
        QCOMPARE(workflow::DescribeRanking(*analysis), m_savedRanking);

        // Its window shows the same ranking and exports the same chart.
        ClickCaseNode(analysis);
        auto* window = ActiveView<CSympthomPadView>();
        QVERIFY2(window != nullptr, "the analysis window did not open");
        QTRY_VERIFY(!window->Table().Data().IsDue());
        QCOMPARE(ShownRanking(*window), m_shownRanking);
        const ExportedChart chart = ExportChart(*window, QStringLiteral("chart_again"));
        QCOMPARE(chart.pages, m_chartPages);
        QCOMPARE(chart.image, m_chartImage);
    }
};

int main(int argc, char** argv) {
    workflow::EnterScratchRun(argv);
    QApplication application(argc, argv);
    ConsultationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "workflow_qtest.moc"
