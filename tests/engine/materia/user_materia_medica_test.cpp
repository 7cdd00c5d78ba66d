// The user's own materia medicas: editing, saving, reopening, and what a
// failed save or open leaves behind.
#include <gtest/gtest.h>

#include <cstdio>

#include "materia/user_article_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

constexpr int kAcon = 0, kArs = 1, kBell = 2;

class UserMateria : public HomeTest {
protected:
    static Corvela& Engine() { return CorvelaInstance(); }
    static UserMateriaMedica* NewBook() {
        return static_cast<UserMateriaMedica*>(Engine().CreateUserMateriaMedica());
    }
    // How often the identifier stands in the remedy's row.
    static int InRow(int remedy, const Guid& wanted) {
        int found = 0;
        for (int column = 0; column < Engine().GetRemedySourceCount(remedy); ++column) {
            Guid id;
            Engine().GetRemedySource(remedy, column, &id);
            found += id == wanted;
        }
        return found;
    }
    std::string Path() const { return m_dir / "mine.mmb"; }
    ScratchDirectory m_dir;
};

}  // namespace

TEST_F(UserMateria, ArticlesAreMadeOnceAndRefiledWhenTheirRemedyChanges) {
    UserMateriaMedica* book = NewBook();
    EXPECT_EQ(book->GetGuid()->data3 >> 12, 4);  // a fresh version 4 identifier
    UserMMArticle* article = book->GetOrCreateArticle(kAcon);
    // Referable at once: the identifier is what GetItem answers it by.
    EXPECT_EQ(article->GetId(), MakeItemId(book->GetPosition(), 0));
    EXPECT_EQ(book->GetItem(article->GetId()), article);
    EXPECT_EQ(book->GetOrCreateArticle(kAcon), article);
    EXPECT_EQ(InRow(kAcon, *book->GetGuid()), 1);
    book->DeleteArticle(kBell);  // none: nothing changes
    EXPECT_EQ(book->GetArticleCount(), 1);

    article->SetRemedy(kArs);
    EXPECT_EQ(book->FindArticle(kAcon), nullptr);
    EXPECT_EQ(book->FindArticle(kArs), article);
    EXPECT_EQ(InRow(kAcon, *book->GetGuid()), 0);
    EXPECT_EQ(InRow(kArs, *book->GetGuid()), 1);
    book->DeleteArticle(kArs);
    EXPECT_EQ(book->GetArticleCount(), 0);
    EXPECT_EQ(InRow(kArs, *book->GetGuid()), 0);

    // A number the catalogue does not know is saved as it stands.
    book->GetOrCreateArticle(500)->SetText("elsewhere");
    ASSERT_TRUE(book->Save(Path().c_str()));
    UserMateriaMedicaImpl copy;
    ASSERT_TRUE(copy.Open(Path().c_str()));
    EXPECT_STREQ(copy.FindArticle(500)->GetText(), "elsewhere");
}

TEST_F(UserMateria, IdentifiersFollowPositionsAcrossDeletions) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kAcon);
    book->GetOrCreateArticle(kArs);
    UserMMArticle* bell = book->GetOrCreateArticle(kBell);
    EXPECT_EQ(bell->GetId(), MakeItemId(book->GetPosition(), 2));
    book->DeleteArticle(kAcon);
    EXPECT_EQ(bell->GetId(), MakeItemId(book->GetPosition(), 1));
    EXPECT_EQ(book->GetItem(bell->GetId()), bell);
}

TEST_F(UserMateria, DeletingAnArticleEmptiesTheSearchResults) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kBell)->SetText("Throbbing headache.");
    ASSERT_TRUE(book->Save(Path().c_str()));
    SearchQuery query;
    query.scope = kScopeMateriaMedicas;
    std::snprintf(query.text, sizeof query.text, "@bell");
    Engine().Search(&query);
    ASSERT_EQ(Engine().GetResultCount(), 1);
    // The hit list may only ever point at live articles.
    book->DeleteArticle(kBell);
    EXPECT_EQ(Engine().GetResultCount(), 0);
}

