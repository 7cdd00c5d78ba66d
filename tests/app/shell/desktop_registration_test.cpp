// The case file type on the desktop: the texts of the desktop entry and the
// mime package, and writing them only where they are missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/desktop_registration.h"

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DesktopRegistration, ExecArgumentsAreQuotedAndEscaped) {
    const struct {
        const char* path;
        const char* quoted;
    } cases[] = {
        {"/opt/meridane/meridane", "\"/opt/meridane/meridane\""},
        {"/home/a b/meridane", "\"/home/a b/meridane\""},
        {"/x/\"q\"/m", "\"/x/\\\\\"q\\\\\"/m\""},
        {"/x/$HOME/m", "\"/x/\\\\$HOME/m\""},
        {"/x/back\\slash", "\"/x/back\\\\\\\\slash\""},
        {"/x/100%/m", "\"/x/100%%/m\""},
        {"/x/line\nbreak", "\"/x/linebreak\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteExecArgument(QString::fromUtf8(c.path)).toStdString(), c.quoted) << c.path;
    }
}

TEST(DesktopRegistration, TheEntryNamesTheProgramAndTheCaseType) {
    const QString entry = DesktopEntryText(QStringLiteral("/opt/m/meridane"));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/opt/m/meridane\" %f\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nMimeType=application/x-meridane-case;\n")));
    const QString mime = MimePackageText();
    EXPECT_TRUE(mime.contains(QStringLiteral("<comment>Meridane Suite Patient Case file</comment>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.hom\"/>")));
}

// What the install step copies is what the program writes at start-up.
TEST(DesktopRegistration, InstalledFilesMatchTheWrittenOnes) {
    EXPECT_EQ(Read(QStringLiteral(MERIDANE_DESKTOP_ENTRY)),
              DesktopEntryText(QStringLiteral(MERIDANE_DESKTOP_EXEC)));
    EXPECT_EQ(Read(QStringLiteral(MERIDANE_MIME_PACKAGE)), MimePackageText());
}

TEST(DesktopRegistration, WritesOnlyWhatIsMissing) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString entry = home.filePath(QStringLiteral("applications/meridane.desktop"));
    const QString mime = home.filePath(QStringLiteral("mime/packages/meridane-case.xml"));

    CRegistrationResult first = RegisterCaseFileType(QStringLiteral("/opt/m/meridane"), home.path());
    EXPECT_TRUE(first.wroteDesktopEntry);
    EXPECT_TRUE(first.wroteMimePackage);
    EXPECT_EQ(Read(entry), DesktopEntryText(QStringLiteral("/opt/m/meridane")));

    // An entry the user changed stays as it is.
    QFile changed(entry);
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changed.write("[Desktop Entry]\nName=Mine\n");
    changed.close();
    CRegistrationResult second = RegisterCaseFileType(QStringLiteral("/elsewhere/meridane"), home.path());
    EXPECT_FALSE(second.wroteDesktopEntry);
    EXPECT_FALSE(second.wroteMimePackage);
    EXPECT_EQ(Read(entry), QStringLiteral("[Desktop Entry]\nName=Mine\n"));
}

TEST(DesktopRegistration, AnUnwritableFolderIsNoFailure) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // "applications" is a file: nothing can be written below it.
    QFile blocker(home.filePath(QStringLiteral("applications")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CRegistrationResult result = RegisterCaseFileType(QStringLiteral("/opt/m/meridane"), home.path());
    EXPECT_FALSE(result.wroteDesktopEntry);
    EXPECT_TRUE(result.wroteMimePackage);
}

}  // namespace
