#include "base/files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "scratch_directory.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::size_t EntryCount(const std::string& directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory)) ++count;
    return count;
}

}  // namespace

TEST(AtomicFile, ReplacesEveryTargetAndLeavesNoTemporaryFile) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "a", "old a");
    std::vector<base::PendingFile> files = {{dir / "a", Bytes("new a")},
                                            {dir / "b", Bytes("new b")}};
    std::string error;
    ASSERT_TRUE(base::WriteFilesAtomically(files, &error)) << error;
    EXPECT_EQ(ScratchDirectory::Read(dir / "a"), "new a");
    EXPECT_EQ(ScratchDirectory::Read(dir / "b"), "new b");
    EXPECT_EQ(EntryCount(dir.Path()), 2u);
}

TEST(AtomicFile, MissingFolderFailsAndTouchesNothing) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "a", "old a");
    std::vector<base::PendingFile> files = {{dir / "a", Bytes("new a")},
                                            {dir / "no/such/dir/b", Bytes("b")}};
    std::string error;
    EXPECT_FALSE(base::WriteFilesAtomically(files, &error));
    EXPECT_NE(error.find("no/such/dir/b"), std::string::npos) << error;
    EXPECT_EQ(ScratchDirectory::Read(dir / "a"), "old a");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(AtomicFile, TargetThatIsADirectoryIsRefusedBeforeAnyWrite) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "a", "old a");
    fs::create_directory(dir / "b");
    std::vector<base::PendingFile> files = {{dir / "a", Bytes("new a")}, {dir / "b", Bytes("b")}};
    EXPECT_FALSE(base::WriteFilesAtomically(files, nullptr));
    EXPECT_EQ(ScratchDirectory::Read(dir / "a"), "old a");
    EXPECT_EQ(EntryCount(dir.Path()), 2u);
}

TEST(AtomicFile, ReadOnlyFolderLeavesNothing) {
    ScratchDirectory dir;
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    // Root writes into read-only folders: the write runs in a child that gives
    // up its privileges first.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(4);
        ::_exit(base::WriteFileAtomically(dir / "a", Bytes("a"), nullptr) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    fs::permissions(dir.Path(), fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write into a read-only folder succeeded";
    EXPECT_EQ(EntryCount(dir.Path()), 0u);
}

TEST(AtomicFile, NewFileGetsTheUsualModeNotThePrivateOne) {
    ScratchDirectory dir;
    mode_t mask = ::umask(022);
    ASSERT_TRUE(base::WriteFileAtomically(dir / "a", Bytes("a"), nullptr));
    ::umask(mask);
    EXPECT_EQ(fs::status(dir / "a").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST(AtomicFile, ReplacedFileKeepsItsMode) {
    ScratchDirectory dir;
    ScratchDirectory::Write(dir / "a", "old a");
    fs::permissions(dir / "a", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(base::WriteFileAtomically(dir / "a", std::string_view("new a")));
    EXPECT_EQ(ScratchDirectory::Read(dir / "a"), "new a");
    EXPECT_EQ(fs::status(dir / "a").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFile, FailureLeavesItsCauseInErrno) {
    ScratchDirectory dir;
    errno = 0;
    EXPECT_FALSE(base::WriteFileAtomically(dir / "no/such/a", std::string_view("a")));
    EXPECT_EQ(errno, ENOENT);
    fs::create_directory(dir / "b");
    std::string error;
    EXPECT_FALSE(base::WriteFileAtomically(dir / "b", std::string_view("b"), &error));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(error, "cannot replace \"" + (dir / "b") + "\": Is a directory");
    EXPECT_FALSE(base::WriteFileAtomically("", std::string_view("c")));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhy) {
    ScratchDirectory dir;
    const std::string bytes("a\0b\r\n\xFF", 6);
    ScratchDirectory::Write(dir / "a", bytes);
    std::string content = "stale";
    ASSERT_TRUE(base::ReadWholeFile(dir / "a", &content));
    EXPECT_EQ(content, bytes);

    std::string error;
    errno = 0;
    EXPECT_FALSE(base::ReadWholeFile(dir / "missing", &content, &error));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(content, "");
    EXPECT_EQ(error, "cannot read " + (dir / "missing") + ": No such file or directory");
}