TEST_F(UserMateria, EditsWithdrawTheIndexUntilTheNextSave) {
    UserMateriaMedica* book = NewBook();
    EXPECT_TRUE(book->IsNew());
    book->SetText2("Notes");
    book->GetOrCreateArticle(kBell)->SetText("Worse at night.");
    book->GetOrCreateArticle(-1)->SetRichText("{\\rtf1 intro}");
    ASSERT_TRUE(book->Save(Path().c_str()));
    EXPECT_FALSE(book->IsNew());
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "night"), Only(0));
    book->SetText4("four");  // the source's own texts keep the file
    EXPECT_FALSE(book->IsNew());

    void (*edits[])(UserMMArticle*) = {
        [](UserMMArticle* a) { a->SetText("Better by day."); },
        [](UserMMArticle* a) { a->SetRichText("{\\rtf1 day}"); },
        [](UserMMArticle* a) { a->SetRemedy(kBell); },
    };
    for (auto edit : edits) {
        ASSERT_TRUE(book->Save(book->GetFilePath()));  // over the file it maps itself
        edit(book->GetUserArticle(0));
        EXPECT_TRUE(book->IsNew());
        EXPECT_EQ(book->GetWordIndex(), nullptr);
    }
    ASSERT_TRUE(book->Save(Path().c_str()));
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "day"), Only(0));
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "night"), Only(-2));

    UserMateriaMedica* copy = NewBook();
    ASSERT_TRUE(copy->Open(Path().c_str()));
    EXPECT_EQ(*copy->GetGuid(), *book->GetGuid());
    EXPECT_EQ(copy->GetFlags(), 2u);
    EXPECT_STREQ(copy->GetText4(), "four");
    ASSERT_EQ(copy->GetArticleCount(), 2);
    EXPECT_STREQ(copy->FindArticle(kBell)->GetText(), "Better by day.");
    EXPECT_STREQ(copy->FindArticle(-1)->GetRichText(), "{\\rtf1 intro}");
    EXPECT_EQ(copy->GetArticle(1)->GetId(), MakeItemId(copy->GetPosition(), 1));
    EXPECT_EQ(InRow(kBell, *book->GetGuid()), 2);  // the book's entry and the copy's
}

TEST_F(UserMateria, AFailedSaveOrOpenLosesNothing) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kAcon)->SetText("Anxiety.");
    ASSERT_TRUE(book->Save(Path().c_str()));
    const std::vector<std::uint8_t> saved = ReadBytes(Path());

    // The builder cannot write: the previous backing file stays.
    EXPECT_FALSE(book->Save((m_dir / "gone/mine.mmb").c_str()));
    EXPECT_STREQ(book->GetFilePath(), Path().c_str());
    EXPECT_EQ(PostingsOf(*book->GetWordIndex(), "anxiety"), Only(0));

    // A word the index cannot hold: nothing is written, the articles stay.
    book->GetOrCreateArticle(kArs)->SetText(std::string(3000, 'w').c_str());
    EXPECT_FALSE(book->Save(Path().c_str()));
    EXPECT_EQ(ReadBytes(Path()), saved);
    EXPECT_EQ(ListNames(m_dir.Path()), (std::vector<std::string>{"mine.idx", "mine.mmb"}));
    EXPECT_STREQ(book->FindArticle(kAcon)->GetText(), "Anxiety.");
    EXPECT_EQ(book->GetArticleCount(), 2);

    // A file that cannot be opened leaves the unsaved articles in place.
    EXPECT_FALSE(book->Open((m_dir / "missing.mmb").c_str()));
    EXPECT_EQ(book->GetArticleCount(), 2);
    EXPECT_EQ(InRow(kAcon, *book->GetGuid()), 1);
}

TEST_F(UserMateria, AnArticleCollectionHoldsOneArticleAboutNoRemedy) {
    auto* collection = static_cast<UserArticle*>(Engine().CreateUserArticleCollection());
    EXPECT_EQ(collection->GetType(), kSourceUserArticles);
    EXPECT_EQ(collection->GetFlags(), 3u);
    EXPECT_EQ(static_cast<Article*>(collection->GetItem(0))->GetRemedy(), -1);
    EXPECT_EQ(collection->GetItem(1), nullptr);
    collection->SetName("Case notes");
    collection->SetText3("Dr. Author");
    collection->SetText5("About");
    collection->SetArticleText("Observed in practice.");
    ASSERT_TRUE(collection->Save(Path().c_str()));
    EXPECT_EQ(PostingsOf(*collection->GetWordIndex(), "practice"), Only(0));
    collection->SetArticleRichText("{\\rtf1 changed}");
    EXPECT_TRUE(collection->IsNew());

    UserArticleImpl reopened;
    ASSERT_TRUE(reopened.Open(Path().c_str()));
    EXPECT_EQ(*reopened.GetGuid(), *collection->GetGuid());
    EXPECT_EQ(reopened.GetFlags(), 3u);
    EXPECT_STREQ(reopened.GetText3(), "Dr. Author");
    EXPECT_STREQ(reopened.GetText5(), "About");
    EXPECT_STREQ(reopened.GetArticleText(), "Observed in practice.");
    EXPECT_STREQ(reopened.GetArticleRichText(), "");
}

TEST_F(UserMateria, NameAuthorAndDescriptionAreEditedWithoutDroppingTheFile) {
    UserMateriaMedica* book = NewBook();
    book->GetOrCreateArticle(kAcon)->SetText("Sudden fear.");
    ASSERT_TRUE(book->Save(Path().c_str()));
    book->SetName("My notes");
    book->SetText3("A. Reader");
    book->SetText5("Kept at the desk.");
    EXPECT_FALSE(book->IsNew());
    EXPECT_NE(book->GetWordIndex(), nullptr);
    EXPECT_STREQ(book->GetName(), "My notes");
    ASSERT_TRUE(book->Save(Path().c_str()));

    UserMateriaMedica* copy = NewBook();
    ASSERT_TRUE(copy->Open(Path().c_str()));
    EXPECT_STREQ(copy->GetName(), "My notes");
    EXPECT_STREQ(copy->GetText3(), "A. Reader");
    EXPECT_STREQ(copy->GetText5(), "Kept at the desk.");
}
