// A save that fails part-way (read-only folder, full disk, a target that
// cannot be replaced) reports -1, leaves the previous file as it was and no
// temporary file behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "model/storage/object_file.h"
#include "sample_records.h"
#include "scratch_dir.h"

namespace {

const char kOld[] = "Root\r\n{\r\n    Title \"the old case\"\r\n}\r\n";

// A case big enough to need many writes.
void FillBig(SampleCase& record) {
    record.m_title = std::string(1 << 20, 'x');
    for (int i = 0; i < 1000; ++i) record.m_tags.push_back("tag " + std::to_string(i));
}

// Runs `body` in a child process and returns its exit code (-1 when it died).
template <class Body>
int InChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AtomicSave, FullDiskKeepsTheOldFile) {
    ScratchDir dir;
    dir.Write("case.hom", kOld);
    const std::string path = dir.File("case.hom");
    // The child may write no more than 64 KiB per file; SIGXFSZ ignored makes
    // the write fail with EFBIG, as on a full disk.
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
        SampleCase record;
        FillBig(record);
        return SaveObject(nullptr, path, "Root", record, -1) == -1 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.Read("case.hom"), kOld);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"case.hom"});
}

TEST(AtomicSave, ReadOnlyFolderKeepsTheOldFile) {
    ScratchDir dir;
    dir.Write("case.hom", kOld);
    const std::string path = dir.File("case.hom");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    // Root writes into read-only folders; the child gives up its privileges.
    const int code = InChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 4;
        SampleCase record;
        record.m_title = "new";
        return SaveObject(nullptr, path, "Root", record, -1) == -1 ? 0 : 1;
    });
    ::chmod(dir.Path().c_str(), 0755);
    if (code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.Read("case.hom"), kOld);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"case.hom"});
}

TEST(AtomicSave, TargetThatCannotBeReplacedLeavesNoTemporaryFile) {
    ScratchDir dir;
    ASSERT_EQ(::mkdir(dir.File("case.hom").c_str(), 0755), 0);  // a folder in the way
    SampleCase record;
    EXPECT_EQ(SaveObject(nullptr, dir.File("case.hom"), "Root", record, -1), -1);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"case.hom"});
    EXPECT_EQ(SaveObject(nullptr, dir.File("no/such/folder.hom"), "Root", record, -1), -1);
}

TEST(AtomicSave, TreeThatCannotBeWrittenKeepsTheOldFile) {
    ScratchDir dir;
    dir.Write("case.hom", kOld);
    SampleCase record;
    record.m_first.m_next = nullptr;
    // A root name that is no identifier could not be read again.
    EXPECT_EQ(SaveObject(nullptr, dir.File("case.hom"), "1 bad root", record, -1), -1);
    EXPECT_EQ(dir.Read("case.hom"), kOld);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"case.hom"});
}

}  // namespace
