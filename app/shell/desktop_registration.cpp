#include "shell/desktop_registration.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString DefaultDataHome() {
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
    return QDir::homePath() + QLatin1String("/.local/share");
}

// Writes `text` as `path` when no file is there yet (folders made as needed).
bool WriteWhenMissing(const QString& path, const QString& text) {
    if (QFileInfo::exists(path)) return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

}  // namespace

QString QuoteExecArgument(const QString& argument) {
    // Inside the quotes of an Exec argument '"', '`', '$' and '\' take a
    // backslash; the string value then doubles every backslash.
    QString quoted;
    for (QChar ch : argument) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('`') || ch == QLatin1Char('$') ||
            ch == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        // A line break would end the entry's line; '%' starts a field code.
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) continue;
        if (ch == QLatin1Char('%')) quoted += QLatin1Char('%');
        quoted += ch;
    }
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DesktopEntryText(const QString& executable) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Meridane Suite\n"
               "GenericName=Homeopathic repertory and case keeping\n"
               "Comment=Repertories, materia medica and patient cases\n"
               "Exec=%1 %f\n"
               "Icon=meridane\n"
               "Terminal=false\n"
               "MimeType=%2;\n"
               "Categories=Office;MedicalSoftware;\n"
               "X-Meridane-ProgId=%3\n")
        .arg(QuoteExecArgument(executable), QLatin1String(CCaseFileType::kMimeType),
             QLatin1String(CCaseFileType::kProgrammaticId));
}

QString MimePackageText() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>%2</comment>\n"
               "    <glob pattern=\"*.hom\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(QLatin1String(CCaseFileType::kMimeType),
             QLatin1String(CCaseFileType::kDescription));
}

CRegistrationResult RegisterCaseFileType(const QString& executable, const QString& dataHome) {
    const QString home = dataHome.isEmpty() ? DefaultDataHome() : dataHome;
    CRegistrationResult result;
    result.wroteDesktopEntry =
        WriteWhenMissing(home + QLatin1String("/applications/") + CCaseFileType::kDesktopFileName,
                         DesktopEntryText(executable));
    result.wroteMimePackage = WriteWhenMissing(
        home + QLatin1String("/mime/packages/") + CCaseFileType::kMimePackageName,
        MimePackageText());
    if (result.wroteMimePackage && dataHome.isEmpty()) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (!tool.isEmpty()) QProcess::startDetached(tool, {home + QLatin1String("/mime")});
    }
    return result;
}
