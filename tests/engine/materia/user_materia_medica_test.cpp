// The user's own materia medicas: editing, saving, reopening, and what a
// failed save or open leaves behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "materia/user_article_impl.h"
#include "materia/user_materia_medica_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

class UserMateria : public HomeTest {
protected:
    static Corvela& Engine() { return CorvelaInstance(); }
    static UserMateriaMedica* NewBook() {
        return static_cast<UserMateriaMedica*>(Engine().CreateUserMateriaMedica());
    }
    // The columns of a remedy's row that hold the identifier.
    static int RowCount(int remedy, const Guid& wanted) {
        int found = 0;
        for (int column = 0; column < Engine().GetRemedySourceCount(remedy); ++column) {
            Guid id;
            Engine().GetRemedySource(remedy, column, &id);
            found += id == wanted;
        }
        return found;
    }
    static int RowCount(int remedy, DataSource* source) {
        return RowCount(remedy, *source->GetGuid());
    }
    ScratchDirectory m_dir;
};

constexpr int kAcon = 0, kArs = 1, kBell = 2;

}  // namespace

TEST_F(UserMateria, ANewBookIsEmptyNewAndIdentified) {
    UserMateriaMedica* book = NewBook();
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->GetType(), kSourceMateriaMedica);
    EXPECT_EQ(book->GetFlags(), 2u);
    EXPECT_TRUE(book->IsNew());
    EXPECT_EQ(book->GetWordIndex(), nullptr);
    EXPECT_EQ(book->GetArticleCount(), 0);
    EXPECT_STREQ(book->GetFilePath(), "");
    EXPECT_EQ(Engine().GetDataSource(static_cast<unsigned>(book->GetPosition())), book);
    // A random version 4 identifier.
    EXPECT_FALSE(book->GetGuid()->IsNull());
    EXPECT_EQ(book->GetGuid()->data3 >> 12, 4);
    EXPECT_NE(*NewBook()->GetGuid(), *book->GetGuid());
}

TEST_F(UserMateria, CreatingAndDeletingArticlesKeepTheRemedyRows) {
    UserMateriaMedica* book = NewBook();
    UserMMArticle* aconite = book->GetOrCreateArticle(kAcon);
    EXPECT_EQ(aconite->GetRemedy(), kAcon);
    EXPECT_EQ(aconite->GetId(), 0xFFFFFFFFu);
    EXPECT_EQ(book->GetOrCreateArticle(kAcon), aconite);  // the same article again
    EXPECT_EQ(RowCount(kAcon, book), 1);
    UserMMArticle* intro = book->GetOrCreateArticle(-1);
    EXPECT_EQ(book->GetArticleCount(), 2);
    EXPECT_EQ(book->GetUserArticle(1), intro);
    EXPECT_EQ(book->GetUserArticle(2), nullptr);
    EXPECT_EQ(book->FindArticle(-1), intro);

    book->DeleteArticle(kBell);  // none: nothing changes
    EXPECT_EQ(book->GetArticleCount(), 2);
    EXPECT_EQ(RowCount(kAcon, book), 1);
    book->DeleteArticle(kAcon);
    EXPECT_EQ(book->GetArticleCount(), 1);
    EXPECT_EQ(book->FindArticle(kAcon), nullptr);
    EXPECT_EQ(RowCount(kAcon, book), 0);
    EXPECT_EQ(book->GetArticle(0), intro);
}

TEST_F(UserMateria, MovingAnArticleToAnotherRemedyRefilesIt) {
    UserMateriaMedica* book = NewBook();
    UserMMArticle* article = book->GetOrCreateArticle(kAcon);
    article->SetRemedy(kArs);
    EXPECT_EQ(book->FindArticle(kAcon), nullptr);
    EXPECT_EQ(book->FindArticle(kArs), article);
    EXPECT_EQ(RowCount(kAcon, book), 0);
    EXPECT_EQ(RowCount(kArs, book), 1);
    EXPECT_EQ(book->GetOrCreateArticle(kAcon)->GetText(), std::string());  // a new one
    EXPECT_EQ(book->GetArticleCount(), 2);
}

