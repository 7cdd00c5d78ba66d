// One page of the search window without a widget, on the demo data: the
// getting-started text, the title at 0, 10,000 and 10,001 hits, numbering
// from "0:", rubric paths (one step at chapter level, the hit trimmed),
// expanders, article headings and snippets (links shown as their text,
// words found without regard to case, each page with its own words), the
// snippet rules themselves, and the remedy statistics against the engine.
#include <QTest>

#include "editor_test_support.h"
#include "plumbing/widgets/interface_fonts.h"
#include "search_test_support.h"
#include "views/search/article_snippets.h"
#include "views/search/search_results.h"

using namespace search_test;
using search_snippets::ArticleSnippets;
using search_snippets::RemoveLinkMarkup;

namespace {

constexpr int kWidth = 900;

// The identifiers of every rubric of `repertory` below the root, in tree order.
std::vector<std::uint32_t> AllRubrics(Repertory& repertory, int limit) {
    std::vector<std::uint32_t> ids;
    for (std::uint32_t number = 1; static_cast<int>(ids.size()) < limit; ++number) {
        Topic* topic = repertory.GetTopic(number);
        if (topic == nullptr) break;
        ids.push_back(topic->GetId());
    }
    return ids;
}

}  // namespace

class SearchPageTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CSearchResults> m_results;
    std::unique_ptr<CSearchResultRenderer> m_page;

    CSearchResultRenderer& Laid(int width = kWidth) {
        m_page->Layout(width);
        return *m_page;
    }

