// The whole chart printed and exported: PDF pages that repeat the corner,
// titles and names, the page count of a chart larger than a page, the PNG of
// the whole chart, and failures that leave no file behind.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "analysis_test_support.h"
#include "views/analysis/chart/chart_export.h"
#include "views/analysis/chart/chart_pages.h"
#include "views/analysis/chart/chart_sheet.h"
#include "views/analysis/chart/chart_style.h"

using namespace analysis_test;

namespace {

// `rows` remedies against `columns` rubrics in three symptoms.
void FillChart(CAnalysis& analysis, int rows, int columns) {
    for (int c = 0; c < columns; ++c) {
        if (c % 10 == 0) Symptom(analysis, "symptom " + std::to_string(c / 10), 1 + c % 4, {});
        CSympthom::CTopic topic = Rubric("Mind; rubric number " + std::to_string(c), {});
        for (int r = 1; r <= rows; ++r) {
            const int grade = (r * 7 + c * 3) % 5;
            if (grade != 0) topic.m_remedies.push_back({r, grade, NumberName(r)});
        }
        analysis.GetFirstSymptom().GetLast()->m_topics.push_back(topic);
    }
}

// "Pages: N" of pdfinfo; -1 without pdfinfo.
int PdfPages(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty()) return -1;
    QProcess process;
    process.start(tool, {path});
    if (!process.waitForFinished(20000)) return -2;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -3;
}

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseDemoHome(); }

    void pagesRunAcrossThenDown() {
        // 100 x 60 chart pixels a page for the chart: two columns, one row
        // under the titles on the first page, ...
        const std::vector<ChartPage> pages = PlanChartPages(5, 3, 75 + 2 * 40, 100 + 2 * 40 + 30, 30, 0);
        QCOMPARE(int(pages.size()), 3 * 2);
        QCOMPARE(pages[0].row0, 0);
        QCOMPARE(pages[0].row1, 2);
        QCOMPARE(pages[0].column1, 2);
        QCOMPARE(pages[1].column0, 2);
        QCOMPARE(pages[1].column1, 3);
        QCOMPARE(pages[2].row0, 2);
        QCOMPARE(pages.back().row1, 5);
        // No rows or columns: one page with the corner.
        QCOMPARE(int(PlanChartPages(0, 0, 500, 500, 100, 20).size()), 1);
        // A page too small still takes a row and a column.
        QCOMPARE(int(PlanChartPages(2, 2, 10, 10, 5, 5).size()), 4);
    }

    void aLargeChartGivesSeveralPdfPages() {
        TestHost host;
        host.Case().GetPatientInfo().m_name = "Jane Roe";
        CAnalysis& analysis = host.Analysis();
        FillChart(analysis, 70, 34);
        const CChartSheet sheet(analysis, &host.Case(), NumberName);
        QCOMPARE(sheet.ChartSize(), QSize(75 + 34 * 40, 100 + 70 * 40));
        const int expected = chart::ExportPageCount(sheet);
        QVERIFY2(expected >= 4, qPrintable(QString::number(expected)));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.pdf"));
        QString error;
        QVERIFY2(chart::ExportChartPdf(sheet, path, &error), qPrintable(error));
        QVERIFY(QFileInfo(path).size() > 1000);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("chart.pdf")});
        const int pages = PdfPages(path);
        if (pages == -1) QSKIP("pdfinfo is not installed");
        QCOMPARE(pages, expected);

        // The first page renders, and shows ink where the chart stands.
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm is not installed");
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                              QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                              QStringLiteral("1"), QStringLiteral("-singlefile"), path,
                                              folder.filePath(QStringLiteral("page"))}),
                 0);
        const QImage page(folder.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        QVERIFY(page.height() > page.width());  // A4 portrait
        QVERIFY(CountInk(page.convertToFormat(QImage::Format_RGB32), page.rect()) > 1000);
    }

    void thePngHoldsTheWholeChart() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        FillChart(analysis, 40, 12);
        const CChartSheet sheet(analysis, &host.Case(), NumberName);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.png"));
        QString error;
        QVERIFY2(chart::ExportChartPng(sheet, path, &error), qPrintable(error));
        const QImage image(path);
        QVERIFY(!image.isNull());
        const QSize size = chart::ChartImageSize(sheet);
        QCOMPARE(image.size(), size);
        QCOMPARE(size.width(), std::max(chart::kMinimumImageWidth, 75 + 12 * 40 + 2 * chart::kImageMargin));
        QCOMPARE(size.height(), 2 * chart::kImageMargin + sheet.HeaderHeight(size.width() - 2 * chart::kImageMargin) +
                                    100 + 40 * 40);
        // The image is the chart as the sheet paints it, band seams and all.
        const int top = chart::kImageMargin + sheet.HeaderHeight(size.width() - 2 * chart::kImageMargin);
        QImage direct(sheet.ChartSize(), QImage::Format_RGB32);
        direct.fill(Qt::white);
        {
            QPainter painter(&direct);
            sheet.PaintChart(painter, direct.rect());
        }
        const QImage part = image.copy(QRect(QPoint(chart::kImageMargin, top), sheet.ChartSize()))
                                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(part, direct);
    }

    void aFailedExportLeavesNothing() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        FillChart(analysis, 3, 3);
        const CChartSheet sheet(analysis, &host.Case(), NumberName);
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("no/such/folder/chart.pdf"));
        QString error;
        QVERIFY(!chart::ExportChartPdf(sheet, missing, &error));
        QVERIFY(error.contains(QStringLiteral("chart.pdf")));
        QVERIFY(!chart::ExportChartPng(sheet, folder.filePath(QStringLiteral("no/chart.png")), &error));
        QVERIFY(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        // An existing file is replaced whole.
        const QString path = folder.filePath(QStringLiteral("chart.png"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(chart::ExportChartPng(sheet, path, &error));
        QVERIFY(!QImage(path).isNull());
    }

    void anEmptyAnalysisStillExports() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        const CChartSheet sheet(analysis, &host.Case(), NumberName);
        QCOMPARE(sheet.ChartSize(), QSize(75, 100));
        QTemporaryDir folder;
        QString error;
        QVERIFY(chart::ExportChartPdf(sheet, folder.filePath(QStringLiteral("empty.pdf")), &error));
        QVERIFY(chart::ExportChartPng(sheet, folder.filePath(QStringLiteral("empty.png")), &error));
        QCOMPARE(QImage(folder.filePath(QStringLiteral("empty.png"))).size(), chart::ChartImageSize(sheet));
    }
};

QTEST_MAIN(ChartExportTest)
#include "chart_export_qtest.moc"
