// Saving a case replaces the file whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/records/case.h"
#include "records_home.h"
#include "sample_case.h"

namespace {

using records_test::HomePath;
using records_test::ReadFile;

class CaseSave : public records_test::HomeTest {};

int SaveIntoReadOnlyFolder(const std::string& path) {
    std::unique_ptr<CCase> sample = records_test::MakeSampleCase();
    std::string error;
    if (sample->SaveFile(path, &error)) return 1;
    return error == "Permission denied" ? 0 : 2;
}

TEST_F(CaseSave, ReadOnlyFolderKeepsTheOldFile) {
    const std::string folder = HomePath("cases");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const std::string path = folder + "/jane.hom";
    records_test::WriteFile(path, records_test::NewCaseText());
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const int code = records_test::InUnprivilegedChild(&SaveIntoReadOnlyFolder, path);
    ::chmod(folder.c_str(), 0755);
    if (code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(path), records_test::NewCaseText());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(CaseSave, ReplacesAnExistingFileWhole) {
    const std::string path = HomePath("jane.hom");
    records_test::WriteFile(path, std::string(100000, 'x'));
    std::unique_ptr<CCase> sample = records_test::MakeSampleCase();
    ASSERT_TRUE(sample->SaveFile(path));
    EXPECT_EQ(ReadFile(path), records_test::SampleCaseText());
}

TEST_F(CaseSave, MissingFolderIsReported) {
    CCase theCase;
    std::string error;
    EXPECT_FALSE(theCase.SaveFile(HomePath("no/such/folder.hom"), &error));
    EXPECT_EQ(error, "No such file or directory");
}

}  // namespace
