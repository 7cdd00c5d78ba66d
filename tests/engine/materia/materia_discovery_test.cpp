// Materia medicas found in the program directory: their positions, how their
// flags decide what they are loaded as, and the remedy-to-source table.
#include <gtest/gtest.h>

#include <filesystem>

#include "materia_fixture.h"
#include "repertory_fixture.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

constexpr const char* kIdA = "11111111-2222-3333-4444-555555555555";
constexpr const char* kIdB = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";
constexpr int kAcon = 0, kArs = 1, kSulph = 7;

class MateriaDiscovery : public HomeTest {
protected:
    static Corvela& Engine() { return CorvelaInstance(); }
    static Guid Id(const char* text) {
        Guid id;
        EXPECT_TRUE(ParseGuid(text, &id));
        return id;
    }
    static std::vector<Guid> Row(int remedy) {
        std::vector<Guid> row(static_cast<std::size_t>(Engine().GetRemedySourceCount(remedy)));
        for (std::size_t i = 0; i < row.size(); ++i)
            Engine().GetRemedySource(remedy, static_cast<int>(i), &row[i]);
        return row;
    }
};

}  // namespace

TEST_F(MateriaDiscovery, RepertoriesFirstThenMateriaMedicasByName) {
    ASSERT_TRUE(CompileMateriaMedica(HomePath("b.mmb"), MateriaDescription(kIdB, "B", 0x40),
                                     {{"acon", "", "b on acon", nullptr}}));
    ASSERT_TRUE(CompileMateriaMedica(HomePath("a.mmb"), MateriaDescription(kIdA, "A", 0x40),
                                     {{"", "", "intro", nullptr},
                                      {"acon", "", "first", nullptr},
                                      {"ars", "", "ars", nullptr},
                                      {"acon", "", "second", nullptr}}));
    ASSERT_EQ(CompileRepertory("root\n\tchild\n", HomePath("z.rpb")), 1);
    ASSERT_EQ(Engine().GetDataSourceCount(), 3u);
    EXPECT_EQ(Engine().GetDataSource(0)->GetType(), kSourceRepertory);
    auto* a = static_cast<MateriaMedica*>(Engine().GetDataSource(1));
    EXPECT_STREQ(a->GetName(), "A");
    EXPECT_EQ(a->GetPosition(), 1);
    EXPECT_EQ(a->GetArticle(3)->GetId(), MakeItemId(1, 3));
    EXPECT_EQ(Engine().GetDataSourceOfItem(MakeItemId(2, 0)), Engine().GetDataSource(2));
    EXPECT_STREQ(
        static_cast<Article*>(Engine().GetDataSource(2)->GetItem(MakeItemId(2, 0)))->GetText(),
        "b on acon");

    // One entry per article, in discovery and article order, duplicates kept.
    EXPECT_EQ(Row(kAcon), (std::vector<Guid>{Id(kIdA), Id(kIdA), Id(kIdB)}));
    EXPECT_EQ(Row(kArs), std::vector<Guid>{Id(kIdA)});
    EXPECT_EQ(Engine().GetRemedySourceCount(kSulph), 0);
    EXPECT_EQ(Engine().GetRemedySourceCount(-1), 0);
    Guid untouched = Id(kIdB);
    Engine().GetRemedySource(kArs, 1, &untouched);
    EXPECT_EQ(untouched, Id(kIdB));
}

