// Reading a compiled materia medica in place: its texts, its articles and the
// remedy map.
#include <gtest/gtest.h>

#include <filesystem>

#include "materia/materia_medica_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

class MateriaFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CompileMateriaMedica(Path(),
                                         MateriaDescription(kTestMateriaMedicaId, "MM", 0x43),
                                         {{"", "", "Introduction.", nullptr},
                                          {"acon", "", "First on aconite.", "{\\rtf1 first}"},
                                          {"bell", "", "Belladonna.", nullptr},
                                          {"", "", "Appendix.", nullptr},
                                          {"acon", "", "Second on aconite.", nullptr}}));
        m_book.SetPosition(3);
        ASSERT_TRUE(m_book.Open(Path().c_str())) << m_book.GetLoadError().Describe();
    }
    std::string Path() const { return m_dir / "m.mmb"; }

    ScratchDirectory m_dir;
    MateriaMedicaImpl m_book;
};

}  // namespace

TEST_F(MateriaFile, AnswersTheHeader) {
    Guid id;
    ASSERT_TRUE(ParseGuid(kTestMateriaMedicaId, &id));
    EXPECT_EQ(*m_book.GetGuid(), id);
    EXPECT_EQ(m_book.GetType(), kSourceMateriaMedica);
    EXPECT_EQ(m_book.GetPosition(), 3);
    EXPECT_STREQ(m_book.GetName(), "MM");
    EXPECT_STREQ(m_book.GetText2(), "two");
    EXPECT_STREQ(m_book.GetText3(), "three");
    EXPECT_STREQ(m_book.GetText4(), "four");
    EXPECT_STREQ(m_book.GetText5(), "five");
    EXPECT_EQ(m_book.GetFlags(), 0x43u);
    EXPECT_EQ(m_book.GetFilePath(), Path());
    EXPECT_FALSE(m_book.IsNew());
    EXPECT_FALSE(m_book.Save((m_dir / "other.mmb").c_str()));
    EXPECT_NE(m_book.GetWordIndex(), nullptr);
}

TEST_F(MateriaFile, ArticlesByNumberIdentifierAndRemedy) {
    ASSERT_EQ(m_book.GetArticleCount(), 5);
    Article* first = m_book.GetArticle(1);
    EXPECT_EQ(first->GetKind(), kItemArticle);
    EXPECT_EQ(first->GetParent(), nullptr);
    EXPECT_EQ(first->GetId(), MakeItemId(3, 1));
    EXPECT_EQ(first->GetRemedy(), 0);
    EXPECT_STREQ(first->GetText(), "First on aconite.");
    EXPECT_STREQ(first->GetRichText(), "{\\rtf1 first}");
    EXPECT_STREQ(m_book.GetArticle(2)->GetRichText(), "");
    EXPECT_EQ(m_book.GetArticle(5), nullptr);
    EXPECT_EQ(m_book.GetArticle(-1), nullptr);

    // The latest article of a remedy wins; -1 is entered like any remedy.
    EXPECT_EQ(m_book.FindArticle(0), m_book.GetArticle(4));
    EXPECT_EQ(m_book.FindArticle(2), m_book.GetArticle(2));
    EXPECT_EQ(m_book.FindArticle(-1), m_book.GetArticle(3));
    EXPECT_EQ(m_book.FindArticle(1), nullptr);

    // Item identifiers are read by their low 22 bits whatever the top bits say.
    EXPECT_EQ(m_book.GetItem(MakeItemId(7, 2)), m_book.GetArticle(2));
    EXPECT_EQ(m_book.GetArticleById(MakeItemId(0, 4)), m_book.GetArticle(4));
    EXPECT_EQ(m_book.GetItem(MakeItemId(3, 5)), nullptr);
}

TEST_F(MateriaFile, TheWordIndexIsRequired) {
    std::filesystem::remove(m_dir / "m.idx");
    MateriaMedicaImpl book;
    EXPECT_FALSE(book.Open(Path().c_str()));
    EXPECT_EQ(book.GetLoadError().fault, LoadFault::kBadWordIndex);
    EXPECT_EQ(book.GetArticleCount(), 0);
    EXPECT_EQ(book.FindArticle(0), nullptr);
    EXPECT_STREQ(book.GetFilePath(), "");

    EXPECT_FALSE(book.Open((m_dir / "missing.mmb").c_str()));
    EXPECT_EQ(book.GetLoadError().fault, LoadFault::kCannotOpen);
    EXPECT_FALSE(book.Open(m_dir.Path().c_str()));  // a folder
}
