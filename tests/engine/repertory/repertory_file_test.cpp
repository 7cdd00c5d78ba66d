// The exact bytes the repertory compiler writes.
#include <gtest/gtest.h>

#include "expected_bytes.h"
#include "repertory_fixture.h"
#include "scratch_directory.h"

using namespace corvela_test;

TEST(RepertoryFile, RootOnlyRepertoryBytes) {
    ScratchDirectory dir;
    const RepertoryDescription description{kTestRepertoryId, "R", "", "", "", "", 0x40};
    ASSERT_EQ(CompileRepertory("Root\n", dir / "r.rpb", description), 1);
    // Strings at 36 (identifier, 39 bytes), 75, 79, 82, 85, 88 (3 bytes each when
    // empty); remedy table at 91 (4 bytes, N = 0); the root record at 95, 17 bytes.
    ExpectedBytes file;
    file.Text("REPR").U32(3).U32(112).U32(0x40).U32(95).U32(91);
    file.U16(36).U16(75).U16(79).U16(82).U16(85).U16(88);
    file.Counted(kTestRepertoryId).Counted("R").Counted("").Counted("").Counted("").Counted("");
    file.U32(0);
    file.Text("TOPC").U16(15).Counted("Root").U16(0).U16(0);
    EXPECT_EQ(ScratchDirectory::Read(dir / "r.rpb"),
              std::string(file.bytes.begin(), file.bytes.end()));

    ExpectedBytes index;
    index.Text("IDXB").U32(1).U32(0).U32(1).U32(20).U32(24).Counted("root").U16(1).U32(0);
    EXPECT_EQ(ScratchDirectory::Read(dir / "r.idx"),
              std::string(index.bytes.begin(), index.bytes.end()));
}

TEST(RepertoryFile, RemedyTableAndRecordsOfATree) {
    ScratchDirectory dir;
    const RepertoryDescription description{"", "", "", "", "", "", 7};
    // Catalogue numbers: acon 0, bell 2.  Rubrics: 0 root, 1 A, 2 B.
    ASSERT_EQ(CompileRepertory("r\tbell:259\n\tA\tacon:1 bell:2 acon:3\n\tB\n", dir / "t.rpb",
                               description),
              1);
    // Strings 36..53 (six empty ones); remedy table at 54: N = 2, pairs, then
    // acon's list {1, 1} at 74 and bell's {0, 1} at 86.
    ExpectedBytes file;
    file.Text("REPR").U32(3).U32(168).U32(7).U32(98).U32(54);
    file.U16(36).U16(39).U16(42).U16(45).U16(48).U16(51);
    for (int i = 0; i < 6; ++i) file.Counted("");
    file.U32(2).U32(0).U32(74).U32(2).U32(86);
    file.U32(2).U32(1).U32(1);
    file.U32(2).U32(0).U32(1);
    // Root at 98: text, one entry (grade 259 keeps its low byte 3), child table
    // at +17 with children at +27 (A) and +56 (B).
    file.Text("TOPC").U16(17).Counted("r").U16(1).U32(2).U8(3).U16(2).U32(27).U32(56);
    // A at 125: three entries, no children.
    file.Text("TOPC").U16(27).Counted("A").U16(3).U32(0).U8(1).U32(2).U8(2).U32(0).U8(3).U16(0);
    // B at 154.
    file.Text("TOPC").U16(12).Counted("B").U16(0).U16(0);
    EXPECT_EQ(ScratchDirectory::Read(dir / "t.rpb"),
              std::string(file.bytes.begin(), file.bytes.end()));
}
