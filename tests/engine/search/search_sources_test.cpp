// Which sources a query runs against, in what order, and the facade's list of
// hits; materia medicas and user article collections through in-memory books.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/corvela_impl.h"
#include "fake_book.h"
#include "repertory_fixture.h"
#include "search_fixture.h"

using namespace search_test;

namespace {

const char* const kSecondTree =
    "Second\n"          // 0
    "\tPain\tlach:2\n"  // 1
    "\tBack\n"          // 2
    "\t\tpain\n";       // 3

// The hits of query as full item identifiers (source position in the top bits).
std::vector<std::uint32_t> HitIds(const SearchQuery& query) {
    Corvela& engine = CorvelaInstance();
    engine.Search(&query);
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < engine.GetResultCount(); ++i) {
        const SearchHit* hit = engine.GetResult(i);
        EXPECT_EQ(engine.GetDataSourceOfItem(hit->item->GetId()), hit->source);
        ids.push_back(hit->item->GetId());
    }
    return ids;
}

class TwoRepertories : public SearchHome {
protected:
    void SetUp() override {
        SearchHome::SetUp();
        CompileFixture(kSecondTree, "b_second.rpb", kSecondId, "Second");
        ASSERT_EQ(CorvelaInstance().GetDataSourceCount(), 2u);
        ParseGuid(kSecondId, &m_second);
    }
    Guid m_second;
};

TEST_F(TwoRepertories, HitsComeBySourceInFacadeOrderThenByRubric) {
    const std::vector<std::uint32_t> both{2, 3, 4, MakeItemId(1, 1), MakeItemId(1, 3)};
    EXPECT_EQ(HitIds(MakeQuery(kScopeRepertories, "pain")), both);
    EXPECT_EQ(HitIds(MakeQuery(kScopeAll, "pain")), both);
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "pain")), std::vector<std::uint32_t>{});
    EXPECT_EQ(HitIds(MakeQuery(kScopeRepertories, "@lach>1 pain")),
              (std::vector<std::uint32_t>{4, MakeItemId(1, 1)}));
}

TEST_F(TwoRepertories, SourceIdentifierNarrowsTheSearch) {
    EXPECT_EQ(HitIds(MakeQuery(kScopeRepertories, "pain", &m_second)),
              (std::vector<std::uint32_t>{MakeItemId(1, 1), MakeItemId(1, 3)}));
    Guid unknown = m_second;
    unknown.data4[7] ^= 0x01;
    EXPECT_TRUE(HitIds(MakeQuery(kScopeRepertories, "pain", &unknown)).empty());

    // Checking uses the same sources: "back" is only in the second repertory.
    Guid first;
    ParseGuid(kFixtureId, &first);
    QueryMarkup markup;
    SearchQuery query = MakeQuery(kScopeRepertories, "back", &first);
    CorvelaInstance().AnalyzeQuery(&query, &markup);
    EXPECT_EQ(DescribeTokens(query, markup), "back/N");
    query.source = m_second;
    CorvelaInstance().AnalyzeQuery(&query, &markup);
    EXPECT_EQ(DescribeTokens(query, markup), "back/W");
}

TEST_F(TwoRepertories, ResultListThroughTheFacade) {
    Corvela& engine = CorvelaInstance();
    const SearchQuery pain = MakeQuery(kScopeRepertories, "pain");
    ASSERT_TRUE(engine.Search(&pain));
    ASSERT_EQ(engine.GetResultCount(), 5);
    EXPECT_EQ(engine.GetResult(0)->source, engine.GetDataSource(0));
    EXPECT_EQ(engine.GetResult(4)->source, engine.GetDataSource(1));
    EXPECT_STREQ(static_cast<Topic*>(engine.GetResult(4)->item)->GetText(), "pain");
    EXPECT_EQ(engine.GetResult(5), nullptr);
    engine.ClearResults();
    EXPECT_EQ(engine.GetResultCount(), 0);
    ASSERT_TRUE(engine.Search(&pain));
    const SearchQuery nothing = MakeQuery(kScopeRepertories, "zzz");
    EXPECT_TRUE(engine.Search(&nothing));  // a new search empties the list first
    EXPECT_EQ(engine.GetResultCount(), 0);
}

