// practitioner.txt carries the practitioner from item to item: read when a
// record is made, written when one is destroyed.
#include <sys/stat.h>

#include <filesystem>

#include "model/records/case.h"
#include "records_home.h"

namespace {

using records_test::HomePath;
using records_test::ReadFile;
using records_test::WriteFile;

class Practitioner : public records_test::HomeTest {};

std::string PractitionerFile() {
    return HomePath("practitioner.txt");
}

TEST_F(Practitioner, WithoutTheFileEveryFieldIsNone) {
    CEpisode episode("New Episode");
    const CPractitioner& p = episode.GetPractitioner();
    for (const std::string* field : {&p.m_name, &p.m_title, &p.m_address, &p.m_phone, &p.m_other})
        EXPECT_EQ(*field, "none");
}

TEST_F(Practitioner, DestructionWritesTheFileWithoutCodePage) {
    {
        CPractitioner p;
        p.m_name = "Dr. A. Smith";
        p.m_phone = "555 0100";
    }
    EXPECT_EQ(ReadFile(PractitionerFile()),
              "Practitioner\r\n{\r\n    Name \"Dr. A. Smith\"\r\n    Title \"none\"\r\n"
              "    Address \"none\"\r\n    Phone \"555 0100\"\r\n    Other \"none\"\r\n}\r\n");
}

TEST_F(Practitioner, ValuesFollowFromItemToItem) {
    {
        CCase theCase;
        CPrescription* prescription = theCase.AddPrescription();
        prescription->GetPractitioner().m_name = "Dr. Changed";
        prescription->GetPractitioner().m_title = "Homeopath";
        prescription->Unlink();
        // Made after the change was written: starts with it.
        CAnalysis* analysis = theCase.AddAnalysis();
        EXPECT_EQ(analysis->GetPractitioner().m_name, "Dr. Changed");
        EXPECT_EQ(analysis->GetPractitioner().m_title, "Homeopath");
        analysis->GetPractitioner().m_name = "Dr. Analysis";
        theCase.GetFirstEpisode().GetPractitioner().m_name = "Dr. First";
    }
    // Closing the case destroys the items last first, the first episode last.
    CEpisode next("Note");
    EXPECT_EQ(next.GetPractitioner().m_name, "Dr. First");
    EXPECT_EQ(next.GetPractitioner().m_title, "none");
}

TEST_F(Practitioner, LoadingACaseOverwritesWhatTheFileGave) {
    WriteFile(PractitionerFile(), "Practitioner\n{\n    Name \"From the file\"\n}\n");
    std::unique_ptr<CCase> loaded = CCase::LoadText(
        "Meridane_Suite_Software_Project\n{\n  Case_Episodes\n  {\n"
        "    Practitioner\n    {\n      Name \"From the case\"\n    }\n  }\n}\n");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetFirstEpisode().GetPractitioner().m_name, "From the case");
    // Nodes the case lacks take the layout's defaults.
    EXPECT_EQ(loaded->GetFirstEpisode().GetPractitioner().m_title, "none");
}

struct FileCase {
    const char* label;
    const char* text;
    const char* name;   // what the record's name becomes
    const char* title;  // ... and its title

    // Names the case in test listings.
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.label; }
};

class PractitionerFileContent : public records_test::HomeTest,
                                public ::testing::WithParamInterface<FileCase> {};

TEST_P(PractitionerFileContent, GivesTheExpectedValues) {
    WriteFile(PractitionerFile(), GetParam().text);
    CPractitioner p;
    EXPECT_EQ(p.m_name, GetParam().name);
    EXPECT_EQ(p.m_title, GetParam().title);
    EXPECT_EQ(p.m_other, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Practitioner, PractitionerFileContent,
    ::testing::Values(
        FileCase{"OnlyName", "Practitioner\n{\n    Name \"Dr. X\"\n}\n", "Dr. X", "none"},
        // Missing attributes take the layout defaults: "Unknown" for the name.
        FileCase{"OnlyTitle", "Practitioner\n{\n    Title \"MD\"\n    Other \"MD\"\n}\n", "Unknown",
                 "MD"},
        FileCase{"Empty", "", "none", "none"},
        FileCase{"Unparsable", "Practitioner\n{\n    Name \"Dr. X\"\n    Title 12\n}\n", "none",
                 "none"},
        FileCase{"Unterminated", "Practitioner\n{\n    Name \"Dr. X\"\n", "none", "none"}),
    [](const auto& param) { return std::string(param.param.label); });

// Run without privileges: the practitioner of an installed program keeps
// their details in the user configuration folder, starting from the
// program directory's file.
int WriteInReadOnlyFolder(const std::string& folder) {
    ::setenv("MERIDANE_HOME", folder.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (folder + "-config").c_str(), 1);
    {
        CPractitioner p;
        if (p.m_name != "Dr. Kept") return 2;
        p.m_name = "Dr. Moved";
    }
    if (CPractitioner().m_name != "Dr. Moved") return 3;
    return ReadFile(folder + "-config/meridane/practitioner.txt").find("Dr. Moved") == std::string::npos;
}

TEST_F(Practitioner, ReadOnlyFolderLeavesTheFileToTheUsersConfiguration) {
    const std::string folder = HomePath("locked");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder + "-config").c_str(), 0777), 0);
    ::chmod((folder + "-config").c_str(), 0777);  // whatever the umask left
    WriteFile(folder + "/practitioner.txt", "Practitioner\n{\n    Name \"Dr. Kept\"\n}\n");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    // The child must reach the folders through the home (made private).
    struct stat home {};
    ::stat(records_test::Home().c_str(), &home);
    ::chmod(records_test::Home().c_str(), 0755);
    const int code = records_test::InUnprivilegedChild(&WriteInReadOnlyFolder, folder);
    ::chmod(records_test::Home().c_str(), home.st_mode & 07777);
    ::chmod(folder.c_str(), 0755);
    std::filesystem::remove_all(folder + "-config");
    if (code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(folder + "/practitioner.txt"),
              "Practitioner\n{\n    Name \"Dr. Kept\"\n}\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
