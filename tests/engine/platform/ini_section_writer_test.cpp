#include "platform/ini_section_writer.h"

#include <gtest/gtest.h>

#include "scratch_directory.h"

TEST(IniSectionWriter, CreatesAMissingFile) {
    ScratchDirectory dir;
    ASSERT_TRUE(WriteIniSection(dir / "c.ini", "DataSources", {"file_name=kent", "file_name=x"}));
    EXPECT_EQ(ScratchDirectory::Read(dir / "c.ini"),
              "[DataSources]\nfile_name=kent\nfile_name=x\n");
}

TEST(IniSectionWriter, ReplacesOnlyItsSectionAndKeepsTheRestByteForByte) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "c.ini",
                            "; comment\n[General]\nlanguage=ru\n\n[datasources]\nfile_name=old\n"
                            "stale=1\n[Settings]\nMiasms=1\n");
    ASSERT_TRUE(WriteIniSection(dir / "c.ini", "DataSources", {"file_name=new"}));
    EXPECT_EQ(ScratchDirectory::Read(dir / "c.ini"),
              "; comment\n[General]\nlanguage=ru\n\n[DataSources]\nfile_name=new\n"
              "[Settings]\nMiasms=1\n");
}

TEST(IniSectionWriter, AppendsAMissingSectionInTheFilesLineEnds) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "c.ini", "[General]\r\nlanguage=ru");
    ASSERT_TRUE(WriteIniSection(dir / "c.ini", "DataSources", {"file_name=a"}));
    EXPECT_EQ(ScratchDirectory::Read(dir / "c.ini"),
              "[General]\r\nlanguage=ru\r\n[DataSources]\r\nfile_name=a\r\n");
}

TEST(IniSectionWriter, UnwritableFolderFails) {
    ScratchDirectory dir;
    EXPECT_FALSE(WriteIniSection(dir / "missing/c.ini", "DataSources", {"file_name=a"}));
}
