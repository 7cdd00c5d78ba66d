// Searching compiled materia medicas and the user's own materia medica beside
// the fixture repertory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search_fixture.h"

using namespace search_test;

namespace {

constexpr const char* kBookId = "0C3D9E44-71A2-4B5C-8D6E-7F8091A2B3C4";

struct BookArticle {
    const char* name;
    const char* text;
};

void CompileBook(const std::string& file, const std::vector<BookArticle>& articles) {
    const MateriaMedicaDescription description{kBookId, "Book", "", "", "", "", 0x40};
    MateriaMedicaBuilder* builder = CorvelaInstance().GetMateriaMedicaBuilder();
    ASSERT_NE(builder, nullptr);
    builder->Begin(&description);
    for (const BookArticle& article : articles)
        builder->AddArticle(article.name, article.name, article.text, nullptr);
    builder->End();
    ASSERT_TRUE(builder->Save(corvela_test::HomePath(file).c_str()));
}

std::vector<std::uint32_t> HitIds(int scope, const std::string& text) {
    Corvela& engine = CorvelaInstance();
    const SearchQuery query = MakeQuery(scope, text);
    engine.Search(&query);
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < engine.GetResultCount(); ++i)
        ids.push_back(engine.GetResult(i)->item->GetId());
    return ids;
}

using Ids = std::vector<std::uint32_t>;

// The repertory is source 0, the book source 1.
class MateriaSearch : public SearchHome {
protected:
    void SetUp() override {
        SearchHome::SetUp();
        CompileBook("c_book.mmb", {{"lach", "Fear of death. Headache in the morning."},
                                   {"nux-v", "Irritable; morning nausea."},
                                   {"", "Introduction: how to read the book."},
                                   {"bell", "Throbbing headache, worse at night."}});
        ASSERT_EQ(CorvelaInstance().GetDataSourceCount(), 2u);
        ASSERT_EQ(CorvelaInstance().GetDataSource(1)->GetType(), kSourceMateriaMedica);
    }
    static std::uint32_t Article(std::uint32_t n) { return MakeItemId(1, n); }
};

TEST_F(MateriaSearch, WordsAndRemediesFindArticles) {
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "@lach"), Ids{Article(0)});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "@lach>2"), Ids{Article(0)});  // no grades here
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "headache"), (Ids{Article(0), Article(3)}));
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "HEADACHE -night"), Ids{Article(0)});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "morning @nux-v"), Ids{Article(1)});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "read"), Ids{Article(2)});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "@puls"), Ids{});
    EXPECT_EQ(HitIds(kScopeRepertories, "headache"), Ids{});
}

// With scope 2 excluded remedies are dropped; with scope 0 they are not.
TEST_F(MateriaSearch, ExcludedRemediesAndScope) {
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "@lach -@nux-v"), Ids{Article(0)});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "morning -@nux-v"), (Ids{Article(0), Article(1)}));
    EXPECT_EQ(HitIds(kScopeAll, "morning -@nux-v"), Ids{Article(0)});
    EXPECT_EQ(HitIds(kScopeAll, "night"), (Ids{3, 10, Article(3)}));
}

TEST_F(MateriaSearch, CheckingAgainstMateriaMedicas) {
    const SearchQuery query = MakeQuery(kScopeMateriaMedicas, "death @lach>2 zzz pain");
    QueryMarkup markup;
    EXPECT_TRUE(CorvelaInstance().AnalyzeQuery(&query, &markup));
    // "pain" is only in the repertory, which scope 2 leaves out.
    EXPECT_EQ(DescribeTokens(query, markup), "death/W @lach/R >/X 2/X zzz/N pain/N");
}

// A user materia medica's index changes with every save; searches must follow.
TEST_F(MateriaSearch, UserMateriaMedicaIsSearchedWithItsLatestSave) {
    auto* book = static_cast<UserMateriaMedica*>(CorvelaInstance().CreateUserMateriaMedica());
    ASSERT_NE(book, nullptr);
    const int lach = static_cast<int>(CorvelaInstance().FindRemedy("lach")->GetId());
    UserMMArticle* article = book->GetOrCreateArticle(lach);
    const std::string path = corvela_test::HomePath("user_book.mmb");
    const std::uint32_t id = MakeItemId(2, 0);

    article->SetText("Burning pains.");
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "burning"), Ids{});  // not saved: no index
    ASSERT_TRUE(book->Save(path.c_str()));
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "burning"), Ids{id});
    EXPECT_EQ(HitIds(kScopeMateriaMedicas, "@lach"), (Ids{Article(0), id}));

    for (const char* word : {"cold", "hot"}) {
        article->SetText((std::string(word) + " sweat").c_str());
        EXPECT_EQ(HitIds(kScopeMateriaMedicas, word), Ids{});
        ASSERT_TRUE(book->Save(path.c_str()));
        EXPECT_EQ(HitIds(kScopeMateriaMedicas, word), Ids{id}) << word;
        EXPECT_EQ(HitIds(kScopeMateriaMedicas, "burning"), Ids{});
    }
}

}  // namespace
