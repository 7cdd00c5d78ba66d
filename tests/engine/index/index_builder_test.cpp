#include <gtest/gtest.h>

#include <filesystem>

#include "index/index_builder_impl.h"
#include "index_test_util.h"
#include "scratch_directory.h"

TEST(IndexBuilder, AnIndexWithoutWordsIsTwentyBytes) {
    IndexBuilderImpl builder;
    builder.Begin();
    builder.Finish();
    EXPECT_EQ(Serialized(builder), ExpectedBytes().Text("IDXB").U32(1).U32(0).U32(0).U32(20).bytes);
}

TEST(IndexBuilder, WritesWordsInByteOrderWithEveryPosting) {
    IndexBuilderImpl builder;
    builder.Begin();
    builder.AddWord("Head", 5);
    builder.AddWord("\xC3\xCE\xCB\xCE\xC2\xC0", 6);  // ГОЛОВА
    builder.AddWord("HEAD", 7);
    builder.AddWord("head", 7);
    builder.AddWord("ache", 2);
    // The table at 20 points at ache (32), head (45) and the Cyrillic word (66).
    ExpectedBytes file;
    file.Text("IDXB").U32(1).U32(0).U32(3).U32(20).U32(32).U32(45).U32(66);
    file.U16(5).Text("ache").Zero().U16(1).U32(2);
    file.U16(5).Text("head").Zero().U16(3).U32(5).U32(7).U32(7);
    file.U16(7).Text("\xE3\xEE\xEB\xEE\xE2\xE0").Zero().U16(1).U32(6);
    EXPECT_EQ(Serialized(builder), file.bytes);
}

TEST(IndexBuilder, BeginForgetsTheWordsOfTheLastIndex) {
    IndexBuilderImpl builder;
    builder.AddWord("a", 0);
    builder.Begin();
    EXPECT_EQ(builder.WordCount(), 0u);
}

TEST(IndexBuilder, RefusesWordsTheFormatCannotHold) {
    IndexBuilderImpl builder;
    builder.AddWord(std::string(2047, 'a').c_str(), 0);
    EXPECT_TRUE(builder.Check());
    builder.AddWord(std::string(2048, 'b').c_str(), 1);
    EXPECT_FALSE(builder.Check());
    EXPECT_NE(std::string(builder.GetSaveError()).find("2048 bytes"), std::string::npos)
        << builder.GetSaveError();

    builder.Begin();
    for (int i = 0; i < 32767; ++i) builder.AddWord("often", i);
    EXPECT_TRUE(builder.Check());
    builder.AddWord("often", 40000);
    EXPECT_FALSE(builder.Check());
    EXPECT_NE(std::string(builder.GetSaveError()).find("\"often\""), std::string::npos);

    ScratchDirectory dir;
    EXPECT_FALSE(builder.Save((dir / "x.idx").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.idx"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(IndexBuilder, SaveWritesTheFileAndReportsAnUnwritablePath) {
    IndexBuilderImpl builder;
    builder.AddWord("a", 1);
    ScratchDirectory dir;
    ASSERT_TRUE(builder.Save((dir / "x.idx").c_str()));
    EXPECT_STREQ(builder.GetSaveError(), "");
    EXPECT_EQ(ScratchDirectory::Read(dir / "x.idx").size(), 20u + 4 + 2 + 2 + 2 + 4);
    EXPECT_FALSE(builder.Save((dir / "missing/x.idx").c_str()));
    EXPECT_STRNE(builder.GetSaveError(), "");
}
