// export-chart CASE.hom OUT.pdf|OUT.png [--analysis K]: the whole chart of an
// analysis, drawn by the analysis window's own renderers without a display
// (Qt's offscreen platform): a PDF of A4 pages that repeat the remedy names and
// rubric titles, or one PNG image of the whole chart.  The only command of the
// tool that uses Qt.
#include <QApplication>
#include <QString>
#include <cstdlib>

#include "base/text/ascii.h"
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"
#include "views/analysis/chart/chart_export.h"
#include "views/analysis/chart/chart_sheet.h"

namespace meridane_case {

int RunExportChart(const Invocation& invocation) {
    const Command* command = FindCommand("export-chart");
    const std::string& path = invocation.arguments[0];
    const std::string& out = invocation.arguments[1];
    const bool pdf = base::EndsWithIgnoringAsciiCase(out, ".pdf");
    if (!pdf && !base::EndsWithIgnoringAsciiCase(out, ".png"))
        return UsageError("the chart is written as .pdf or .png", command);
    const std::string* analysisText = invocation.Option("--analysis");

    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    CAnalysis* analysis =
        FindAnalysis(*theCase, analysisText != nullptr ? *analysisText : "0", path);
    if (analysis == nullptr) return kExitFailure;

    // Fonts and painting need an application object; no display is used.
    // Qt's notes about the session (no runtime folder, ...) are no concern of
    // this command; its own errors are.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) Fail(text.toStdString());
    });
    int argc = 1;
    char name[] = "meridane-case";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    const CChartSheet sheet(*analysis, theCase.get());
    const QString target = QString::fromUtf8(out.c_str());
    QString error;
    const bool written = pdf ? chart::ExportChartPdf(sheet, target, &error)
                             : chart::ExportChartPng(sheet, target, &error);
    if (!written) return Fail(error.toStdString());
    return WriteOut(out + "\n") ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