// The engine keeps word tables of loaded files; a file compiled anew and
// loaded again must be searched with its new words.
TEST_F(SearchHome, SourcesLoadedAgainAreSearchedAfresh) {
    EXPECT_EQ(HitNumbers(MakeQuery(kScopeRepertories, "pain")),
              (std::vector<std::uint32_t>{2, 3, 4}));
    CorvelaInstance().CloseAll();
    CompileFixture("Root\n\tBack\n\t\tpain\tlach:1\n\tPain\n", "a_fixture.rpb", kFixtureId,
                   "Fixture");
    EXPECT_EQ(HitNumbers(MakeQuery(kScopeRepertories, "pain")), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(HitNumbers(MakeQuery(kScopeRepertories, "back")), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(HitNumbers(MakeQuery(kScopeRepertories, "@lach")), (std::vector<std::uint32_t>{2}));
}

// In-memory books beside the fixture repertory (position 0).
class Books : public SearchHome {
protected:
    void SetUp() override {
        SearchHome::SetUp();
        ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
        m_lach = Number("lach");
        m_nux = Number("nux-v");
    }
    static CorvelaImpl& Engine() { return EngineInstance(); }
    static int Number(const char* name) {
        return static_cast<int>(CorvelaInstance().FindRemedy(name)->GetId());
    }
    // Appends a book on the given remedies; the facade owns it.
    FakeBook* AddBook(const std::vector<int>& remedies, int type = kSourceMateriaMedica) {
        auto book = std::make_unique<FakeBook>(Engine().NextSourcePosition(), remedies, type);
        FakeBook* raw = book.get();
        Engine().AppendSource(std::move(book));
        return raw;
    }
    int m_lach = -1;
    int m_nux = -1;
};

TEST_F(Books, MateriaMedicaFindsArticlesByWordAndRemedy) {
    FakeBook* book = AddBook({m_nux, m_lach, -1});
    book->index.entries = {{"fear", {0, 0, 2}}, {"pain", {1}}, {"stitching", {2}}};
    const auto article = [](std::uint32_t n) { return MakeItemId(1, n); };
    using Ids = std::vector<std::uint32_t>;
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "fear")), (Ids{article(0), article(2)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "itch")), (Ids{article(2)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "@lach")), (Ids{article(1)}));
    // Grades mean nothing in a materia medica: the comparison is ignored.
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "@lach>3")), (Ids{article(1)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "@lach -@nux-v")), (Ids{article(1)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "fear -@nux-v")),
              (Ids{article(0), article(2)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "@puls")), Ids{});
    // Scope 0: the repertory's hits first, then the book's.
    EXPECT_EQ(HitIds(MakeQuery(kScopeAll, "pain @lach")), (Ids{2, 4, article(1)}));

    QueryMarkup markup;
    const SearchQuery query = MakeQuery(kScopeMateriaMedicas, "stitch zzz @lach=2");
    EXPECT_TRUE(CorvelaInstance().AnalyzeQuery(&query, &markup));
    EXPECT_EQ(DescribeTokens(query, markup), "stitch/W zzz/N @lach/R =/X 2/X");
}

TEST_F(Books, DisabledSourcesAndUserArticleCollections) {
    FakeBook* book = AddBook({m_lach});
    book->index.entries = {{"fear", {0}}};
    FakeBook* collection = AddBook({-1}, kSourceUserArticles);
    collection->index.entries = {{"fear", {0}}, {"lach", {0}}};
    using Ids = std::vector<std::uint32_t>;
    // A user article collection is searched with scope 0 only, and never by remedy.
    EXPECT_EQ(HitIds(MakeQuery(kScopeAll, "fear")), (Ids{12, MakeItemId(1, 0), MakeItemId(2, 0)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "fear")), (Ids{MakeItemId(1, 0)}));
    EXPECT_EQ(HitIds(MakeQuery(kScopeAll, "@lach lach")), (Ids{}));

    book->enabled = false;
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "fear")), Ids{});
    QueryMarkup markup;
    const SearchQuery query = MakeQuery(kScopeMateriaMedicas, "fear");
    CorvelaInstance().AnalyzeQuery(&query, &markup);
    EXPECT_EQ(DescribeTokens(query, markup), "fear/N");
}

// Item numbers beyond what an identifier holds would otherwise wrap onto a
// real article when masked.
TEST_F(Books, PostingsOutsideTheItemRangeAreSkipped) {
    FakeBook* book = AddBook({m_lach, m_nux});
    book->index.entries = {{"odd", {-1, 1, 0x400000, 0x400001}}};
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "odd")),
              (std::vector<std::uint32_t>{MakeItemId(1, 1)}));
}

// Many postings over several words: merged ascending, each article once.
TEST_F(Books, ManyPostingsComeOutAscendingWithoutRepeats) {
    FakeBook* book = AddBook(std::vector<int>(400, -1));
    std::vector<std::int32_t> odd, even, all;
    for (std::int32_t n = 0; n < 400; ++n) {
        (n % 2 != 0 ? odd : even).push_back(n);
        (n % 2 != 0 ? odd : even).push_back(n);  // a word twice in one article
        all.push_back(n);
    }
    book->index.entries = {{"xodd", odd}, {"xeven", even}, {"xodd2", odd}};
    std::vector<std::uint32_t> expected;
    for (std::int32_t n : all) expected.push_back(MakeItemId(1, static_cast<std::uint32_t>(n)));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "x")), expected);
    std::vector<std::uint32_t> evens;
    for (std::int32_t n : even)
        if (evens.empty() || evens.back() != MakeItemId(1, static_cast<std::uint32_t>(n)))
            evens.push_back(MakeItemId(1, static_cast<std::uint32_t>(n)));
    EXPECT_EQ(HitIds(MakeQuery(kScopeMateriaMedicas, "x -odd")), evens);
}

}  // namespace
