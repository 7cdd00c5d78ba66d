// The search window on the demo data: ID_SEARCH, the selector's entries and
// its first selection, colours as typed, Enter (empty or not), the header
// strip and the tab captions, five pages with their own results and words,
// clicks that open the repertory browser and the materia medica, the "Add
// to" menu on a rubric hit, and narrowing by a remedy of the statistics.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "editor_test_support.h"
#include "model/lang/language.h"
#include "model/lang/language_data.h"
#include "model/records/analysis.h"
#include "plumbing/text/code_page.h"
#include "plumbing/documents/doc_manager.h"
#include "search_test_support.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_window.h"
#include "views/query/query_box.h"
#include "views/repertory/repertory_doc.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/repertory/repertory_view.h"
#include "views/repertory/repertory_window.h"
#include "views/search/article_snippets.h"
#include "views/search/search_page_texts.h"
#include "views/search/search_result_view.h"
#include "views/search/search_view.h"
#include "views/search/search_window.h"

using namespace search_test;
using editors_test::FakeCaseHost;
using editors_test::FakeWindowHost;

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);

// A one-chapter repertory named `name`, written into the program directory
// before the engine looks for its sources.
bool WriteRepertory(const char* id, const char* name, const char* file) {
    RepertoryBuilder& builder = *CorvelaInstance().GetRepertoryBuilder();
    const RepertoryDescription description{id, name, "Test repertory", name, "Tests", "", 0};
    builder.Begin(&description);
    builder.AddTopic(name);
    builder.AddTopic("Mind");
    builder.AddRemedy("acon", 2);
    builder.CloseTopic();
    builder.CloseTopic();
    const std::string path = editors_test::UseScratchHome() + "/" + file;
    return builder.Save(path.c_str()) != 0;
}

int EntryNamed(const CSearchView& view, const char* name) {
    DataSource* source = SourceNamed(name);
    for (std::size_t i = 0; i < view.Sources().size(); ++i)
        if (source != nullptr && view.Sources()[i].id == *source->GetGuid())
            return static_cast<int>(i);
    return -1;
}

// Picks the menu entry labelled `text`.
add_to::MenuRunner Choose(const QString& text) {
    return [text](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* action : menu.findChildren<QAction*>())
            if (action->text() == text) return action;
        return nullptr;
    };
}

}  // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_case;
    std::unique_ptr<FakeWindowHost> m_host;
    CSearchView* m_view = nullptr;

    CSearchView& View() { return *m_view; }

    // Types `query` into the box of the window with `source` selected and
    // presses Enter.
    CSearchResultView& Search(const char* source, const QString& query) {
        View().SelectSource(EntryNamed(View(), source));
        View().QueryBox().SetText(query);
        QTest::keyClick(&View().QueryBox(), Qt::Key_Return);
        return View().ActivePage();
    }

    QList<CDocument*> Open(int slot) { return m_host->Documents().Documents(slot); }

