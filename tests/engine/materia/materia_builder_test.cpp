// The materia medica compiler: the bytes it writes, the words it indexes and
// what it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "expected_bytes.h"
#include "index/index_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

class MateriaBuilder : public ::testing::Test {
protected:
    static MateriaMedicaBuilder& Builder() { return *CorvelaInstance().GetMateriaMedicaBuilder(); }
    std::unique_ptr<IndexImpl> OpenIndex(const std::string& name) {
        auto index = std::make_unique<IndexImpl>();
        EXPECT_TRUE(index->Open((m_dir / name).c_str())) << index->GetLoadError().Describe();
        return index;
    }
    ScratchDirectory m_dir;
};

}  // namespace

TEST_F(MateriaBuilder, WritesHeaderTableAndRecordsByteForByte) {
    const MateriaMedicaDescription description{kTestMateriaMedicaId, "MM", "", "", "", "t5", 0x40};
    ASSERT_TRUE(CompileMateriaMedica(
        m_dir / "m.mmb", description,
        {{"", "", "Intro.", nullptr}, {"nux-v", "Nux vomica", "Nux-v.", "{\\rtf1 x}"}}))
        << Builder().GetSaveError();
    ExpectedBytes expected;
    // Header: strings at 36 (identifier), 75, 80, 83, 86, 89; the table at 94.
    expected.Text("MMED").U32(2).U32(159).U32(2).U32(0x40).U32(94);
    expected.U16(36).U16(75).U16(80).U16(83).U16(86).U16(89);
    expected.Counted(kTestMateriaMedicaId).Counted("MM").Counted("").Counted("").Counted("");
    expected.Counted("t5");
    expected.U32(102).U32(126);
    // An article about no remedy, without rich text: L1 7, L2 1 and one zero byte.
    expected.Text("TOPC").U32(0xFFFFFFFF).U32(7).Text("Intro.").Zero().U32(1).Zero();
    // Nux vomica is catalogue number 5; its rich text is carried as given.
    expected.Text("TOPC").U32(5).U32(7).Text("Nux-v.").Zero().U32(10).Text("{\\rtf1 x}").Zero();
    EXPECT_EQ(ReadBytes(m_dir / "m.mmb"), expected.bytes);

    // The index holds the plain text's words only, by article number.
    auto index = OpenIndex("m.idx");
    ASSERT_EQ(index->GetWordCount(), 3u);
    EXPECT_EQ(PostingsOf(*index, "intro"), std::vector<int>{0});
    EXPECT_EQ(PostingsOf(*index, "nux"), std::vector<int>{1});
    EXPECT_EQ(PostingsOf(*index, "v"), std::vector<int>{1});
}

TEST_F(MateriaBuilder, ArticleWordsFollowTheArticleRule) {
    ASSERT_TRUE(CompileMateriaMedica(
        m_dir / "w.mmb", MateriaDescription("", "W", 0x40),
        {{"acon", "", "Worse at night.", nullptr},
         {"ars", "", "Night; night-sweats, c30 \xC3\xCE\xCB\xCE\xC2\xC0.", "{\\rtf1 ignored}"}}));
    std::vector<std::uint8_t> bytes = ReadBytes(m_dir / "w.mmb");
    const std::size_t table = bytes[20] | (bytes[21] << 8);
    const std::size_t first = bytes[table] | (bytes[table + 1] << 8);
    EXPECT_EQ(bytes[first + 8], 16);  // L1 of "Worse at night."
    auto index = OpenIndex("w.idx");
    EXPECT_EQ(PostingsOf(*index, "worse"), std::vector<int>{0});
    EXPECT_EQ(PostingsOf(*index, "at"), std::vector<int>{0});
    EXPECT_EQ(PostingsOf(*index, "night"), (std::vector<int>{0, 1, 1}));  // once per occurrence
    EXPECT_EQ(PostingsOf(*index, "sweats"), std::vector<int>{1});
    EXPECT_EQ(PostingsOf(*index, "c30"), std::vector<int>{1});
    EXPECT_EQ(PostingsOf(*index, "\xE3\xEE\xEB\xEE\xE2\xE0"), std::vector<int>{1});  // lower-cased
    EXPECT_EQ(PostingsOf(*index, "ignored"), std::vector<int>{-2});  // rich text is not indexed
}