TEST_F(UserMateria, EditsWithdrawTheIndexUntilSaved) {
    UserMateriaMedica* book = NewBook();
    book->SetText2("Notes");
    book->GetOrCreateArticle(kBell)->SetText("Worse at night.");
    book->GetOrCreateArticle(-1)->SetRichText("{\\rtf1 intro}");
    const std::string path = m_dir / "mine.mmb";
    ASSERT_TRUE(book->Save(path.c_str())) << Engine().GetMateriaMedicaBuilder()->GetSaveError();
    EXPECT_FALSE(book->IsNew());
    EXPECT_STREQ(book->GetFilePath(), path.c_str());
    ASSERT_NE(book->GetWordIndex(), nullptr);
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "night"), std::vector<int>{0});

    // Texts of the source itself keep the file; every article edit drops it.
    book->SetText4("four");
    EXPECT_FALSE(book->IsNew());
    const struct {
        const char* what;
        void (*edit)(UserMMArticle*);
    } edits[] = {
        {"text", [](UserMMArticle* a) { a->SetText("Better by day."); }},
        {"rich text", [](UserMMArticle* a) { a->SetRichText("{\\rtf1 day}"); }},
        {"remedy", [](UserMMArticle* a) { a->SetRemedy(kBell); }},
    };
    for (const auto& e : edits) {
        ASSERT_TRUE(book->Save(path.c_str())) << e.what;
        e.edit(book->GetUserArticle(0));
        EXPECT_TRUE(book->IsNew()) << e.what;
        EXPECT_EQ(book->GetWordIndex(), nullptr) << e.what;
    }
    // Saving over the file its own backing file maps gives the new words.
    ASSERT_TRUE(book->Save(path.c_str()));
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "day"), std::vector<int>{0});
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "night"), std::vector<int>{-2});

    // Another source opening the file gets everything back.
    UserMateriaMedica* copy = NewBook();
    ASSERT_TRUE(copy->Open(path.c_str()));
    EXPECT_EQ(*copy->GetGuid(), *book->GetGuid());
    EXPECT_EQ(copy->GetFlags(), 2u);
    EXPECT_STREQ(copy->GetText2(), "Notes");
    EXPECT_STREQ(copy->GetText4(), "four");
    ASSERT_EQ(copy->GetArticleCount(), 2);
    EXPECT_EQ(copy->GetArticle(0)->GetRemedy(), kBell);
    EXPECT_STREQ(copy->GetArticle(0)->GetText(), "Better by day.");
    EXPECT_STREQ(copy->GetArticle(0)->GetRichText(), "{\\rtf1 day}");
    EXPECT_EQ(copy->FindArticle(-1)->GetRichText(), std::string("{\\rtf1 intro}"));
    EXPECT_EQ(copy->GetArticle(1)->GetId(), MakeItemId(copy->GetPosition(), 1));
    EXPECT_FALSE(copy->IsNew());
}

TEST_F(UserMateria, AFailedSaveLosesNothing) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kAcon)->SetText("Anxiety.");
    const std::string path = m_dir / "mine.mmb";
    ASSERT_TRUE(book->Save(path.c_str()));
    const std::vector<std::uint8_t> savedFile = ReadBytes(path);
    const std::vector<std::uint8_t> savedIndex = ReadBytes(m_dir / "mine.idx");

    // The builder cannot write: the previous backing file stays.
    EXPECT_FALSE(book->Save((m_dir / "gone/mine.mmb").c_str()));
    EXPECT_FALSE(book->IsNew());
    EXPECT_STREQ(book->GetFilePath(), path.c_str());
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "anxiety"), std::vector<int>{0});

    // A word the index cannot hold: nothing is written, the articles stay.
    book->GetOrCreateArticle(kArs)->SetText(std::string(3000, 'w').c_str());
    EXPECT_FALSE(book->Save(path.c_str()));
    EXPECT_NE(std::string(Engine().GetMateriaMedicaBuilder()->GetSaveError()).find("2,047"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(path), savedFile);
    EXPECT_EQ(ReadBytes(m_dir / "mine.idx"), savedIndex);
    EXPECT_EQ(ListNames(m_dir.Path()), (std::vector<std::string>{"mine.idx", "mine.mmb"}));
    ASSERT_EQ(book->GetArticleCount(), 2);
    EXPECT_STREQ(book->FindArticle(kAcon)->GetText(), "Anxiety.");
    EXPECT_TRUE(book->IsNew());

    // A folder the user may not write to (permissions do not bind root).
    if (::geteuid() == 0) return;
    book->GetUserArticle(1)->SetText("short");
    std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(book->Save(path.c_str()));
    std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(ReadBytes(path), savedFile);
    EXPECT_EQ(book->GetArticleCount(), 2);
}

