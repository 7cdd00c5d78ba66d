#include <gtest/gtest.h>

#include "index/index_builder_impl.h"
#include "index/index_impl.h"
#include "index_test_util.h"
#include "scratch_directory.h"

namespace {

std::vector<std::uint8_t> SmallIndex() {
    IndexBuilderImpl builder;
    builder.AddWord("ache", 2);
    builder.AddWord("head", 1);
    builder.AddWord("head", 1);
    builder.AddWord("pain", 3);
    return Serialized(builder);
}

LoadFault OpenFault(std::vector<std::uint8_t> bytes) {
    IndexImpl index;
    if (index.OpenMapped(MappedFile::FromBytes(std::move(bytes)))) return LoadFault::kNone;
    EXPECT_EQ(index.GetWordCount(), 0u);
    return index.GetLoadError().fault;
}

}  // namespace

TEST(IndexFile, ReadsWordsAndPostingsInPlace) {
    ScratchDirectory dir;
    IndexBuilderImpl builder;
    builder.AddWord("head", 1);
    builder.AddWord("head", 1);
    builder.AddWord("pain", 3);
    ASSERT_TRUE(builder.Save((dir / "r.idx").c_str()));
    IndexImpl index;
    ASSERT_TRUE(index.Open((dir / "r.idx").c_str()));
    ASSERT_EQ(index.GetWordCount(), 2u);
    EXPECT_STREQ(index.GetWord(0), "head");
    EXPECT_EQ(index.GetPostingCount(0), 2);
    EXPECT_EQ(index.GetPosting(0, 1), 1);
    EXPECT_EQ(index.GetPosting(0, 2), -1);
    EXPECT_EQ(index.GetPosting(0, -1), -1);
    EXPECT_EQ(index.GetPosting(1, 0), 3);
    EXPECT_EQ(index.GetWord(2), nullptr);  // beyond the count
    EXPECT_EQ(index.GetPostingCount(2), 0);
}

TEST(IndexFile, AnEmptyIndexOpensWithNoWords) {
    IndexBuilderImpl builder;
    IndexImpl index;
    ASSERT_TRUE(index.OpenMapped(MappedFile::FromBytes(Serialized(builder))));
    EXPECT_EQ(index.GetWordCount(), 0u);
}

TEST(IndexFile, NothingOpenAnswersEmpty) {
    IndexImpl index;
    EXPECT_FALSE(index.Open("/no/such/file.idx"));
    EXPECT_EQ(index.GetLoadError().fault, LoadFault::kCannotOpen);
    EXPECT_EQ(index.GetWordCount(), 0u);
    EXPECT_EQ(index.GetWord(0), nullptr);
    EXPECT_EQ(index.GetPostingCount(0), 0);
    EXPECT_EQ(index.GetPosting(0, 0), -1);
}

TEST(IndexFile, EveryTruncationFailsCleanly) {
    const std::vector<std::uint8_t> whole = SmallIndex();
    ASSERT_EQ(OpenFault(whole), LoadFault::kNone);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        LoadFault fault = OpenFault({whole.begin(), whole.begin() + static_cast<long>(size)});
        EXPECT_NE(fault, LoadFault::kNone) << "length " << size;
    }
}

TEST(IndexFile, DamagedFieldsAreRefusedWithTheirReason) {
    // Entries: "ache" at 32 (length at 32, posting count at 39), "head" at 45, "pain" at 62.
    const std::vector<std::uint8_t> whole = SmallIndex();
    ASSERT_EQ(whole.size(), 75u);
    struct Case {
        std::size_t at;
        int width;
        std::uint32_t value;
        LoadFault fault;
    };
    const Case cases[] = {
        {12, 4, 0x80000000u, LoadFault::kBadEntryTable},  // negative entry count
        {12, 4, 1000, LoadFault::kBadEntryTable},         // table runs past the end
        {16, 4, 0xFFFFFFF0u, LoadFault::kBadEntryTable},  // negative table offset
        {20, 4, 5000, LoadFault::kBadEntry},              // entry beyond the end
        {20, 4, 0xFFFFFFFFu, LoadFault::kBadEntry},       // negative entry offset
        {32, 2, 0x8000, LoadFault::kBadEntry},            // negative word length
        {32, 2, 0, LoadFault::kBadEntry},                 // no room for the zero byte
        {32, 2, 4, LoadFault::kBadEntry},                 // the length misses the zero byte
        {39, 2, 0x7000, LoadFault::kBadPostings},         // postings run past the end
        {39, 2, 0x8000, LoadFault::kBadPostings},         // negative posting count
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = whole;
        Poke(bytes, c.at, c.width, c.value);
        EXPECT_EQ(OpenFault(bytes), c.fault) << "offset " << c.at << " value " << c.value;
    }
}

TEST(IndexFile, MagicAndVersionAreNotExamined) {
    std::vector<std::uint8_t> bytes = SmallIndex();
    bytes[0] = 'X';
    Poke(bytes, 4, 4, 99);
    EXPECT_EQ(OpenFault(bytes), LoadFault::kNone);
}
