// Reading a compiled materia medica in place, and refusing damaged ones with
// a reason, never reading outside their bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "expected_bytes.h"
#include "materia/materia_medica_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

TEST(MateriaFile, ArticlesByNumberIdentifierAndRemedy) {
    ScratchDirectory dir;
    ASSERT_TRUE(CompileMateriaMedica(dir / "m.mmb",
                                     MateriaDescription(kTestMateriaMedicaId, "MM", 7),
                                     {{"", "", "Introduction.", nullptr},
                                      {"acon", "", "First on aconite.", "{\\rtf1 first}"},
                                      {"bell", "", "Belladonna.", nullptr},
                                      {"", "", "Appendix.", nullptr},
                                      {"acon", "", "Second on aconite.", nullptr}}));
    MateriaMedicaImpl book;
    book.SetPosition(3);
    ASSERT_TRUE(book.Open((dir / "m.mmb").c_str())) << book.GetLoadError().Describe();
    EXPECT_STREQ(book.GetText5(), "five");
    EXPECT_EQ(book.GetFlags(), 7u);
    ASSERT_EQ(book.GetArticleCount(), 5);
    EXPECT_EQ(book.GetArticle(1)->GetId(), MakeItemId(3, 1));
    EXPECT_STREQ(book.GetArticle(1)->GetRichText(), "{\\rtf1 first}");
    EXPECT_STREQ(book.GetArticle(2)->GetRichText(), "");
    EXPECT_EQ(book.GetArticle(5), nullptr);

    // The latest article of a remedy wins, -1 included; all stay reachable.
    EXPECT_STREQ(book.FindArticle(0)->GetText(), "Second on aconite.");
    EXPECT_STREQ(book.FindArticle(-1)->GetText(), "Appendix.");
    EXPECT_EQ(book.FindArticle(1), nullptr);
    // Identifiers are read by their low 22 bits whatever the top bits say.
    EXPECT_EQ(book.GetItem(MakeItemId(7, 2)), book.GetArticle(2));
    EXPECT_EQ(book.GetItem(MakeItemId(3, 5)), nullptr);

    std::filesystem::remove(dir / "m.idx");
    MateriaMedicaImpl unindexed;
    EXPECT_FALSE(unindexed.Open((dir / "m.mmb").c_str()));
    EXPECT_EQ(unindexed.GetLoadError().fault, LoadFault::kBadWordIndex);
    EXPECT_EQ(unindexed.GetArticleCount(), 0);
}

namespace {

// Six empty header strings at 36..51, the table at 54, article 0 at 62 (L1 at
// 70, L2 at 81), article 1 at 86 (L1 at 94, L2 at 105); 119 bytes.  Its index
// lies beside it, so only the materia medica file itself can make Open fail.
class DamagedMateriaMedica : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CompileMateriaMedica(
            Path(), {"", "", "", "", "", "", 0x40},
            {{"", "", "Intro.", nullptr}, {"nux-v", "", "Nux-v.", "{\\rtf1 x}"}}));
        m_whole = ReadBytes(Path());
        ASSERT_EQ(m_whole.size(), 119u);
    }
    std::string Path() const { return m_dir / "t.mmb"; }
    LoadError Open(std::vector<std::uint8_t> bytes) {
        MateriaMedicaImpl book;
        if (book.OpenMapped(MappedFile::FromBytes(std::move(bytes)), Path().c_str())) return {};
        EXPECT_EQ(book.GetArticleCount(), 0);
        return book.GetLoadError();
    }

    ScratchDirectory m_dir;
    std::vector<std::uint8_t> m_whole;
};

}  // namespace

TEST_F(DamagedMateriaMedica, EveryTruncationIsRefused) {
    ASSERT_FALSE(Open(m_whole).IsError());
    for (std::size_t size = 0; size < m_whole.size(); ++size) {
        LoadError error = Open({m_whole.begin(), m_whole.begin() + static_cast<long>(size)});
        EXPECT_TRUE(error.IsError()) << "length " << size;
        EXPECT_NE(error.fault, LoadFault::kBadWordIndex) << "length " << size;
    }
}

TEST_F(DamagedMateriaMedica, DamagedFieldsAreRefusedWithTheirReason) {
    const struct {
        std::size_t at;
        int width;
        std::uint32_t value;
        LoadFault fault;
    } cases[] = {
        {24, 2, 0x8000, LoadFault::kBadHeaderString},    // negative string offset
        {36, 2, 5, LoadFault::kBadHeaderString},         // length misses the zero byte
        {12, 4, 0x400001, LoadFault::kBadArticleTable},  // more articles than item numbers
        {20, 4, 0xFFFFFFFF, LoadFault::kBadArticleTable},
        {58, 4, 110, LoadFault::kBadArticleRecord},        // record cut by the end
        {70, 4, 0x80000000u, LoadFault::kBadArticleText},  // negative text length
        {70, 4, 6, LoadFault::kBadArticleText},            // text without its zero byte
        {94, 4, 200, LoadFault::kBadArticleText},
        {81, 4, 0, LoadFault::kBadRichText},
        {81, 4, 2, LoadFault::kBadRichText},  // runs into the next record
        {105, 4, 11, LoadFault::kBadRichText},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes = m_whole;
        Poke(bytes, c.at, c.width, c.value);
        EXPECT_EQ(Open(bytes).fault, c.fault) << "offset " << c.at << " value " << c.value;
    }
}

TEST_F(DamagedMateriaMedica, MagicVersionFileSizeAndMarksAreNotExamined) {
    std::vector<std::uint8_t> bytes = m_whole;
    for (std::size_t at : {0, 4, 8, 62, 86}) Poke(bytes, at, 4, 0);
    MateriaMedicaImpl book;
    ASSERT_TRUE(book.OpenMapped(MappedFile::FromBytes(bytes), Path().c_str()));
    EXPECT_STREQ(book.GetArticle(1)->GetRichText(), "{\\rtf1 x}");
}
