// The record of loaded sources in corvela.ini.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/source_list_file.h"
#include "repertory_fixture.h"
#include "test_home.h"

using namespace corvela_test;

TEST(SourceList, BaseNameBesideTheProgramFullPathElsewhere) {
    EXPECT_EQ(DataSourceListLines({"/opt/Meridane/kent.rpb", "/opt/meridane/kent.v2.rpb",
                                   "/opt/meridane/sub/x.rpb", "/elsewhere/b.mmb", ""},
                                  "/opt/meridane/"),
              (std::vector<std::string>{"file_name=kent", "file_name=kent.v2",
                                        "file_name=/opt/meridane/sub/x.rpb",
                                        "file_name=/elsewhere/b.mmb", "file_name="}));
}

class SourceListFile : public HomeTest {};

TEST_F(SourceListFile, CloseAllWritesTheSectionAndKeepsTheOthers) {
    ASSERT_EQ(CompileRepertory("root\n", HomePath("b.rpb")), 1);
    ASSERT_EQ(CompileRepertory("root\n", HomePath("a.rpb")), 1);
    WriteBytes(HomePath("corvela.ini"),
               {'[', 'O', 't', 'h', 'e', 'r', ']', '\n', 'k', '=', '1', '\n'});
    ASSERT_EQ(CorvelaInstance().GetDataSourceCount(), 2u);
    CorvelaInstance().CloseAll();
    EXPECT_EQ(ReadText(HomePath("corvela.ini")),
              "[Other]\nk=1\n[DataSources]\nfile_name=a\nfile_name=b\n");
}

TEST_F(SourceListFile, NothingIsWrittenWithoutSources) {
    EXPECT_EQ(CorvelaInstance().GetDataSourceCount(), 0u);
    CorvelaInstance().SaveDataSourceList();
    CorvelaInstance().CloseAll();
    EXPECT_FALSE(std::filesystem::exists(HomePath("corvela.ini")));
}