TEST_F(MateriaBuilder, UnknownNamesAreListedOnceAndTheirArticlesDropped) {
    MateriaMedicaBuilder& b = Builder();
    const int before = b.GetUnknownRemedyCount();
    const MateriaMedicaDescription description = MateriaDescription("", "U", 0x40);
    b.Begin(&description);
    EXPECT_EQ(b.AddArticle("nosuch", "", "a", nullptr), -1);
    EXPECT_EQ(b.AddArticle("", "", "intro", nullptr), 0);
    EXPECT_EQ(b.AddArticle("nosuch", "Title", "b", nullptr), -1);
    EXPECT_EQ(b.AddArticle("BELL", "", "c", nullptr), 1);  // any case
    EXPECT_EQ(b.AddArticle(nullptr, nullptr, nullptr, nullptr), 2);
    ASSERT_EQ(b.GetUnknownRemedyCount(), before + 1);
    EXPECT_STREQ(b.GetUnknownRemedy(before), "nosuch");
    EXPECT_EQ(b.GetUnknownRemedy(before + 1), nullptr);
    ASSERT_TRUE(b.Save((m_dir / "u.mmb").c_str()));
    std::vector<std::uint8_t> bytes = ReadBytes(m_dir / "u.mmb");
    EXPECT_EQ(bytes[12], 3);  // three articles
}

TEST_F(MateriaBuilder, RefusalsWriteNothingAndSayWhy) {
    struct Case {
        const char* what;
        std::vector<TestArticle> articles;
        std::string header;
        std::string path;
        const char* reason;
    };
    const std::string longWord(2048, 'a');
    const std::string longHeader(40000, 'h');
    const std::vector<Case> cases = {
        {"no article", {}, "", m_dir / "x.mmb", "no article"},
        {"no path", {{"", "", "text", nullptr}}, "", "", "no file path"},
        {"word too long", {{"", "", longWord.c_str(), nullptr}}, "", m_dir / "x.mmb", "2,047"},
        {"header too long", {{"", "", "text", nullptr}}, longHeader, m_dir / "x.mmb", "32,768"},
        {"missing folder", {{"", "", "text", nullptr}}, "", m_dir / "gone/x.mmb", "gone"},
    };
    for (const Case& c : cases) {
        const MateriaMedicaDescription description{"", c.header.c_str(), "", "", "x", "", 0};
        EXPECT_FALSE(CompileMateriaMedica(c.path, description, c.articles)) << c.what;
        EXPECT_NE(std::string(Builder().GetSaveError()).find(c.reason), std::string::npos)
            << c.what << ": " << Builder().GetSaveError();
        EXPECT_TRUE(ListNames(m_dir.Path()).empty()) << c.what;
    }
}

TEST_F(MateriaBuilder, ReplacesAnExistingFileWhole) {
    const MateriaMedicaDescription description = MateriaDescription("", "R", 0x40);
    ASSERT_TRUE(CompileMateriaMedica(m_dir / "r.mmb", description,
                                     {{"", "", std::string(500, 'x').c_str(), nullptr}}));
    ASSERT_TRUE(CompileMateriaMedica(m_dir / "r.mmb", description, {{"", "", "short", nullptr}}));
    std::vector<std::uint8_t> bytes = ReadBytes(m_dir / "r.mmb");
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(bytes[8] | (bytes[9] << 8)));
    EXPECT_EQ(ListNames(m_dir.Path()), (std::vector<std::string>{"r.idx", "r.mmb"}));
}