private Q_SLOTS:
    void initTestCase() {
        editors_test::UseDemoHome();
        QVERIFY(WriteRepertory("0BADF00D-0000-4000-8000-000000000001", "REP_HALDEN_TEST",
                               "zz_halden.rpb"));
        QVERIFY(WriteRepertory("0BADF00D-0000-4000-8000-000000000002", "REP_ORRE_RUS_TEST",
                               "zz_orre.rpb"));
    }
    void init() {
        m_case = std::make_unique<FakeCaseHost>();
        m_host = std::make_unique<FakeWindowHost>();
        RegisterRepertoryWindow(*m_host);
        RegisterSearchWindow(*m_host);
        RegisterMateriaMedicaWindow(*m_host);
        m_host->Commands().Run(ID_SEARCH);
        const QList<CDocument*> open = Open(kSearchSlot);
        QCOMPARE(open.size(), 1);
        m_view = editors_test::FirstView<CSearchView>(open.front());
        QVERIFY(m_view != nullptr);
    }
    void cleanup() {
        m_view = nullptr;
        m_host.reset();
        m_case.reset();
    }

    void theSearchCommandBringsTheOneWindowForward() {
        QCOMPARE(Open(kSearchSlot).front()->Title(), QStringLiteral("Search"));
        m_host->Commands().Run(ID_SEARCH);
        QCOMPARE(Open(kSearchSlot).size(), 1);
        QCOMPARE(OpenSearchWindow(), Open(kSearchSlot).front());
    }

    void theSelectorListsRepertoriesAndMateriaMedicas() {
        QStringList labels;
        for (const CSearchSourceEntry& entry : View().Sources()) labels.append(entry.label);
        QCOMPARE(labels,
                 (QStringList{"Repertory: Meridane team",
                              QString::fromUtf8(
                                  "Repertory: \u041A\u043E\u043C\u0430\u043D\u0434\u0430 Meridane"),
                              "Repertory: REP_HALDEN_TEST", "Repertory: REP_ORRE_RUS_TEST",
                              "Materia Medica: Helen Ashdown"}));
        QCOMPARE(View().Selector().count(), labels.size());
        // No language configured: the repertory named like REP_HALDEN.
        QCOMPARE(View().SelectedSource(), EntryNamed(View(), "REP_HALDEN_TEST"));
    }

    void theFirstSelectionFollowsTheLanguage() {
        const int halden = EntryNamed(View(), "REP_HALDEN_TEST");
        const int orre = EntryNamed(View(), "REP_ORRE_RUS_TEST");
        const int first = EntryNamed(View(), "REP_DEMO");
        QCOMPARE(first, 0);
        QCOMPARE(ListSearchSources("").selected, halden);
        QCOMPARE(ListSearchSources("meridane.en.lng").selected, halden);
        QCOMPARE(ListSearchSources("meridane.ru.lng").selected, orre);
        // Only after the first character, and only these marks.
        QCOMPARE(ListSearchSources(".ru.lng").selected, first);
        QCOMPARE(ListSearchSources("english.lng").selected, first);
        QCOMPARE(ListSearchSources("russian.lng").selected, first);
    }

    void theLanguageIsReadFromTheProgramsSettings() {
        editors_test::WriteProgramIni("[General]\nLanguage=meridane.ru.lng\n");
        QCOMPARE(SearchLanguageSetting(), std::string("meridane.ru.lng"));
        CSearchView russian;
        QCOMPARE(russian.SelectedSource(), EntryNamed(russian, "REP_ORRE_RUS_TEST"));
        editors_test::WriteProgramIni("[General]\nLanguage=english.lng\n");
        CSearchView english;
        QCOMPARE(english.SelectedSource(), EntryNamed(english, "REP_DEMO"));
        editors_test::WriteProgramIni("");
        QCOMPARE(SearchLanguageSetting(), std::string());
    }

    void colouringFollowsTheSelectedSource() {
        View().SelectSource(EntryNamed(View(), "REP_DEMO"));
        CQueryBox& box = View().QueryBox();
        QTest::keyClicks(&box, QStringLiteral("@lach>4"));
        QCOMPARE(box.ColourAt(0), kGreen);
        QCOMPARE(box.ColourAt(6), kRed);
        box.clear();
        QTest::keyClicks(&box, QStringLiteral("anxiety @nosuch"));
        QCOMPARE(box.ColourAt(9), kDarkRed);
        // A materia medica has no grades: grey, without typing again.
        box.SetText(QStringLiteral("@acon>2"));
        View().SelectSource(EntryNamed(View(), "MM_DEMO"));
        QCOMPARE(box.Scope(), int(kScopeMateriaMedicas));
        QCOMPARE(box.ColourAt(6), kGrey);
    }

    void enterWithAnEmptyBoxDoesNothing() {
        QSignalSpy searched(&View().Page(0), &CSearchResultView::Searched);
        QTest::keyClick(&View().QueryBox(), Qt::Key_Return);
        QCOMPARE(searched.count(), 0);
        QVERIFY(!View().Page(0).Results().HasRun());
        QCOMPARE(View().Tabs().tabText(0), QStringLiteral("Find in 1"));
        QCOMPARE(View().HitCountText(), QString());
        // The empty page keeps its getting-started text.
        View().Page(0).EnsureLayout();
        QVERIFY(!Items(View().Page(0).Renderer(), Kind::kHelp).empty());
    }

    void enterSearchesThePageShown() {
        CSearchResultView& page = Search("REP_DEMO", QStringLiteral("anxiety night"));
        QVERIFY(page.Results().HasRun());
        QCOMPARE(&page, &View().Page(0));
        QVERIFY(page.Results().HitCount() >= 3);
        QCOMPARE(page.Results().Words(), (std::vector<std::string>{"anxiety", "night"}));
        QCOMPARE(View().Tabs().tabText(0), QStringLiteral("anxiety night"));
        QCOMPARE(View().HitCountText(), search_texts::HitCount(page.Results().HitCount()));
        for (int other = 1; other < CSearchView::kPageCount; ++other)
            QCOMPARE(View().Tabs().tabText(other), QStringLiteral("Find in %1").arg(other + 1));
    }

    void captionsCutLongQueries() {
        View().Tabs().setCurrentIndex(2);
        Search("REP_DEMO", QStringLiteral("anxiety night -midnight @ars>1"));
        const QString caption = View().Tabs().tabText(2);
        QVERIFY(caption.size() <= 20);
        QVERIFY(caption.startsWith(QStringLiteral("anxiety night")));
        QVERIFY(caption.endsWith(QChar(0x2026)));
        QCOMPARE(View().Tabs().tabToolTip(2), QStringLiteral("anxiety night -midnight @ars>1"));
    }

    // The count is asked for in Russian; english.lng, the default language,
    // gives it in English.
    void theHeaderStripCountsHits() {
        QCOMPARE(search_texts::HitCount(3), QString::fromUtf8("Найдено 3 топиков"));
        QVERIFY(CLanguage::Get().LoadFile(MERIDANE_PROGRAM_DIR "/english.lng"));
        QCOMPARE(search_texts::HitCount(0), QStringLiteral("Found 0 topics"));
        QCOMPARE(search_texts::HitCount(10000), QStringLiteral("Found 10000 topics"));
        QCOMPARE(search_texts::HitCount(10001),
                 QStringLiteral(
                     "Found more than 10,000 topics, set stricter conditions and search again"));
        Search("REP_DEMO", QStringLiteral("xyzzy"));
        QCOMPARE(View().HitCountText(), search_texts::HitCount(0));
        // The count follows the page shown.
        View().Tabs().setCurrentIndex(1);
        QCOMPARE(View().HitCountText(), QString());
    }

    void eachPageKeepsItsResultsAndWords() {
        CSearchResultView& first = Search("MM_DEMO", QStringLiteral("anxiety"));
        const int hits = first.Results().HitCount();
        View().Tabs().setCurrentIndex(1);
        CSearchResultView& second = Search("REP_DEMO", QStringLiteral("thirst"));
        QVERIFY(&second != &first);
        View().Tabs().setCurrentIndex(0);
        // An expander click lays the first page out again, after the other query.
        first.EnsureLayout();
        const DrawnItemId expander = first.Renderer().Find(Kind::kExpander, 0);
        first.Activate(expander);
        first.Activate(expander);
        first.EnsureLayout();
        QCOMPARE(first.Results().HitCount(), hits);
        QCOMPARE(View().HitCountText(), search_texts::HitCount(hits));
        const QStringList lines = Texts(first.Renderer(), Kind::kArticleText);
        QVERIFY(!lines.isEmpty());
        int marked = 0;
        for (int hit = 0; hit < first.Results().ListedCount(); ++hit)
            for (const std::string& line : first.Results().Snippets(hit)) {
                QVERIFY(search_snippets::FoldCase(line).find("anxiety") != std::string::npos);
                ++marked;
            }
        QVERIFY(marked > 0);
        QCOMPARE(second.Results().Words(), std::vector<std::string>{"thirst"});
    }

    void theExpanderOpensAndClosesAHit() {
        CSearchResultView& page = Search("REP_DEMO", QStringLiteral("anxiety night"));
        page.EnsureLayout();
        QVERIFY(Items(page.Renderer(), Kind::kRemedy).empty());
        page.Activate(page.Renderer().Find(Kind::kExpander, 0));
        page.EnsureLayout();
        QCOMPARE(Texts(page.Renderer(), Kind::kRemedy, 0).size(), 4);
        page.Activate(page.Renderer().Find(Kind::kExpander, 0));
        page.EnsureLayout();
        QVERIFY(Items(page.Renderer(), Kind::kRemedy).empty());
    }

    void aPathStepOpensTheRepertoryAtItsRubric() {
        CSearchResultView& page = Search("REP_DEMO", QStringLiteral("anxiety night"));
        page.EnsureLayout();
        const std::vector<DrawnItemId> steps = Items(page.Renderer(), Kind::kTopic, 0);
        QCOMPARE(page.Renderer().ShownText(steps[1]), QStringLiteral("Anxiety"));
        QVERIFY(Open(kRepertorySlot).isEmpty());
        page.Activate(steps[1]);
        const QList<CDocument*> open = Open(kRepertorySlot);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.front()->Title(), CRepertoryDoc::TitleFor(GetSourceTitle(
                                            *SourceNamed("REP_DEMO")->GetGuid())));
        auto* pad = editors_test::FirstView<CRepertoryPadView>(open.front());
        QVERIFY(pad != nullptr);
        auto selected = [pad]() -> const void* {
            CRepertoryView::CTopicInfo* node = pad->RubricView().SelectedNode();
            return node != nullptr ? node->GetTopic() : nullptr;
        };
        QCOMPARE(selected(), page.Renderer().Item(steps[1]).data);
        // The same repertory again: the one window comes forward at the step.
        page.Activate(steps[2]);
        QCOMPARE(Open(kRepertorySlot).size(), 1);
        QCOMPARE(selected(), page.Renderer().Item(steps[2]).data);
    }

    void anArticleOrARemedyOpensTheMateriaMedica() {
        CSearchResultView& page = Search("MM_DEMO", QStringLiteral("burning heat"));
        page.EnsureLayout();
        QVERIFY(Open(kMateriaMedicaSlot).isEmpty());
        const DrawnItemId heading = page.Renderer().Find(Kind::kArticle, 0);
        const DrawnItemId remedyLine = page.Renderer().Find(Kind::kArticle, 0, heading + 1);
        page.Activate(remedyLine);
        QCOMPARE(Open(kMateriaMedicaSlot).size(), 1);
        QVERIFY(Open(kMateriaMedicaSlot).front()->Title().endsWith(QStringLiteral("MM_DEMO")));
        QCOMPARE(page.HighlightWords(), std::string("#burning#heat"));

        CSearchResultView& rubrics = Search("REP_DEMO", QStringLiteral("anxiety night"));
        rubrics.Activate(rubrics.Renderer().Find(Kind::kExpander, 0));
        rubrics.EnsureLayout();
        rubrics.Activate(rubrics.Renderer().Find(Kind::kRemedy, 0));
        QCOMPARE(Open(kMateriaMedicaSlot).size(), 1);
        QVERIFY(Open(kMateriaMedicaSlot).front()->Title().startsWith(QStringLiteral("[ars")));
    }

    void theAddToMenuTakesARubricHitOrAStep() {
        CSearchResultView& page = Search("REP_DEMO", QStringLiteral("anxiety night"));
        page.EnsureLayout();
        const std::vector<DrawnItemId> steps = Items(page.Renderer(), Kind::kTopic, 0);
        const auto night = editors_test::RubricId("REP_DEMO", {"Mind", "Anxiety", "night"});
        const auto anxiety = editors_test::RubricId("REP_DEMO", {"Mind", "Anxiety"});
        // Without analyses: one entry that makes one.
        add_to::CAddToOutcome outcome = page.OfferAddTo(
            page.Renderer().Find(Kind::kText, 0), QPoint(), Choose("Add to: New Unknown Symptom"));
        QVERIFY(outcome.Added());
        CAnalysis* analysis = outcome.m_analysis;
        QVERIFY(analysis != nullptr);
        QCOMPARE(analysis->GetFirstSymptom().m_topics.size(), std::size_t(1));
        QCOMPARE(analysis->GetFirstSymptom().m_topics.front().GetItemId(), night);
        // A step of the path adds its own rubric.
        outcome = page.OfferAddTo(steps[1], QPoint(), Choose("Add to a new sympthom"));
        QVERIFY(outcome.Added());
        QCOMPARE(outcome.m_symptom->m_topics.front().GetItemId(), anxiety);
        QVERIFY(m_case->m_modified);
        // A snippet line goes in as a passage of its article.
        CSearchResultView& articles = Search("MM_DEMO", QStringLiteral("burning heat"));
        articles.EnsureLayout();
        const DrawnItemId line = articles.Renderer().Find(Kind::kArticleText);
        CAddToItem passage;
        QVERIFY(articles.AddToItemOf(line, &passage));
        QVERIFY(!passage.IsRubric());
        QCOMPARE(passage.m_itemId, articles.Results().ArticleOf(0)->GetId());
        QVERIFY(passage.m_text.find("burning") != std::string::npos);
        QVERIFY(passage.m_text.rfind("...", 0) != 0);
        outcome = articles.OfferAddTo(line, QPoint(), Choose("Add to a new symptom"));
        QVERIFY(outcome.Added());
        // The title and the statistics have no menu.
        QCOMPARE(
            page.OfferAddTo(page.Renderer().Find(Kind::kTitle), QPoint(), Choose("x")).m_result,
            add_to::CAddToOutcome::Result::kNothing);
    }

    void aStatisticsRemedyNarrowsTheQuery() {
        CSearchResultView& page = Search("REP_DEMO", QStringLiteral("anxiety"));
        const int before = page.Results().HitCount();
        page.EnsureLayout();
        const CRemedyStatistic top = page.Results().RemedyStatistics().front();
        const std::string name = search_texts::RemedyShortName(top.remedy);
        page.Activate(page.Renderer().Find(Kind::kStatsRemedy));
        QCOMPARE(View().QueryBox().Text(),
                 QStringLiteral("anxiety @") + QString::fromStdString(name));
        QCOMPARE(page.Results().Query(), "anxiety @" + name);
        QCOMPARE(page.Results().HitCount(), top.rubrics);
        QVERIFY(page.Results().HitCount() <= before);
        QCOMPARE(View().Tabs().currentIndex(), 0);
    }

    void theQueryBoxKeepsTo255Bytes() {
        QSignalSpy cut(&View().QueryBox(), &CQueryBox::QueryCut);
        View().QueryBox().SetText(QString(300, QLatin1Char('a')));
        QCOMPARE(View().QueryBox().Text().size(), 255);
        QCOMPARE(cut.count(), 1);
        QCOMPARE(View().QueryBox().QueryBytes().size(), std::size_t(255));
    }

    // Runs last: it loads russian.lng for the rest of the program.  Every
    // text the window asks for while it is used has its Russian line: the
    // dictionary does not grow.
    void theRussianFileKnowsEveryTextOfTheWindow() {
        QVERIFY(CLanguage::Get().LoadFile(MERIDANE_PROGRAM_DIR "/russian.lng"));
        const std::size_t known = CLanguage::Get().GetData().GetDictionary().size();
        {
            CSearchView view;
            view.show();
            view.ActivePage().EnsureLayout();  // the getting-started text
            view.SelectSource(EntryNamed(view, "REP_DEMO"));
            view.QueryBox().SetText(QStringLiteral("anxiety"));
            view.StartSearch();
            CSearchResultView& page = view.ActivePage();
            page.EnsureLayout();
            page.Renderer().ItemHint(page.Renderer().Find(Kind::kStatsRemedy));
            page.Renderer().ItemHint(page.Renderer().Find(Kind::kTopic));
            page.Renderer().ItemHint(page.Renderer().Find(Kind::kExpander));
            view.Tabs().setCurrentIndex(1);
            view.SelectSource(EntryNamed(view, "MM_DEMO"));
            view.QueryBox().SetText(QString(300, QLatin1Char('a')));
            view.QueryBox().SetText(QStringLiteral("anxiety"));
            view.StartSearch();
            view.ActivePage().EnsureLayout();
            search_texts::HitCount(10001);
            search_texts::HitCount(3);
            QCOMPARE(search_texts::SearchIn(), QString::fromUtf8("Искать в:"));
            QCOMPARE(search_texts::HitCount(3), QString::fromUtf8("Найдено 3 топиков"));
        }
        QStringList missing;
        const auto& dictionary = CLanguage::Get().GetData().GetDictionary();
        for (std::size_t i = known; i < dictionary.size(); ++i)
            missing << plumbing::DecodeCodePage(dictionary[i].GetOriginal());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_qtest.moc"
