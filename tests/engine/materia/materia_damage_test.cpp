// Damaged materia medica files: every one is refused with a reason and none
// is read outside its bytes.
#include <gtest/gtest.h>

#include "expected_bytes.h"
#include "materia/materia_medica_impl.h"
#include "materia_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

// Six empty header strings at 36..51, the table at 54, article 0 at 62 (L1 at
// 70, L2 at 81), article 1 at 86 (L1 at 94, L2 at 105); 119 bytes.  Its index
// lies beside it, so only the materia medica file itself can make Open fail.
class DamagedMateriaMedica : public ::testing::Test {
protected:
    void SetUp() override {
        const MateriaMedicaDescription description{"", "", "", "", "", "", 0x40};
        ASSERT_TRUE(CompileMateriaMedica(
            Path(), description,
            {{"", "", "Intro.", nullptr}, {"nux-v", "", "Nux-v.", "{\\rtf1 x}"}}));
        m_whole = ReadBytes(Path());
        ASSERT_EQ(m_whole.size(), 119u);
    }
    std::string Path() const { return m_dir / "t.mmb"; }
    LoadError Open(std::vector<std::uint8_t> bytes) {
        MateriaMedicaImpl book;
        if (book.OpenMapped(MappedFile::FromBytes(std::move(bytes)), Path().c_str())) return {};
        EXPECT_EQ(book.GetArticleCount(), 0);
        EXPECT_EQ(book.FindArticle(-1), nullptr);
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
    struct Case {
        std::size_t at;
        int width;
        std::uint32_t value;
        LoadFault fault;
    };
    const Case cases[] = {
        {24, 2, 0x8000, LoadFault::kBadHeaderString},  // negative string offset
        {26, 2, 500, LoadFault::kBadHeaderString},     // string beyond the end
        {36, 2, 5, LoadFault::kBadHeaderString},       // length misses the zero byte
        {36, 2, 0, LoadFault::kBadHeaderString},
        {12, 4, 0x400001, LoadFault::kBadArticleTable},  // more articles than item numbers
        {12, 4, 20, LoadFault::kBadArticleTable},        // table longer than the file
        {20, 4, 1000, LoadFault::kBadArticleTable},
        {20, 4, 0xFFFFFFFF, LoadFault::kBadArticleTable},
        {54, 4, 110, LoadFault::kBadArticleRecord},  // record cut by the end
        {58, 4, 0xFFFFFFF0u, LoadFault::kBadArticleRecord},
        {70, 4, 0x80000000u, LoadFault::kBadArticleText},  // negative text length
        {70, 4, 0, LoadFault::kBadArticleText},
        {70, 4, 6, LoadFault::kBadArticleText},  // text without its zero byte
        {70, 4, 1000, LoadFault::kBadArticleText},
        {81, 4, 0x80000000u, LoadFault::kBadRichText},
        {81, 4, 0, LoadFault::kBadRichText},
        {81, 4, 2, LoadFault::kBadRichText},  // runs into the next record
        {94, 4, 200, LoadFault::kBadArticleText},
        {105, 4, 9, LoadFault::kBadRichText},
        {105, 4, 11, LoadFault::kBadRichText},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = m_whole;
        Poke(bytes, c.at, c.width, c.value);
        LoadError error = Open(bytes);
        EXPECT_EQ(error.fault, c.fault)
            << "offset " << c.at << " value " << c.value << ": " << error.Describe();
    }
}

TEST_F(DamagedMateriaMedica, MagicVersionFileSizeAndMarksAreNotExamined) {
    std::vector<std::uint8_t> bytes = m_whole;
    Poke(bytes, 0, 4, 0);      // magic
    Poke(bytes, 4, 4, 99);     // version
    Poke(bytes, 8, 4, 12345);  // file size
    Poke(bytes, 62, 4, 0);     // article 0's "TOPC"
    Poke(bytes, 86, 4, 0);     // article 1's "TOPC"
    MateriaMedicaImpl book;
    ASSERT_TRUE(book.OpenMapped(MappedFile::FromBytes(bytes), Path().c_str()))
        << book.GetLoadError().Describe();
    EXPECT_STREQ(book.GetArticle(1)->GetText(), "Nux-v.");
    EXPECT_STREQ(book.GetArticle(1)->GetRichText(), "{\\rtf1 x}");
}
