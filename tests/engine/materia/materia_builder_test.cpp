// The materia medica compiler: the bytes it writes, the words it indexes and
// what it refuses.
#include <gtest/gtest.h>

#include "expected_bytes.h"
#include "index/index_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

TEST(MateriaBuilder, WritesTheFileByteForByteAndIndexesThePlainText) {
    ScratchDirectory dir;
    const MateriaMedicaDescription description{kTestMateriaMedicaId, "MM", "", "", "", "t5", 0x40};
    ASSERT_TRUE(CompileMateriaMedica(
        dir / "m.mmb", description,
        {{"", "", "Worse at night.", nullptr}, {"nux-v", "Nux vomica", "Nux-v.", "{\\rtf1 x}"}}));
    ExpectedBytes expected;
    // Strings at 36 (identifier), 75, 80, 83, 86, 89; the table at 94.
    expected.Text("MMED").U32(2).U32(168).U32(2).U32(0x40).U32(94);
    expected.U16(36).U16(75).U16(80).U16(83).U16(86).U16(89);
    expected.Counted(kTestMateriaMedicaId).Counted("MM").Counted("").Counted("").Counted("");
    expected.Counted("t5").U32(102).U32(135);
    // About no remedy, without rich text: L1 16, L2 1 and a single zero byte.
    expected.Text("TOPC").U32(0xFFFFFFFF).U32(16).Text("Worse at night.").Zero().U32(1).Zero();
    // Nux vomica is catalogue number 5; the rich text is carried as given.
    expected.Text("TOPC").U32(5).U32(7).Text("Nux-v.").Zero().U32(10).Text("{\\rtf1 x}").Zero();
    EXPECT_EQ(ReadBytes(dir / "m.mmb"), expected.bytes);

    IndexImpl index;
    ASSERT_TRUE(index.Open((dir / "m.idx").c_str()));
    ASSERT_EQ(index.GetWordCount(), 5u);  // at, night, nux, v, worse; nothing from the RTF
    for (const char* word : {"worse", "at", "night"}) EXPECT_EQ(PostingsOf(index, word), Only(0));
    EXPECT_EQ(PostingsOf(index, "nux"), Only(1));
    EXPECT_EQ(PostingsOf(index, "v"), Only(1));
}

TEST(MateriaBuilder, UnknownNamesAreListedOnceAndTheirArticlesDropped) {
    MateriaMedicaBuilder& b = *CorvelaInstance().GetMateriaMedicaBuilder();
    const int before = b.GetUnknownRemedyCount();
    const MateriaMedicaDescription description = MateriaDescription("", "U", 0x40);
    b.Begin(&description);
    EXPECT_EQ(b.AddArticle("nosuch", "", "a", nullptr), -1);
    EXPECT_EQ(b.AddArticle("", "", "intro", nullptr), 0);
    EXPECT_EQ(b.AddArticle("nosuch", "Title", "b", nullptr), -1);
    EXPECT_EQ(b.AddArticle("BELL", "", "c", nullptr), 1);
    ASSERT_EQ(b.GetUnknownRemedyCount(), before + 1);
    EXPECT_STREQ(b.GetUnknownRemedy(before), "nosuch");
    EXPECT_EQ(b.GetUnknownRemedy(before + 1), nullptr);
}

TEST(MateriaBuilder, RefusalsWriteNothingAndSayWhy) {
    ScratchDirectory dir;
    const std::string longWord(2048, 'a'), longHeader(40000, 'h');
    const struct {
        std::vector<TestArticle> articles;
        std::string header, path;
        const char* reason;
    } cases[] = {
        {{}, "", dir / "x.mmb", "no article"},
        {{{"", "", longWord.c_str(), nullptr}}, "", dir / "x.mmb", "2,047"},
        {{{"", "", "text", nullptr}}, longHeader, dir / "x.mmb", "32,768"},
        {{{"", "", "text", nullptr}}, "", dir / "gone/x.mmb", "gone"},
    };
    MateriaMedicaBuilder& b = *CorvelaInstance().GetMateriaMedicaBuilder();
    for (const auto& c : cases) {
        const MateriaMedicaDescription description{"", c.header.c_str(), "", "", "x", "", 0};
        EXPECT_FALSE(CompileMateriaMedica(c.path, description, c.articles)) << c.reason;
        EXPECT_NE(std::string(b.GetSaveError()).find(c.reason), std::string::npos)
            << b.GetSaveError();
        EXPECT_TRUE(ListNames(dir.Path()).empty()) << c.reason;
    }
}
