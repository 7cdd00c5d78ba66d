// The search window's pages on Kent's repertory and Boericke's materia
// medica, compiled at start from ../shared/data (every test skips when they
// are absent): rubric paths, a chapter-level hit, a result too large to
// list, the remedy statistics of a large result against the engine, and
// snippets over Boericke.
#include <QTest>

#include "bench_data_set.h"
#include "editor_test_support.h"
#include "plumbing/widgets/interface_fonts.h"
#include "search_test_support.h"
#include "views/search/article_snippets.h"
#include "views/search/search_sources.h"

using namespace search_test;

namespace {

BenchDataSet g_kent;
bool g_ready = false;
std::string g_why = "no shared data";

}  // namespace

class SearchRealDataTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CSearchResults> m_results;
    std::unique_ptr<CSearchResultRenderer> m_page;

    CSearchResultRenderer& Laid(int width = 1000) {
        m_page->Layout(width);
        return *m_page;
    }

private Q_SLOTS:
    void initTestCase() {
        if (!FindDataSet("kent", &g_kent, &g_why)) return;
        const std::string boericke = std::string(MERIDANE_SHARED_DATA_DIR) + "/boericke.mms";
        g_ready = PrepareDataSet(&g_kent, &g_why) &&
                  CompileMateriaMedicaInto(g_kent.programDir, boericke, "boericke.mmb", &g_why);
    }
    void cleanupTestCase() { RemoveDataSet(g_kent); }
    void init() {
        if (!g_ready) QSKIP(g_why.c_str());
        m_results = std::make_unique<CSearchResults>();
        m_page = std::make_unique<CSearchResultRenderer>(CInterfaceFonts::Shared());
        m_page->SetResults(m_results.get());
    }
    void cleanup() {
        m_page.reset();
        m_results.reset();
    }

    void theSelectorListsKentAndBoericke() {
        const CSearchSourceList list = ListSearchSources("");
        QStringList labels;
        for (const CSearchSourceEntry& entry : list.entries) labels.append(entry.label);
        QCOMPARE(labels, (QStringList{"Repertory: Kent", "Materia Medica: Boericke"}));
        QCOMPARE(list.selected, 0);
    }

    void rubricHitsReadAsTheirPaths() {
        RunPage(*m_results, "anxiety night", "REP_KENT");
        QVERIFY(m_results->IsListed());
        CSearchResultRenderer& page = Laid();
        for (int hit = 0; hit < m_results->ListedCount(); ++hit) {
            const QStringList path = Texts(page, Kind::kTopic, hit);
            QVERIFY(!path.isEmpty());
            QVERIFY(path.join(' ').contains(QStringLiteral("ANXIETY"), Qt::CaseInsensitive));
            QVERIFY(path.join(' ').contains(QStringLiteral("night"), Qt::CaseInsensitive));
        }
        m_results->SetExpanded(0, true);
        Laid();
        QCOMPARE(static_cast<int>(Items(page, Kind::kRemedy, 0).size()),
                 m_results->RubricOf(0)->GetRemedyCount());
    }

    void aChapterHitShowsOneStep() {
        RunPage(*m_results, "vertigo", "REP_KENT");
        QVERIFY(m_results->IsListed());
        CSearchResultRenderer& page = Laid();
        int chapter = -1;
        for (int hit = 0; hit < m_results->ListedCount() && chapter < 0; ++hit)
            if (m_results->RubricOf(hit)->GetParent()->GetParent() == nullptr) chapter = hit;
        QVERIFY(chapter >= 0);
        QCOMPARE(Texts(page, Kind::kTopic, chapter), QStringList{"Vertigo"});
        QCOMPARE(Texts(page, Kind::kTopic, chapter + 1).size(), 2);
    }

    void aResultTooLargeIsNotListed() {
        RunPage(*m_results, "e", "REP_KENT");
        QVERIFY(m_results->HitCount() > CSearchResults::kMaxListed);
        QVERIFY(!m_results->IsListed());
        CSearchResultRenderer& page = Laid();
        QCOMPARE(page.ItemCount(), 1);
        QVERIFY(page.ShownText(0).endsWith(QStringLiteral("rubrics. Result skipped")));
    }

    void theStatisticsOfALargeResultMatchTheEngine() {
        RunPage(*m_results, "pain -head -back -extremities -stomach", "REP_KENT");
        QVERIFY(m_results->IsListed());
        QCOMPARE(m_results->HitCount(), 9997);
        std::vector<std::uint32_t> ids;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit)
            ids.push_back(m_results->ItemId(hit));
        const auto expected =
            EngineRemedyCounts(*static_cast<Repertory*>(SourceNamed("REP_KENT")), ids);
        const std::vector<CRemedyStatistic>& statistics = m_results->RemedyStatistics();
        QCOMPARE(statistics.size(), std::size_t(CSearchResults::kTopRemedies));
        std::vector<std::pair<int, int>> ranked;
        for (const auto& [remedy, counts] : expected)
            ranked.emplace_back(counts.first, counts.second);
        std::sort(ranked.rbegin(), ranked.rend());
        for (std::size_t i = 0; i < statistics.size(); ++i) {
            QCOMPARE(statistics[i].rubrics, expected.at(statistics[i].remedy).first);
            QCOMPARE(statistics[i].gradeSum, expected.at(statistics[i].remedy).second);
            QCOMPARE(statistics[i].rubrics, ranked[i].first);
            QCOMPARE(statistics[i].gradeSum, ranked[i].second);
        }
    }

    void boerickeShowsEveryPlaceOfTheWord() {
        RunPage(*m_results, "pain", "MM_BOERICKE");
        QVERIFY(m_results->HitCount() > 100);
        CSearchResultRenderer& page = Laid();
        int lines = 0;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit) {
            Article* article = m_results->ArticleOf(hit);
            QVERIFY(article != nullptr);
            if (article->GetRemedy() < 0) continue;
            // As many snippets as the word occurs, in any case.
            const std::string text =
                search_snippets::FoldCase(search_snippets::RemoveLinkMarkup(article->GetText()));
            std::size_t places = 0;
            for (std::size_t at = text.find("pain"); at != std::string::npos;
                 at = text.find("pain", at + 1))
                ++places;
            QCOMPARE(m_results->Snippets(hit).size(), places);
            lines += static_cast<int>(places);
        }
        QVERIFY(lines > 1000);
        QVERIFY(static_cast<int>(Items(page, Kind::kArticleText).size()) >= lines);
    }
};

QTEST_MAIN(SearchRealDataTest)
#include "search_real_data_qtest.moc"
