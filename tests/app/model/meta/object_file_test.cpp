// LoadObject and SaveObject on real files.
#include "model/storage/object_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "sample_records.h"
#include "scratch_dir.h"

namespace {

TEST(SaveObject, WritesCrLfTextAndReadsItBack) {
    ScratchDir dir;
    SampleCase saved;
    saved.m_title = "line one\nline two";
    saved.m_first.m_name = "first";
    saved.m_first.Append(new SampleNote("note"));
    ASSERT_EQ(
        SaveObject(nullptr, dir.File("case.hom"), "Meridane Suite Software Project", saved, -1), 0);

    const std::string text = dir.Read("case.hom");
    EXPECT_EQ(
        text.rfind("Meridane_Suite_Software_Project\r\n{\r\n    Title \"line one\\nline two\"\r\n",
                   0),
        0u);
    EXPECT_EQ(text.find("CodePage_"), std::string::npos);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"case.hom"});

    SampleCase loaded;
    int codePage = 0;
    ASSERT_EQ(LoadObject(nullptr, &codePage, dir.File("case.hom"), loaded), 0);
    EXPECT_EQ(codePage, -1);
    EXPECT_EQ(loaded.m_title, saved.m_title);
    ASSERT_NE(loaded.m_first.m_next, nullptr);
    EXPECT_EQ(loaded.m_first.m_next->m_name, "note");
}

TEST(SaveObject, CodePageIsWrittenAndReportedOnLoad) {
    ScratchDir dir;
    SampleCase saved;
    saved.m_title = "\xCF\xF0\xE8\xE2\xE5\xF2";  // Cyrillic in code page 1251
    ASSERT_EQ(SaveObject(nullptr, dir.File("ru.txt"), "Root", saved, 1251), 0);
    EXPECT_NE(dir.Read("ru.txt").find("{\r\nCodePage_ \"1251\"\r\n"), std::string::npos);
    SampleCase loaded;
    int codePage = 0;
    ASSERT_EQ(LoadObject(nullptr, &codePage, dir.File("ru.txt"), loaded), 0);
    EXPECT_EQ(codePage, 1251);
    EXPECT_EQ(loaded.m_title, saved.m_title);
}

TEST(LoadObject, FailuresGiveMinusOne) {
    ScratchDir dir;
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"empty.hom", ""},
        {"root_only.hom", "Root\r\n{\r\n}\r\n"},
        {"unquoted.hom", "Root\r\n{\r\n    Title 12\r\n}\r\n"},
        {"open.hom", "Root\r\n{\r\n    Title \"x\"\r\n"},
        {"ghost.hom",
         "Root\r\n{\r\n    First\r\n    {\r\n        Next_Item\r\n        {\r\n            "
         "Ghost\r\n"
         "            {\r\n            }\r\n        }\r\n    }\r\n}\r\n"},
    };
    for (const Case& c : cases) {
        dir.Write(c.name, c.text);
        SampleCase record;
        EXPECT_EQ(LoadObject(nullptr, nullptr, dir.File(c.name), record), -1) << c.name;
    }
    SampleCase record;
    EXPECT_EQ(LoadObject(nullptr, nullptr, dir.File("missing.hom"), record), -1);
    EXPECT_EQ(LoadObject(nullptr, nullptr, dir.Path(), record), -1);  // a folder
}

TEST(LoadObject, ParseFailureLeavesTheObjectUntouched) {
    ScratchDir dir;
    dir.Write("bad.hom", "Root\r\n{\r\n    Title \"changed\"\r\n    Tags 5\r\n}\r\n");
    SampleCase record;
    EXPECT_EQ(LoadObject(nullptr, nullptr, dir.File("bad.hom"), record), -1);
    EXPECT_EQ(record.m_title, "untitled");
}

TEST(SaveObject, KeepsThePermissionsOfTheReplacedFile) {
    ScratchDir dir;
    SampleCase record;
    dir.Write("case.hom", "old");
    ASSERT_EQ(::chmod(dir.File("case.hom").c_str(), 0640), 0);
    ASSERT_EQ(SaveObject(nullptr, dir.File("case.hom"), "Root", record, -1), 0);
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("case.hom").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

}  // namespace