private Q_SLOTS:
    void initTestCase() {
        editors_test::UseDemoHome();
        QVERIFY(SourceNamed("REP_DEMO") != nullptr);
        QVERIFY(SourceNamed("MM_DEMO") != nullptr);
    }
    void init() {
        m_results = std::make_unique<CSearchResults>();
        m_page = std::make_unique<CSearchResultRenderer>(CInterfaceFonts::Shared());
        m_page->SetResults(m_results.get());
    }
    void cleanup() {
        m_page.reset();
        m_results.reset();
    }

    void anEmptyPageShowsTheGettingStartedText() {
        CSearchResultRenderer& page = Laid();
        const QStringList lines = Texts(page, Kind::kHelp);
        QVERIFY(lines.size() > 10);
        QCOMPARE(lines.front(), QStringLiteral("Getting started with Meridane Suite search"));
        QCOMPARE(page.ItemCount(), lines.size());
        // The examples stand out: each follows a line ending in a colon.
        QStringList examples;
        for (DrawnItemId item : Items(page, Kind::kHelp))
            if (page.Item(item).level == 2) examples.append(page.ShownText(item));
        QCOMPARE(examples,
                 (QStringList{"anxiety evening amel", "anxiety -daytime -morning -evening", "@lach",
                              "@lach>2", "@lach -@nux-v"}));
        const QImage image = Render(page, kWidth);
        QVERIFY(HasInk(image, page.ItemBox(0)));
    }

    void theTitleSaysHowManyHitsAndSkipsAboveTenThousand() {
        DataSource* demo = SourceNamed("REP_DEMO");
        const std::vector<std::uint32_t> some = AllRubrics(*static_cast<Repertory*>(demo), 100);
        std::vector<std::uint32_t> many;
        while (many.size() < 10001) many.insert(many.end(), some.begin(), some.end());

        m_results->Adopt("xyzzy", *demo->GetGuid(), {"xyzzy"}, {}, 0);
        QCOMPARE(Texts(Laid(), Kind::kTitle).join(' '),
                 QStringLiteral("Query:xyzzy in REP_DEMO, result: 0 rubrics"));
        QVERIFY(Items(*m_page, Kind::kExpander).empty());

        m_results->Adopt("mind", *demo->GetGuid(), {"mind"}, many, 10000);
        QCOMPARE(Texts(Laid(), Kind::kTitle).join(' '),
                 QStringLiteral("Query:mind in REP_DEMO, result: 10000 rubrics"));
        const QStringList labels = Texts(*m_page, Kind::kText);
        QCOMPARE(labels.size(), 10000);
        QCOMPARE(labels.back(), QStringLiteral("9999:"));

        m_results->Adopt("mind", *demo->GetGuid(), {"mind"}, many, 10001);
        QCOMPARE(Texts(Laid(), Kind::kTitle).join(' '),
                 QStringLiteral(
                     "Query:mind in REP_DEMO, returned more than 10001 rubrics. Result skipped"));
        QVERIFY(!m_results->IsListed());
        QVERIFY(Items(*m_page, Kind::kText).empty());
        QVERIFY(Items(*m_page, Kind::kStatsHeader).empty());
    }

    void hitsAreNumberedFromZero() {
        RunPage(*m_results, "anxiety night", "REP_DEMO");
        QVERIFY(m_results->HitCount() >= 3);
        const QStringList labels = Texts(Laid(), Kind::kText);
        QCOMPARE(labels.size(), m_results->HitCount());
        for (int i = 0; i < labels.size(); ++i) QCOMPARE(labels[i], QString::number(i) + ':');
        QCOMPARE(Texts(*m_page, Kind::kTitle).join(' '),
                 QStringLiteral("Query:anxiety night in REP_DEMO, result: %1 rubrics")
                     .arg(m_results->HitCount()));
    }

    void aRubricHitReadsAsItsPathFromTheChapter() {
        RunPage(*m_results, "anxiety night", "REP_DEMO");
        CSearchResultRenderer& page = Laid();
        QCOMPARE(Texts(page, Kind::kTopic, 0), (QStringList{"Mind", "Anxiety", "night"}));
        std::vector<int> levels, flags;
        for (DrawnItemId item : Items(page, Kind::kTopic, 0))
            levels.push_back(page.Item(item).level);
        for (DrawnItemId item : Items(page, Kind::kSmallText, 0))
            flags.push_back(page.Item(item).level);
        QCOMPARE(levels, (std::vector<int>{CSearchResultRenderer::kLevelAncestor,
                                           CSearchResultRenderer::kLevelAncestor,
                                           CSearchResultRenderer::kLevelHit}));
        QCOMPARE(flags, (std::vector<int>{0, 0, 1}));
        // Collapsed: the path only.
        QVERIFY(Items(page, Kind::kRemedy).empty());
        QCOMPARE(Texts(page, Kind::kTopic, 1).back(), QStringLiteral("midnight, after"));
    }

    void aChapterLevelHitShowsOneStep() {
        RunPage(*m_results, "mind", "REP_DEMO");
        CSearchResultRenderer& page = Laid();
        QCOMPARE(Texts(page, Kind::kTopic, 0), QStringList{"Mind"});
        QCOMPARE(page.Item(Items(page, Kind::kTopic, 0).front()).level,
                 CSearchResultRenderer::kLevelHit);
        QCOMPARE(Texts(page, Kind::kTopic, 1).size(), 2);
    }

    void theHitIsTrimmedOfTrailingStopsAndCommas() {
        RunPage(*m_results, "company amel", "REP_DEMO");
        CSearchResultRenderer& page = Laid();
        QVERIFY(m_results->HitCount() >= 1);
        QCOMPARE(Texts(page, Kind::kTopic, 0).back(), QStringLiteral("company amel"));
    }

    void theExpanderShowsTheGradedRemedies() {
        RunPage(*m_results, "anxiety night", "REP_DEMO");
        QVERIFY(!m_results->IsExpanded(0));
        m_results->SetExpanded(0, true);
        CSearchResultRenderer& page = Laid();
        // night: ars:4 acon:2 calc:1 phos:1
        QCOMPARE(Texts(page, Kind::kRemedy, 0),
                 (QStringList{"ARS. ", "Acon. ", "calc. ", "phos. "}));
        QVERIFY(Items(page, Kind::kRemedy, 1).empty());
        // The remedies start a line of their own below the path.
        const QRect step = page.ItemBox(Items(page, Kind::kTopic, 0).back());
        const QRect first = page.ItemBox(Items(page, Kind::kRemedy, 0).front());
        QVERIFY(first.top() >= step.bottom());
        m_results->SetExpanded(0, false);
        QVERIFY(Items(Laid(), Kind::kRemedy).empty());
    }

    void longPathsWrapAtTheHitsIndent() {
        RunPage(*m_results, "anxiety night", "REP_DEMO");
        m_results->SetExpanded(0, true);
        CSearchResultRenderer& page = Laid(160);
        const std::vector<DrawnItemId> steps = Items(page, Kind::kTopic, 0);
        QVERIFY(page.ItemBox(steps.back()).top() > page.ItemBox(steps.front()).top());
        // Every line after the first starts where the path starts.
        const int indent = page.ItemBox(steps.front()).left();
        int lines = 0;
        for (DrawnItemId item = steps.front() + 1;
             item < page.ItemCount() && page.Item(item).hit == 0; ++item) {
            const QRect box = page.ItemBox(item);
            if (box.top() == page.ItemBox(item - 1).top()) continue;
            QCOMPARE(box.left(), indent);
            ++lines;
        }
        QVERIFY(lines >= 2);  // the path wraps, the remedies start a line
        for (DrawnItemId item = 0; item < page.ItemCount(); ++item)
            if (page.ItemBox(item).width() < 150) QVERIFY(page.ItemBox(item).right() <= 160);
    }

    void anArticleHitShowsItsHeadingsAndSnippets() {
        RunPage(*m_results, "burning heat", "MM_DEMO");
        CSearchResultRenderer& page = Laid();
        int sulphur = -1;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit)
            if (Texts(page, Kind::kArticle, hit).value(1) == QStringLiteral("Sulphur"))
                sulphur = hit;
        QVERIFY(sulphur >= 0);
        QVERIFY(m_results->IsExpanded(sulphur));
        QCOMPARE(Texts(page, Kind::kArticle, sulphur).front(),
                 QStringLiteral("Meridane Suite demo data: "));
        // The link "@Sulphur@sulph@" reads "Sulphur".
        const std::vector<std::string>& snippets = m_results->Snippets(sulphur);
        QVERIFY(!snippets.empty());
        QCOMPARE(QString::fromStdString(snippets.front()).left(40),
                 QStringLiteral("... Sulphur is the great remedy of burni"));
        for (const std::string& line : snippets) QVERIFY(line.find('@') == std::string::npos);
        QVERIFY(!Items(page, Kind::kArticleText, sulphur).empty());
        // Collapsing keeps the headings.
        m_results->SetExpanded(sulphur, false);
        Laid();
        QVERIFY(Items(*m_page, Kind::kArticleText, sulphur).empty());
        QCOMPARE(Texts(*m_page, Kind::kArticle, sulphur).size(), 2);
    }

    void snippetsFindWordsWithoutRegardToCase() {
        // "Sulphur" stands only capitalised in its article.
        RunPage(*m_results, "sulphur", "MM_DEMO");
        bool found = false;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit) {
            Article* article = m_results->ArticleOf(hit);
            if (article == nullptr || article->GetRemedy() < 0) continue;
            const std::vector<std::string>& lines = m_results->Snippets(hit);
            QVERIFY2(!lines.empty(), "an article found for a word shows it");
            for (const std::string& line : lines)
                found = found || line.find("Sulphur is the great") != std::string::npos;
        }
        QVERIFY(found);
        // Cyrillic capitals fold through the engine's table too.
        const std::vector<std::string> lines =
            ArticleSnippets("\xC3\xCD\xC5\xC2 and more", {"\xE3\xED\xE5\xE2"});
        QCOMPARE(lines.size(), std::size_t(1));
    }

    void eachPageKeepsItsOwnHitsAndWords() {
        CSearchResults other;
        RunPage(*m_results, "anxiety", "MM_DEMO");
        const int hits = m_results->HitCount();
        const std::uint32_t first = m_results->ItemId(0);
        RunPage(other, "thirst", "MM_DEMO");
        QVERIFY(other.HitCount() != hits || other.ItemId(0) != first);
        // The engine's list holds the other search now; this page does not care.
        QCOMPARE(m_results->HitCount(), hits);
        QCOMPARE(m_results->ItemId(0), first);
        QCOMPARE(m_results->Words(), std::vector<std::string>{"anxiety"});
        Laid();
        for (int hit = 0; hit < m_results->ListedCount(); ++hit)
            for (const std::string& line : m_results->Snippets(hit))
                QVERIFY(search_snippets::FoldCase(line).find("anxiety") != std::string::npos);
    }

    void snippetRules() {
        QCOMPARE(RemoveLinkMarkup("x @Sulphur@sulph@ y"), std::string("x Sulphur y"));
        QCOMPARE(RemoveLinkMarkup("@1@2@ and @3@4@"), std::string("1 and 3"));
        QCOMPARE(RemoveLinkMarkup("a@b@c@d@e"), std::string("abd@e"));
        QCOMPARE(RemoveLinkMarkup("a@b@c"), std::string("a@b@c"));
        QCOMPARE(RemoveLinkMarkup("@@@"), std::string());

        // A word near the start: from 0, as long as the word and 90 bytes.
        const std::string text = std::string("pain") + std::string(200, 'x');
        std::vector<std::string> lines = ArticleSnippets(text, {"pain"});
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(lines[0], "... pain" + std::string(90, 'x') + " ...");
        // Further in: 45 bytes either side; line breaks become blanks.
        const std::string middle = std::string(100, 'a') + "\r\nPAIN\n" + std::string(100, 'b');
        lines = ArticleSnippets(middle, {"pain"});
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(lines[0],
                 "... " + std::string(43, 'a') + "  PAIN " + std::string(44, 'b') + " ...");
        // Near the end: up to the end.
        lines = ArticleSnippets("short pain", {"pain"});
        QCOMPARE(lines[0], std::string("... short pain ..."));
        // Every occurrence, overlapping ones too, word by word; empty words find nothing.
        lines = ArticleSnippets("aaa b", {"aa", "", "b"});
        QCOMPARE(lines,
                 (std::vector<std::string>{"... aaa b ...", "... aaa b ...", "... aaa b ..."}));
    }

    void theStatisticsMatchTheEngine() {
        RunPage(*m_results, "anxiety", "REP_DEMO");
        auto* repertory = static_cast<Repertory*>(SourceNamed("REP_DEMO"));
        std::vector<std::uint32_t> ids;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit)
            ids.push_back(m_results->ItemId(hit));
        const auto expected = EngineRemedyCounts(*repertory, ids);
        const std::vector<CRemedyStatistic>& statistics = m_results->RemedyStatistics();
        QVERIFY(!statistics.empty());
        QVERIFY(statistics.size() <= std::size_t(CSearchResults::kTopRemedies));
        int most = 0;
        for (const auto& [remedy, counts] : expected) most = std::max(most, counts.first);
        QCOMPARE(statistics.front().rubrics, most);
        for (std::size_t i = 0; i < statistics.size(); ++i) {
            const CRemedyStatistic& statistic = statistics[i];
            QCOMPARE(statistic.rubrics, expected.at(statistic.remedy).first);
            QCOMPARE(statistic.gradeSum, expected.at(statistic.remedy).second);
            if (i > 0) {
                const CRemedyStatistic& before = statistics[i - 1];
                QVERIFY(
                    before.rubrics > statistic.rubrics ||
                    (before.rubrics == statistic.rubrics && before.gradeSum >= statistic.gradeSum));
            }
        }
        // No remedy left out ranks above the last one shown.
        if (statistics.size() == std::size_t(CSearchResults::kTopRemedies))
            for (const auto& [remedy, counts] : expected)
                QVERIFY(counts.first <= statistics.back().rubrics ||
                        std::any_of(statistics.begin(), statistics.end(),
                                    [&](const CRemedyStatistic& s) { return s.remedy == remedy; }));
    }

    void theStatisticsStripOpensAndCloses() {
        RunPage(*m_results, "anxiety", "REP_DEMO");
        CSearchResultRenderer& page = Laid();
        QCOMPARE(Items(page, Kind::kStatsHeader).size(), std::size_t(1));
        QCOMPARE(Items(page, Kind::kStatsRemedy).size(), m_results->RemedyStatistics().size());
        // Above the hits, below the title.
        QVERIFY(page.ItemBox(Items(page, Kind::kStatsRemedy).back()).bottom() <
                page.ItemBox(Items(page, Kind::kExpander).front()).top());
        m_results->SetStatisticsOpen(false);
        QVERIFY(Items(Laid(), Kind::kStatsRemedy).empty());
        // Materia medicas have none.
        RunPage(*m_results, "anxiety", "MM_DEMO");
        QVERIFY(Items(Laid(), Kind::kStatsHeader).empty());
    }

    void thePageIsPaintedWhereItsItemsAre() {
        RunPage(*m_results, "anxiety night", "REP_DEMO");
        m_results->SetExpanded(0, true);
        const QImage image = Render(*m_page, kWidth);
        for (Kind kind : {Kind::kTitle, Kind::kText, Kind::kTopic, Kind::kRemedy})
            for (DrawnItemId item : Items(*m_page, kind))
                QVERIFY2(HasInk(image, m_page->ItemBox(item)), qPrintable(m_page->ShownText(item)));
        // Hit tests find the items laid out.
        const DrawnItemId step = Items(*m_page, Kind::kTopic, 1).front();
        QCOMPARE(m_page->ItemAt(m_page->ItemBox(step).center()), step);
        QVERIFY(m_page->IsClickable(step));
        QVERIFY(!m_page->IsClickable(Items(*m_page, Kind::kText).front()));
        QCOMPARE(m_page->ItemHint(step).text, std::string("Open in Repertory"));
    }
};

QTEST_MAIN(SearchPageTest)
#include "search_page_qtest.moc"