TEST_F(UserMateria, AFailedOpenKeepsWhatTheSourceHeld) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kAcon)->SetText("Unsaved.");
    EXPECT_FALSE(book->Open((m_dir / "missing.mmb").c_str()));
    ASSERT_EQ(book->GetArticleCount(), 1);
    EXPECT_STREQ(book->GetArticle(0)->GetText(), "Unsaved.");
    EXPECT_EQ(RowCount(kAcon, book), 1);
    const Guid before = *book->GetGuid();

    // A successful open replaces the articles and their rows.
    ASSERT_TRUE(CompileMateriaMedica(
        m_dir / "other.mmb", MateriaDescription(kTestMateriaMedicaId, "Other", 2),
        {{"bell", "", "One.", nullptr}, {"bell", "", "Two.", nullptr}}));
    ASSERT_TRUE(book->Open((m_dir / "other.mmb").c_str()));
    EXPECT_EQ(RowCount(kAcon, before), 0);
    EXPECT_EQ(RowCount(kBell, book), 2);  // one entry per article, as discovery makes them
    EXPECT_STREQ(book->FindArticle(kBell)->GetText(), "Two.");
    EXPECT_STREQ(book->GetName(), "Other");
}

TEST_F(UserMateria, AnArticleCollectionHoldsOneArticleAboutNoRemedy) {
    auto* collection = static_cast<UserArticle*>(Engine().CreateUserArticleCollection());
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(collection->GetType(), kSourceUserArticles);
    EXPECT_EQ(collection->GetFlags(), 3u);
    EXPECT_TRUE(collection->IsNew());
    ASSERT_NE(collection->GetItem(0), nullptr);
    EXPECT_EQ(collection->GetItem(1), nullptr);
    EXPECT_EQ(static_cast<Article*>(collection->GetItem(0))->GetRemedy(), -1);
    EXPECT_STREQ(collection->GetArticleText(), "");

    collection->SetName("Case notes");
    collection->SetText3("Dr. Author");
    collection->SetText5("What it is about");
    collection->SetArticleText("Observed in practice.");
    collection->SetArticleRichText("{\\rtf1 observed}");
    const std::string path = m_dir / "notes.mmb";
    ASSERT_TRUE(collection->Save(path.c_str()));
    EXPECT_FALSE(collection->IsNew());
    collection->SetName("Renamed");  // the source's own texts keep the file
    EXPECT_FALSE(collection->IsNew());
    EXPECT_EQ(PostingsOf(*collection->GetWordIndex(), "practice"), std::vector<int>{0});
    collection->SetArticleText("Changed.");
    EXPECT_TRUE(collection->IsNew());

    UserArticleImpl reopened;
    ASSERT_TRUE(reopened.Open(path.c_str()));
    EXPECT_EQ(*reopened.GetGuid(), *collection->GetGuid());
    EXPECT_EQ(reopened.GetFlags(), 3u);
    EXPECT_STREQ(reopened.GetName(), "Case notes");
    EXPECT_STREQ(reopened.GetText3(), "Dr. Author");
    EXPECT_STREQ(reopened.GetText5(), "What it is about");
    EXPECT_STREQ(reopened.GetArticleText(), "Observed in practice.");
    EXPECT_STREQ(reopened.GetArticleRichText(), "{\\rtf1 observed}");
    EXPECT_EQ(Engine().GetRemedySourceCount(-1), 0);
}