TEST_F(MateriaDiscovery, FlagsDecideWhatAFileIsLoadedAs) {
    struct Case {
        std::uint32_t flags;
        int type;
        bool editable;
    };
    const Case cases[] = {
        {0x40, kSourceMateriaMedica, false}, {0x42, kSourceMateriaMedica, false},
        {0x43, kSourceMateriaMedica, false}, {0x00, kSourceMateriaMedica, false},
        {0x05, kSourceMateriaMedica, false}, {0x02, kSourceMateriaMedica, true},
        {0x102, kSourceMateriaMedica, true}, {0x03, kSourceUserArticles, true},
        {0x83, kSourceUserArticles, true},
    };
    for (const Case& c : cases) {
        Engine().CloseAll();
        ASSERT_TRUE(CompileMateriaMedica(HomePath("m.mmb"), MateriaDescription(kIdA, "M", c.flags),
                                         {{"ars", "", "text", nullptr}}));
        ASSERT_EQ(Engine().GetDataSourceCount(), 1u) << c.flags;
        DataSource* source = Engine().GetDataSource(0);
        EXPECT_EQ(source->GetType(), c.type) << c.flags;
        EXPECT_EQ(dynamic_cast<UserMateriaMedica*>(source) != nullptr ||
                      dynamic_cast<UserArticle*>(source) != nullptr,
                  c.editable)
            << c.flags;
        EXPECT_EQ(*source->GetGuid(), Id(kIdA)) << c.flags;
        EXPECT_EQ(source->GetPosition(), 0) << c.flags;
        EXPECT_EQ(source->GetFilePath(), HomePath("m.mmb")) << c.flags;
        EXPECT_FALSE(source->IsNew()) << c.flags;
        EXPECT_NE(source->GetWordIndex(), nullptr) << c.flags;
        // Only type 2 sources stand in the remedy rows.
        EXPECT_EQ(Engine().GetRemedySourceCount(kArs), c.type == kSourceMateriaMedica ? 1 : 0)
            << c.flags;
    }
}

TEST_F(MateriaDiscovery, SavedUserSourcesAreWrappedAgainAtTheNextDiscovery) {
    ASSERT_TRUE(CompileMateriaMedica(HomePath("a.mmb"), MateriaDescription(kIdA, "A", 0x40),
                                     {{"ars", "", "plain", nullptr}}));
    ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
    auto* book = static_cast<UserMateriaMedica*>(Engine().CreateUserMateriaMedica());
    EXPECT_EQ(book->GetPosition(), 1);
    const Guid bookId = *book->GetGuid();
    book->GetOrCreateArticle(kArs)->SetText("mine on ars");
    book->GetOrCreateArticle(kSulph)->SetText("mine on sulph");
    book->GetOrCreateArticle(kAcon);
    book->DeleteArticle(kAcon);
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
    EXPECT_EQ(Row(kSulph), std::vector<Guid>{bookId});
    EXPECT_TRUE(Row(kAcon).empty());
    ASSERT_TRUE(book->Save(HomePath("u.mmb").c_str()));

    auto* notes = static_cast<UserArticle*>(Engine().CreateUserArticleCollection());
    EXPECT_EQ(notes->GetPosition(), 2);
    notes->SetName("Notes");
    notes->SetArticleText("a collection");
    ASSERT_TRUE(notes->Save(HomePath("v.mmb").c_str()));
    const Guid notesId = *notes->GetGuid();

    Engine().CloseAll();
    ASSERT_EQ(Engine().GetDataSourceCount(), 3u);
    auto* again = dynamic_cast<UserMateriaMedica*>(Engine().GetDataSource(1));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(*again->GetGuid(), bookId);
    EXPECT_EQ(again->GetPosition(), 1);
    EXPECT_STREQ(again->FindArticle(kSulph)->GetText(), "mine on sulph");
    EXPECT_EQ(again->FindArticle(kSulph)->GetId(), MakeItemId(1, 1));
    auto* collection = dynamic_cast<UserArticle*>(Engine().GetDataSource(2));
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(*collection->GetGuid(), notesId);
    EXPECT_STREQ(collection->GetName(), "Notes");
    EXPECT_STREQ(collection->GetArticleText(), "a collection");
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
    EXPECT_EQ(Row(kSulph), std::vector<Guid>{bookId});

    // Deleting a wrapped article removes its entry, creating it again adds one.
    again->DeleteArticle(kArs);
    EXPECT_EQ(Row(kArs), std::vector<Guid>{Id(kIdA)});
    EXPECT_TRUE(again->IsNew());
    again->GetOrCreateArticle(kArs);
    again->GetOrCreateArticle(kArs);
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
}

TEST_F(MateriaDiscovery, CreatingAUserSourceFirstStillFindsTheDataFiles) {
    ASSERT_TRUE(CompileMateriaMedica(HomePath("a.mmb"), MateriaDescription(kIdA, "A", 0x40),
                                     {{"ars", "", "plain", nullptr}}));
    DataSource* book = Engine().CreateUserMateriaMedica();
    EXPECT_EQ(book->GetPosition(), 1);
    EXPECT_EQ(Engine().GetDataSourceCount(), 2u);
    EXPECT_EQ(Engine().FindDataSourceByName("A")->GetPosition(), 0);
}
