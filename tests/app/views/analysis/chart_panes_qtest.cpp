// The panes of the analysis table drawn into images and driven as widgets:
// their geometry, the glyphs and the net of the grid, the shading, the empty
// states, the weight markers and the sort selector, and scrolling in step.
#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "analysis/sort_type.h"
#include "analysis_test_support.h"
#include "model/events/event_codes.h"
#include "views/analysis/chart/chart_data.h"
#include "views/analysis/chart/chart_grid_renderer.h"
#include "views/analysis/chart/chart_remedies_renderer.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/chart/chart_titles_renderer.h"
#include "views/analysis/chart/ranking_hint.h"
#include "views/analysis/sympthom_calc_pad_view.h"
#include "views/analysis/sympthom_sort_view.h"
#include "views/analysis/sympthom_table_views.h"

using namespace analysis_test;

namespace {

const QColor kWhite(255, 255, 255);

// One row per remedy 1 ... `rows`, one rubric per column; remedy r has grade
// (r + c) % 5 in column c (0: absent).
void FillGrid(CAnalysis& analysis, int rows, int columns) {
    CSympthom& symptom = Symptom(analysis, "s", 1, {});
    for (int c = 0; c < columns; ++c) {
        CSympthom::CTopic topic = Rubric("Mind; rubric " + std::to_string(c), {});
        for (int r = 1; r <= rows; ++r) {
            const int grade = (r + c) % 5;
            if (grade != 0) topic.m_remedies.push_back({r, grade, NumberName(r)});
        }
        symptom.m_topics.push_back(topic);
    }
}

std::vector<std::uint32_t> Order(const CChartData& data) {
    std::vector<std::uint32_t> order;
    for (const CItems& entry : data.Ranked()) order.push_back(entry.m_remedy);
    return order;
}

// Lets posted paints and zero timers run.
void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace

class ChartPanesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseDemoHome(); }

    void glyphsGrowWithTheGrade() {
        CAnalysis analysis;
        Symptom(analysis, "s", 1,
                {Rubric("a", {{1, 1}}), Rubric("b", {{1, 2}}), Rubric("c", {{1, 3}}),
                 Rubric("d", {{1, 4}})});
        CChartData data(NumberName);
        data.SetAnalysis(&analysis);
        CChartGridRenderer grid(data);
        const QImage image = Render(grid, QSize(160, 40));
        // One row: no vertical lines, the horizontal ones only at the centre line.
        for (int c = 0; c < 4; ++c) {
            const int ink = CountInk(image, QRect(c * 40, 19, 40, 1));
            QCOMPARE(ink, 2 * CChartGridRenderer::GlyphHalf(c + 1));
        }
        QCOMPARE(CChartGridRenderer::GlyphHalf(0), 0);
        QCOMPARE(image.pixelColor(60, 14), chart::Glyph());  // inside the grade 2 glyph
    }

    void linesRunOnlyTowardsExistingNeighbours() {
        // A single cell: no line at all.
        CAnalysis one;
        Symptom(one, "s", 1, {Rubric("a", {{1, 1}})});
        CChartData single(NumberName);
        single.SetAnalysis(&one);
        CChartGridRenderer lonely(single);
        const QImage alone = Render(lonely, QSize(40, 40));
        for (const QPoint& p : {QPoint(30, 20), QPoint(10, 20), QPoint(20, 30), QPoint(20, 10)})
            QCOMPARE(alone.pixelColor(p), kWhite);

        // Two remedies, two rubrics; remedy 2 is absent from the second rubric.
        CAnalysis two;
        Symptom(two, "s", 1, {Rubric("a", {{1, 1}, {2, 1}}), Rubric("b", {{1, 1}})});
        CChartData data(NumberName);
        data.SetAnalysis(&two);
        CChartGridRenderer grid(data);
        const QImage image = Render(grid, QSize(80, 80));
        QCOMPARE(Order(data), (std::vector<std::uint32_t>{1, 2}));
        QCOMPARE(data.Matrix().Get(1, 1), 0);
        // Cell (0, 0): lines right and down, none left or up.  A line covers
        // its centre and 17 pixels beyond; the neighbour's starts 17 before
        // its own centre, so the net keeps a small gap at each border.
        QCOMPARE(image.pixelColor(30, 20), chart::Net());
        QCOMPARE(image.pixelColor(37, 20), chart::Net());
        QCOMPARE(image.pixelColor(38, 20), kWhite);
        QCOMPARE(image.pixelColor(42, 20), kWhite);
        QCOMPARE(image.pixelColor(43, 20), chart::Net());
        QCOMPARE(image.pixelColor(20, 37), chart::Net());
        QCOMPARE(image.pixelColor(10, 20), kWhite);
        QCOMPARE(image.pixelColor(20, 10), kWhite);
        // Cell (1, 1) has grade 0: only its lines (left and up), no square.
        QCOMPARE(image.pixelColor(60, 60), chart::Net());
        QCOMPARE(image.pixelColor(52, 60), chart::Net());
        QCOMPARE(image.pixelColor(60, 52), chart::Net());
        QCOMPARE(image.pixelColor(68, 60), chart::OddRow());  // no right neighbour: the shading
        QCOMPARE(image.pixelColor(60, 68), chart::OddRow());
    }

    void oddRowsAreShadedInTheGridAndTheColumn() {
        CAnalysis analysis;
        Symptom(analysis, "s", 1, {Rubric("a", {{1, 3}, {2, 2}, {3, 1}})});
        CChartData data(NumberName);
        data.SetAnalysis(&analysis);
        CChartGridRenderer grid(data);
        CChartRemediesRenderer remedies(data);
        const QImage cells = Render(grid, QSize(40, 120));
        const QImage column = Render(remedies, QSize(75, 120));
        for (const QImage& image : {cells, column}) {
            QCOMPARE(image.pixelColor(1, 2), kWhite);
            QCOMPARE(image.pixelColor(1, 42), chart::OddRow());
            QCOMPARE(image.pixelColor(1, 82), kWhite);
        }
        // Each row: the bold name in the name colour above, "count/weight" below.
        QVERIFY(CountColour(column, QRect(0, 0, 75, 20), chart::RemedyName()) > 5);
        QVERIFY(CountInk(column, QRect(0, 20, 75, 20)) > 5);
        QCOMPARE(CChartRemediesRenderer::FiguresText(3, 7), QStringLiteral("3/7"));
        QCOMPARE(remedies.ItemText(CChartRemediesRenderer::FiguresItem(0)), QStringLiteral("1/3"));
        QCOMPARE(remedies.ItemAt(QPoint(7, 10)), CChartRemediesRenderer::NameItem(0));
        QCOMPARE(remedies.ItemAt(QPoint(37, 70)), CChartRemediesRenderer::FiguresItem(1));
        QCOMPARE(remedies.ItemAt(QPoint(70, 10)), kNoDrawnItem);  // right of the name
    }

    void emptyRankingsShowTheirTexts() {
        CAnalysis analysis;
        Symptom(analysis, "s", 1, {Rubric("a", {{1, 2}}, /*hide=*/1)});
        CChartData data(NumberName);
        data.SetAnalysis(&analysis);
        CChartGridRenderer grid(data);
        CChartRemediesRenderer remedies(data);
        CChartTitlesRenderer titles(data);
        QVERIFY(CountInk(Render(grid, QSize(400, 200)), QRect(0, 0, 400, 200)) > 20);
        QVERIFY(CountInk(Render(remedies, QSize(75, 200)), QRect(0, 0, 75, 200)) > 20);
        const QImage title = Render(titles, QSize(300, 100));
        QCOMPARE(CountColour(title, title.rect(), chart::CornerBackground()), 300 * 100);
        // The grid draws nothing while the "Table " page is not active.
        grid.SetActive(false);
        QCOMPARE(CountColour(Render(grid, QSize(400, 200)), QRect(0, 0, 400, 200), kWhite),
                 400 * 200);
    }

    void aSymptomWithOnlyHiddenRubricsHasNoColumnAndNoMarker() {
        CAnalysis analysis;
        CSympthom& first = Symptom(analysis, "first", 2, {Rubric("a", {{1, 1}}), Rubric("b", {{2, 1}})});
        Symptom(analysis, "hidden", 3, {Rubric("c", {{3, 2}}, 1)});
        CSympthom& last = Symptom(analysis, "last", 4, {Rubric("d", {{1, 3}})});
        CChartData data(NumberName);
        data.SetAnalysis(&analysis);
        CChartTitlesRenderer titles(data);
        titles.Layout(500);
        QCOMPARE(titles.ContentSize(), QSize(3 * 40, 100));
        QCOMPARE(int(data.Spans().size()), 2);
        QCOMPARE(titles.SymptomOf(titles.ItemAt(CChartTitlesRenderer::MarkerBox(data.Spans()[0]).center())), &first);
        QCOMPARE(titles.SymptomOf(titles.ItemAt(CChartTitlesRenderer::MarkerBox(data.Spans()[1]).center())), &last);
        QCOMPARE(CChartTitlesRenderer::MarkerBox(data.Spans()[0]), QRect(32, 76, 16, 16));  // over two columns
        QCOMPARE(titles.ItemAt(QPoint(100, 20)), DrawnItemId(2));  // the last rubric's title
        QCOMPARE(titles.ItemText(2), QStringLiteral("d"));
        std::vector<DrawnItemId> items;
        titles.ItemsIn(QRect(0, 0, 120, 100), &items);
        QCOMPARE(int(items.size()), 5);  // three titles, two markers
        // The marker of weight IV is drawn in dark red.
        const QImage image = Render(titles, QSize(120, 100));
        QVERIFY(CountColour(image, CChartTitlesRenderer::MarkerBox(data.Spans()[1]), QColor(128, 0, 0)) > 0);
    }

    void theWeightMarkerCyclesTheWeightAndReRanks() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        CSympthom& heavy = Symptom(analysis, "heavy", 4, {Rubric("a", {{1, 2}})});
        Symptom(analysis, "light", 1, {Rubric("b", {{2, 3}})});
        CSympthomCalcPadView pad;
        pad.SetAnalysis(&analysis);
        pad.SetTableActive(true);
        pad.resize(600, 400);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        Settle();
        QCOMPARE(Order(pad.Data()), (std::vector<std::uint32_t>{1, 2}));

        EventRecorder events;
        CSympthomTitlesView& titles = pad.TitlesView();
        titles.EnsureLayout();
        const QPoint marker = titles.ToViewport(CChartTitlesRenderer::MarkerBox(pad.Data().Spans()[0])).center();
        QTest::mouseClick(titles.viewport(), Qt::LeftButton, {}, marker);
        QCOMPARE(heavy.m_weight, 1);
        QCOMPARE(host.m_marks, 1);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 1);
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), 1);
        // The next paint ranks again: weight 2 for remedy 1 now, 3 for remedy 2.
        QVERIFY(pad.Data().IsDue());
        Settle();
        QCOMPARE(Order(pad.Data()), (std::vector<std::uint32_t>{2, 1}));
        for (int click = 0; click < 4; ++click) QTest::mouseClick(titles.viewport(), Qt::LeftButton, {}, marker);
        QCOMPARE(heavy.m_weight, 1);  // four clicks come round again
        // A rubric's title changes nothing.
        QTest::mouseClick(titles.viewport(), Qt::LeftButton, {}, QPoint(60, 20));
        QCOMPARE(host.m_marks, 5);
    }

    void theNameOrderMovesWholeRows() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        Symptom(analysis, "s", 1,
                {Rubric("a", {{3, 4}, {12, 1}, {5, 2}}), Rubric("b", {{5, 1}, {12, 3}})});
        CSympthomCalcPadView pad;
        pad.SetAnalysis(&analysis);
        pad.SetTableActive(true);
        pad.resize(400, 300);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        Settle();
        auto rowsByRemedy = [&pad] {
            std::map<std::uint32_t, std::vector<int>> rows;
            const CChartData& data = pad.Data();
            for (int r = 0; r < data.RowCount(); ++r) {
                std::vector<int>& row = rows[data.Ranked()[static_cast<std::size_t>(r)].m_remedy];
                for (int c = 0; c < data.ColumnCount(); ++c) row.push_back(data.Matrix().Get(r, c));
                row.push_back(data.Ranked()[static_cast<std::size_t>(r)].m_count);
                row.push_back(data.Ranked()[static_cast<std::size_t>(r)].m_weight);
            }
            return rows;
        };
        const auto before = rowsByRemedy();
        QComboBox& list = pad.SortView().List();
        QCOMPARE(list.currentData().toInt(), int(kSortFactum));
        EventRecorder events;
        list.setCurrentIndex(list.findData(kSortName));
        QCOMPARE(analysis.GetSortType(), int(kSortName));
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), 1);
        QCOMPARE(host.m_marks, 0);  // the order is no change of the case
        Settle();
        // The catalogue names the rows now; byte order of the names decides.
        std::vector<std::string> names;
        for (const CItems& entry : pad.Data().Ranked()) names.push_back(entry.m_name);
        QVERIFY(std::is_sorted(names.begin(), names.end()));
        QCOMPARE(rowsByRemedy(), before);  // every row moved whole, figures and all
        // Another order chosen elsewhere shows in the list at the next update.
        analysis.SetSortType(kSortCount);
        BroadcastEvent(EV_UPDATE_ANALYSIS);
        QCOMPARE(list.currentData().toInt(), int(kSortCount));
    }

    void thePanesKeepTheirPlaces() {
        CSympthomCalcPadView pad;
        pad.SetTableActive(true);
        pad.resize(500, 400);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        QCOMPARE(pad.SortView().geometry(), QRect(0, 0, 75, 100));
        QCOMPARE(pad.TitlesView().geometry(), QRect(75, 0, 425, 100));
        QCOMPARE(pad.RemediesView().geometry(), QRect(0, 100, 75, 300));
        QCOMPARE(pad.CalcView().geometry(), QRect(75, 100, 425, 300));
        QCOMPARE(pad.SortView().List().geometry().topLeft(), QPoint(5, 22));
        QCOMPARE(pad.SortView().List().geometry().right(), 75 - 5 - 1);
    }

    void thePanesScrollInStep() {
        TestHost host;
        CAnalysis& analysis = host.Analysis();
        FillGrid(analysis, 30, 25);
        CSympthomCalcPadView pad;
        pad.SetAnalysis(&analysis);
        pad.SetTableActive(true);
        pad.resize(500, 400);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        Settle();
        pad.CalcView().verticalScrollBar()->setValue(3 * 40);
        QCOMPARE(pad.RemediesView().ScrollPosition().y(), 120);
        pad.CalcView().horizontalScrollBar()->setValue(200);
        QCOMPARE(pad.TitlesView().ScrollPosition().x(), 200);
        QCOMPARE(pad.CalcView().horizontalScrollBar()->maximum(), 25 * 40 - pad.CalcView().viewport()->width());
        // The wheel over the remedy column moves the grid.
        QWheelEvent wheel(QPointF(30, 30), pad.RemediesView().viewport()->mapToGlobal(QPointF(30, 30)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(pad.RemediesView().viewport(), &wheel);
        QVERIFY(pad.CalcView().ScrollPosition().y() > 120);
        QCOMPARE(pad.CalcView().ScrollPosition().y(), pad.RemediesView().ScrollPosition().y());
        // On the "Symptoms " page the column scrolls by itself.
        pad.SetTableActive(false);
        pad.resize(75, 400);
        Settle();
        QVERIFY(pad.RemediesView().verticalScrollBar()->isVisible());
        QVERIFY(!pad.TitlesView().isVisible());
    }

    void theHintExplainsTheRankAndMarksFragileRanks() {
        CAnalysis analysis;
        Symptom(analysis, "s", 3, {Rubric("Mind; Anger", {{1, 2}, {2, 1}})});
        Symptom(analysis, "t", 1, {Rubric("Head; Pain", {{2, 1}}), Rubric("Head; Heat", {{2, 1}, {3, 3}})});
        CChartData data(NumberName);
        data.SetAnalysis(&analysis);
        data.Ensure();
        // Factum: remedy 2 (3 rubrics, weight 5) before 1 (1, 6) before 3 (1, 3).
        QCOMPARE(Order(data), (std::vector<std::uint32_t>{2, 1, 3}));
        const QString hint = chart::RankingHint(data, 1);
        QVERIFY2(hint.startsWith(QStringLiteral("r1: grade x symptom weight\nMind; Anger: 2 x 3 = 6\n")),
                 qPrintable(hint));
        QVERIFY2(hint.contains(QStringLiteral("Count 1 \u00B7 Weight 6 \u00B7 Factum 6")), qPrintable(hint));
        QVERIFY(!hint.contains(QStringLiteral("top ten")));
        QVERIFY(chart::RankingHint(data, 0).contains(QStringLiteral("Head; Heat: 1 x 1 = 1")));
        QVERIFY(data.FragilityOf(1) == nullptr);  // not known yet
        data.EnsureFragility();
        // Remedies 1 and 3 live by one rubric each: they leave the list without it.
        QVERIFY(data.FragilityOf(0) == nullptr);
        QVERIFY(data.FragilityOf(1) != nullptr);
        QVERIFY(data.FragilityOf(2) != nullptr);
        const QString fragile = chart::RankingHint(data, 1);
        QVERIFY2(fragile.endsWith(QStringLiteral("Leaves the top ten when excluded:\n  Mind; Anger")),
                 qPrintable(fragile));
        CChartRemediesRenderer remedies(data);
        const QImage image = Render(remedies, QSize(75, 80));
        QCOMPARE(CountColour(image, QRect(0, 0, 75, 20), chart::Fragile()), 0);
        QVERIFY(CountColour(image, QRect(0, 40, 75, 20), chart::Fragile()) > 3);
    }
};

QTEST_MAIN(ChartPanesTest)
#include "chart_panes_qtest.moc"
