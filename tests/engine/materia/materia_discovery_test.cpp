// Materia medicas found in the program directory: their positions, what
// their flags load them as, and the remedy-to-source table.
#include <gtest/gtest.h>

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
        ParseGuid(text, &id);
        return id;
    }
    static std::vector<Guid> Row(int remedy) {
        std::vector<Guid> row(static_cast<std::size_t>(Engine().GetRemedySourceCount(remedy)));
        for (std::size_t i = 0; i < row.size(); ++i)
            Engine().GetRemedySource(remedy, static_cast<int>(i), &row[i]);
        return row;
    }
    static void Compile(const char* file, const char* id, std::uint32_t flags,
                        const std::vector<TestArticle>& articles) {
        ASSERT_TRUE(
            CompileMateriaMedica(HomePath(file), MateriaDescription(id, file, flags), articles));
    }
};

}  // namespace

TEST_F(MateriaDiscovery, AfterTheRepertoriesByNameWithOneRowEntryPerArticle) {
    Compile("b.mmb", kIdB, 0x40, {{"acon", "", "b on acon", nullptr}});
    Compile("a.mmb", kIdA, 0x40,
            {{"", "", "intro", nullptr},
             {"acon", "", "1", nullptr},
             {"ars", "", "2", nullptr},
             {"acon", "", "3", nullptr}});
    ASSERT_EQ(CompileRepertory("root\n\tchild\n", HomePath("z.rpb")), 1);
    ASSERT_EQ(Engine().GetDataSourceCount(), 3u);
    EXPECT_EQ(Engine().GetDataSource(0)->GetType(), kSourceRepertory);
    EXPECT_STREQ(Engine().GetDataSource(1)->GetName(), "a.mmb");
    DataItem* item = Engine().GetDataSourceOfItem(MakeItemId(2, 0))->GetItem(MakeItemId(2, 0));
    EXPECT_EQ(item->GetId(), MakeItemId(2, 0));
    EXPECT_STREQ(static_cast<Article*>(item)->GetText(), "b on acon");
    EXPECT_EQ(Row(kAcon), (std::vector<Guid>{Id(kIdA), Id(kIdA), Id(kIdB)}));
    EXPECT_EQ(Row(kArs), std::vector<Guid>{Id(kIdA)});
    EXPECT_EQ(Engine().GetRemedySourceCount(-1), 0);
}

TEST_F(MateriaDiscovery, FlagsDecideWhatAFileIsLoadedAs) {
    const struct {
        std::uint32_t flags;
        int type;
        bool editable;
    } cases[] = {
        {0x40, 2, false}, {0x42, 2, false}, {0x00, 2, false}, {0x05, 2, false},
        {0x02, 2, true},  {0x102, 2, true}, {0x03, 3, true},  {0x83, 3, true},
    };
    for (const auto& c : cases) {
        Engine().CloseAll();
        Compile("m.mmb", kIdA, c.flags, {{"ars", "", "text", nullptr}});
        DataSource* source = Engine().GetDataSource(0);
        ASSERT_NE(source, nullptr) << c.flags;
        EXPECT_EQ(source->GetType(), c.type) << c.flags;
        EXPECT_EQ(dynamic_cast<UserMateriaMedica*>(source) != nullptr ||
                      dynamic_cast<UserArticle*>(source) != nullptr,
                  c.editable)
            << c.flags;
        EXPECT_EQ(*source->GetGuid(), Id(kIdA)) << c.flags;
        EXPECT_EQ(source->GetFilePath(), HomePath("m.mmb")) << c.flags;
        EXPECT_FALSE(source->IsNew()) << c.flags;
        EXPECT_EQ(Engine().GetRemedySourceCount(kArs), c.type == 2 ? 1 : 0) << c.flags;
    }
}

TEST_F(MateriaDiscovery, SavedUserSourcesAreWrappedAgainAtTheNextDiscovery) {
    Compile("a.mmb", kIdA, 0x40, {{"ars", "", "plain", nullptr}});
    auto* book = static_cast<UserMateriaMedica*>(Engine().CreateUserMateriaMedica());
    EXPECT_EQ(book->GetPosition(), 1);  // discovery ran first
    const Guid bookId = *book->GetGuid();
    book->GetOrCreateArticle(kArs)->SetText("mine on ars");
    book->GetOrCreateArticle(kSulph)->SetText("mine on sulph");
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
    ASSERT_TRUE(book->Save(HomePath("u.mmb").c_str()));
    auto* notes = static_cast<UserArticle*>(Engine().CreateUserArticleCollection());
    notes->SetArticleText("a collection");
    ASSERT_TRUE(notes->Save(HomePath("v.mmb").c_str()));
    const Guid notesId = *notes->GetGuid();

    Engine().CloseAll();
    ASSERT_EQ(Engine().GetDataSourceCount(), 3u);
    auto* again = dynamic_cast<UserMateriaMedica*>(Engine().GetDataSource(1));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(*again->GetGuid(), bookId);
    EXPECT_EQ(again->FindArticle(kSulph)->GetId(), MakeItemId(1, 1));
    auto* collection = dynamic_cast<UserArticle*>(Engine().GetDataSource(2));
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(*collection->GetGuid(), notesId);
    EXPECT_STREQ(collection->GetArticleText(), "a collection");
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
    EXPECT_EQ(Row(kSulph), std::vector<Guid>{bookId});

    // Deleting a wrapped article removes its entry; creating it again adds one.
    again->DeleteArticle(kArs);
    EXPECT_EQ(Row(kArs), std::vector<Guid>{Id(kIdA)});
    again->GetOrCreateArticle(kArs);
    again->GetOrCreateArticle(kArs);
    EXPECT_EQ(Row(kArs), (std::vector<Guid>{Id(kIdA), bookId}));
}
