#include "model/core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "scratch_dir.h"

namespace {

TEST(WriteFileAtomically, CreatesAndReplacesFilesWhole) {
    ScratchDir dir;
    const std::string path = dir.File("data.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0with a zero", 18)));
    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, std::string("second\0with a zero", 18));
    EXPECT_EQ(dir.List(), std::vector<std::string>{"data.txt"});

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666u & ~mask);
}

TEST(ReadWholeFile, FailsForMissingFilesAndFolders) {
    ScratchDir dir;
    std::string content = "stale";
    EXPECT_FALSE(ReadWholeFile(dir.File("missing"), content));
    EXPECT_FALSE(ReadWholeFile(dir.Path(), content));
    EXPECT_TRUE(content.empty());
}

}  // namespace
