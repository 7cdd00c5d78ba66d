#include "platform/mapped_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_directory.h"

TEST(MappedFile, MapsTheWholeFileReadOnly) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "a.bin", std::string("abc\0def", 7));
    MappedFile file;
    ASSERT_TRUE(file.Open((dir / "a.bin").c_str()));
    ASSERT_EQ(file.Size(), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.Data()), 7),
              std::string("abc\0def", 7));
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Size(), 0u);
}

TEST(MappedFile, EmptyFileOpensWithSizeZero) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "empty", "");
    MappedFile file;
    ASSERT_TRUE(file.Open((dir / "empty").c_str()));
    EXPECT_EQ(file.Size(), 0u);
    EXPECT_NE(file.Data(), nullptr);
}

TEST(MappedFile, RefusesMissingFilesAndDirectories) {
    ScratchDirectory dir;
    MappedFile file;
    EXPECT_FALSE(file.Open((dir / "missing").c_str()));
    EXPECT_FALSE(file.Open(dir.Path().c_str()));
    EXPECT_FALSE(file.Open(nullptr));
    EXPECT_FALSE(file.IsOpen());
}

TEST(MappedFile, ByteBufferAndMappingSurviveAMove) {
    MappedFile buffer = MappedFile::FromBytes({1, 2, 3});
    MappedFile moved = std::move(buffer);
    ASSERT_EQ(moved.Size(), 3u);
    EXPECT_EQ(moved.Data()[2], 3);
    EXPECT_FALSE(buffer.IsOpen());

    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "m", "xyz");
    MappedFile mapped;
    ASSERT_TRUE(mapped.Open((dir / "m").c_str()));
    MappedFile other;
    other = std::move(mapped);
    EXPECT_EQ(other.Data()[0], 'x');
    EXPECT_FALSE(mapped.IsOpen());
}
