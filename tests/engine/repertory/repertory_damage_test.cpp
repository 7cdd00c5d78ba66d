// Damaged repertory files: every one is refused with a reason, none is read
// outside its bytes, none makes the loader recurse without end.
#include <gtest/gtest.h>

#include "expected_bytes.h"
#include "repertory/repertory_impl.h"
#include "repertory_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

// The tree of RepertoryFile.RemedyTableAndRecordsOfATree: remedy table at 54
// (pairs at 58 and 66, lists at 74 and 86), root at 98 (child table at 115,
// child offsets at 117 and 121), A at 125, B at 154; 168 bytes.  Its index
// lies beside it, so only the repertory file itself can make Open fail.
class DamagedRepertory : public ::testing::Test {
protected:
    void SetUp() override {
        const RepertoryDescription description{"", "", "", "", "", "", 7};
        ASSERT_EQ(
            CompileRepertory("r\tbell:259\n\tA\tacon:1 bell:2 acon:3\n\tB\n", Path(), description),
            1);
        m_whole = ReadBytes(Path());
        ASSERT_EQ(m_whole.size(), 168u);
    }
    std::string Path() const { return m_dir / "t.rpb"; }
    LoadError Open(std::vector<std::uint8_t> bytes) {
        RepertoryImpl repertory;
        if (repertory.OpenMapped(MappedFile::FromBytes(std::move(bytes)), Path().c_str()))
            return {};
        EXPECT_EQ(repertory.GetRoot(), nullptr);
        EXPECT_EQ(repertory.GetTopicCount(), 0u);
        return repertory.GetLoadError();
    }

    ScratchDirectory m_dir;
    std::vector<std::uint8_t> m_whole;
};

// A file of records rubrics in a row, each without text or remedies and with
// childrenEach children (the last with none).  The children point at the next
// record when shared, else at consecutive 13-byte records.
std::vector<std::uint8_t> Crafted(int records, int childrenEach, bool shareChildren) {
    ExpectedBytes file;
    file.Text("REPR").U32(3).U32(0).U32(0).U32(58).U32(54);
    file.U16(36).U16(39).U16(42).U16(45).U16(48).U16(51);
    for (int i = 0; i < 6; ++i) file.Counted("");
    file.U32(0);
    for (int i = 0; i < records; ++i) {
        const int children = i + 1 < records ? childrenEach : 0;
        const unsigned size = 13 + 4 * static_cast<unsigned>(children);
        file.Text("TOPC").U16(11).Counted("").U16(0).U16(static_cast<unsigned>(children));
        for (int c = 0; c < children; ++c)
            file.U32(shareChildren ? size : size + 13u * static_cast<unsigned>(c));
    }
    return file.bytes;
}

}  // namespace

TEST_F(DamagedRepertory, EveryTruncationIsRefused) {
    ASSERT_FALSE(Open(m_whole).IsError());
    for (std::size_t size = 0; size < m_whole.size(); ++size) {
        LoadError error = Open({m_whole.begin(), m_whole.begin() + static_cast<long>(size)});
        EXPECT_TRUE(error.IsError()) << "length " << size;
        EXPECT_NE(error.fault, LoadFault::kBadWordIndex) << "length " << size;
    }
}

TEST_F(DamagedRepertory, DamagedFieldsAreRefusedWithTheirReason) {
    struct Case {
        std::size_t at;
        int width;
        std::uint32_t value;
        LoadFault fault;
    };
    const Case cases[] = {
        {4, 4, 2, LoadFault::kBadVersion},
        {24, 2, 0x8000, LoadFault::kBadHeaderString},  // negative string offset
        {26, 2, 500, LoadFault::kBadHeaderString},     // string beyond the end
        {36, 2, 5, LoadFault::kBadHeaderString},       // length misses the zero byte
        {20, 4, 1000, LoadFault::kBadRemedyTable},
        {54, 4, 0x10000000, LoadFault::kBadRemedyTable},  // too many pairs
        {62, 4, 5000, LoadFault::kBadRemedyList},
        {74, 4, 1000, LoadFault::kBadRemedyList},  // list longer than the file
        {16, 4, 5000, LoadFault::kBadRecord},
        {16, 4, 163, LoadFault::kBadRecord},    // record cut by the end
        {104, 2, 0x8000, LoadFault::kBadText},  // negative text length
        {104, 2, 0, LoadFault::kBadText},
        {104, 2, 1, LoadFault::kBadText},                // text without its zero byte
        {108, 2, 0x8000, LoadFault::kBadRemedyEntries},  // negative remedy count
        {108, 2, 100, LoadFault::kBadRemedyEntries},
        {102, 2, 0x8000, LoadFault::kBadChildTable},  // negative child table offset
        {102, 2, 200, LoadFault::kBadChildTable},
        {115, 2, 0x8000, LoadFault::kBadChildTable},  // negative child count
        {115, 2, 30, LoadFault::kBadChildTable},
        {117, 4, 0, LoadFault::kBadChildOffset},            // the root as its own child
        {117, 4, 0xFFFFFFF0u, LoadFault::kBadChildOffset},  // "back up" wraps past the end
        {121, 4, 1000, LoadFault::kBadChildOffset},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = m_whole;
        Poke(bytes, c.at, c.width, c.value);
        LoadError error = Open(bytes);
        EXPECT_EQ(error.fault, c.fault)
            << "offset " << c.at << " value " << c.value << ": " << error.Describe();
    }
}

TEST_F(DamagedRepertory, MagicMarksAndFileSizeAreNotExamined) {
    std::vector<std::uint8_t> bytes = m_whole;
    Poke(bytes, 0, 4, 0);      // magic
    Poke(bytes, 8, 4, 12345);  // file size
    Poke(bytes, 98, 4, 0);     // the root's "TOPC"
    Poke(bytes, 154, 4, 0);    // B's "TOPC"
    EXPECT_FALSE(Open(bytes).IsError()) << Open(bytes).Describe();
}

TEST_F(DamagedRepertory, ChildrenSharingRecordsCannotBlowUpTheTree) {
    // 60 levels, each record's two children both pointing at the next record:
    // followed naively that is 2^60 rubrics.
    LoadError error = Open(Crafted(60, 2, true));
    EXPECT_EQ(error.fault, LoadFault::kTooManyRubrics) << error.Describe();
}

TEST_F(DamagedRepertory, AbsurdDepthIsRefused) {
    LoadError error = Open(Crafted(1030, 1, false));
    EXPECT_EQ(error.fault, LoadFault::kTooDeep) << error.Describe();
    // The same kind of file at a sane depth loads.
    EXPECT_EQ(Open(Crafted(20, 1, false)).fault, LoadFault::kNone);
}
