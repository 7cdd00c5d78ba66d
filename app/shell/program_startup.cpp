#include "shell/program_startup.h"

#include <corvela.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>

#include "model/lang/language.h"
#include "shell/desktop_registration.h"
#include "shell/engine_binding.h"
#include "shell/interface_translation.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/screenshot_run.h"
#include "shell/startup_timing.h"

namespace {

struct CommandLine {
    QString caseFile;
    CScreenshotOptions screenshots;
    bool timing = false;
};

CommandLine ParseCommandLine(const QApplication& application) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("case"), QStringLiteral("A case file to open."),
                                 QStringLiteral("[case.hom]"));
    const QCommandLineOption screenshots(QStringLiteral("screenshot-dir"),
                                         QStringLiteral("Save screenshots into DIR and quit."),
                                         QStringLiteral("DIR"));
    const QCommandLineOption timing(QStringLiteral("startup-timing"),
                                    QStringLiteral("Print the time to the first paint and quit."));
    const QCommandLineOption suffix(QStringLiteral("screenshot-suffix"),
                                    QStringLiteral("Append SUFFIX to each screenshot's name."),
                                    QStringLiteral("SUFFIX"));
    const QCommandLineOption dataSet(QStringLiteral("screenshot-data"),
                                     QStringLiteral("The scenes to take: demo (default) or real."),
                                     QStringLiteral("SET"), QStringLiteral("demo"));
    parser.addOption(screenshots);
    parser.addOption(suffix);
    parser.addOption(dataSet);
    parser.addOption(timing);
    parser.process(application);
    CommandLine line;
    if (!parser.positionalArguments().isEmpty()) line.caseFile = parser.positionalArguments().first();
    line.screenshots.folder = parser.value(screenshots);
    line.screenshots.suffix = parser.value(suffix);
    line.screenshots.dataSet = parser.value(dataSet);
    line.timing = parser.isSet(timing);
    return line;
}

}  // namespace

int RunMeridane(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();

    // Localisation first: every caption below passes through it.
    CLanguage::Get().LoadProgramLanguage();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Meridane"));
    QApplication::setApplicationName(QStringLiteral("Meridane"));
    QApplication::setApplicationVersion(QStringLiteral(MERIDANE_VERSION));
    LoadToolkitTranslation(&application);
    InstallInterfaceTranslation(&application);
    const CommandLine line = ParseCommandLine(application);

    // Loads every repertory and materia medica next to the program before
    // any window exists.
    Engine().GetDataSourceCount();

    RegisterCaseFileType(QApplication::applicationFilePath());

    CMeridaneApp meridane;
    meridane.CreateMainFrame();
    CMainFrame* frame = meridane.MainFrame();
    if (line.screenshots.folder.isEmpty()) {
        frame->RestoreWindowState();
    } else {
        frame->resize(1200, 760);
    }

    // A case file that cannot be opened has been reported; the program then
    // starts with a new case.
    if (line.caseFile.isEmpty() || !meridane.OpenCaseFile(line.caseFile)) meridane.NewCase();

    if (line.timing) WatchFirstPaint(*frame, sinceStart);
    frame->show();
    if (!line.screenshots.folder.isEmpty()) StartScreenshotRun(meridane, line.screenshots);
    return application.exec();
}
