// The recent-file list kept in the user's profile.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "shell/recent_files.h"

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_profile = new QTemporaryDir;
        setenv("XDG_CONFIG_HOME", s_profile->path().toLocal8Bit().constData(), 1);
    }
    static void TearDownTestSuite() { delete s_profile; }
    void SetUp() override {
        QSettings(QStringLiteral("Meridane"), QStringLiteral("Meridane")).clear();
    }
    static QTemporaryDir* s_profile;
};
QTemporaryDir* RecentFilesTest::s_profile = nullptr;

TEST_F(RecentFilesTest, NewestFirstWithoutDuplicatesAndAtMostFifteen) {
    CRecentFiles recent;
    for (int i = 0; i < 20; ++i) recent.Add(QStringLiteral("/cases/%1.hom").arg(i));
    recent.Add(QStringLiteral("/cases/10.hom"));
    recent.Add(QStringLiteral("/cases/./11.hom"));  // the same file, spelt otherwise
    ASSERT_EQ(recent.Paths().size(), CRecentFiles::kMaxEntries);
    EXPECT_EQ(recent.Paths()[0], QStringLiteral("/cases/11.hom"));
    EXPECT_EQ(recent.Paths()[1], QStringLiteral("/cases/10.hom"));
    EXPECT_EQ(recent.Paths()[2], QStringLiteral("/cases/19.hom"));
    EXPECT_EQ(recent.Paths().last(), QStringLiteral("/cases/5.hom"));
    EXPECT_EQ(recent.Paths().count(QStringLiteral("/cases/10.hom")), 1);
}

TEST_F(RecentFilesTest, TheListSurvivesInTheProfile) {
    {
        CRecentFiles recent;
        recent.Add(QStringLiteral("/a.hom"));
        recent.Add(QStringLiteral("/b.hom"));
        recent.Remove(QStringLiteral("/a.hom"));
        recent.Add(QStringLiteral("/c.hom"));
    }
    EXPECT_EQ(CRecentFiles().Paths(), QStringList({"/c.hom", "/b.hom"}));
}

TEST_F(RecentFilesTest, RelativePathsAreStoredAbsolute) {
    CRecentFiles recent;
    recent.Add(QStringLiteral("relative.hom"));
    EXPECT_EQ(recent.Paths().first(), QDir::current().absoluteFilePath(QStringLiteral("relative.hom")));
}

}  // namespace
