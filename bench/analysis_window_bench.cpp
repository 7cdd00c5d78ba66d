// The analysis window on one data set per run (--dataset=kent, the default
// when present, or demo): an analysis of 20 symptoms x 5 of the repertory's
// largest rubrics (100 counted rubrics), shown at 1920 x 1080 on the
// offscreen platform.  Figures, each the median of the thread's processor
// time: opening the window to its first paint, one paint of the "Table "
// page and one scroll step, a weight click to the re-ranked and repainted
// table, the symptom list with every rubric expanded, the fragile ranks and
// the PDF of the whole chart.  "--datasets" lists the data sets.
#include <benchmark/benchmark.h>
#include <corvela.h>

#include <QApplication>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "analysis/analysis_operations.h"
#include "analysis/rank_explanation.h"
#include "bench_data_set.h"
#include "bench_start.h"
#include "model/records/case.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/chart/chart_export.h"
#include "views/analysis/chart/chart_sheet.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/analysis/sympthom_calc_pad_view.h"
#include "views/analysis/sympthom_pad_view.h"
#include "views/analysis/sympthom_table_views.h"
#include "views/analysis/sympthom_view.h"
#include "views/case_host.h"

namespace {

constexpr int kSymptoms = 20;
constexpr int kRubricsPerSymptom = 5;
const QSize kScreen(1920, 1080);

BenchDataSet g_set;

class BenchHost : public CCaseHost {
public:
    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return false; }
    void MarkCaseModified() override {}
    std::unique_ptr<CCase> m_case = std::make_unique<CCase>();
};
BenchHost* g_host = nullptr;
CAnalysis* g_analysis = nullptr;



// The rubrics with the most remedies, most first.
std::vector<std::uint32_t> LargestRubrics(std::size_t count) {
    std::vector<std::pair<int, std::uint32_t>> rubrics;
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() != kSourceRepertory) continue;
        std::vector<Topic*> open{static_cast<Repertory*>(source)->GetRoot()};
        while (!open.empty()) {
            Topic* topic = open.back();
            open.pop_back();
            if (topic->GetRemedyCount() > 0) rubrics.emplace_back(topic->GetRemedyCount(), topic->GetId());
            for (int c = 0; c < topic->GetChildCount(); ++c) open.push_back(topic->GetChild(c));
        }
    }
    std::sort(rubrics.begin(), rubrics.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<std::uint32_t> largest;
    for (std::size_t i = 0; i < std::min(count, rubrics.size()); ++i) largest.push_back(rubrics[i].second);
    return largest;
}

void BuildAnalysis() {
    g_analysis = g_host->m_case->AddAnalysis();
    const std::vector<std::uint32_t> rubrics = LargestRubrics(kSymptoms * kRubricsPerSymptom);
    for (int s = 0; s < kSymptoms; ++s) {
        CSympthom* symptom = s == 0 ? &g_analysis->GetFirstSymptom()
                                    : AddSymptom(*g_analysis, "symptom " + std::to_string(s), 1 + s % 4);
        for (int r = 0; r < kRubricsPerSymptom; ++r) {
            const std::size_t index = static_cast<std::size_t>(s * kRubricsPerSymptom + r);
            if (index < rubrics.size()) AddRubric(rubrics[index], *symptom);
        }
    }
}

// Lets posted events (paints, zero timers) run.
void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Shows `widget` on the offscreen screen and waits until it is exposed (a
// widget that is not paints nothing).
void ShowExposed(QWidget& widget) {
    widget.show();
    for (int i = 0; i < 200; ++i) {
        QCoreApplication::processEvents();
        if (widget.windowHandle() != nullptr && widget.windowHandle()->isExposed()) break;
    }
}

std::vector<double> g_open, g_tablePaint, g_scroll, g_weight, g_listLayout, g_listPaint, g_fragile,
    g_pdf;
int g_ranked = 0, g_columns = 0, g_pages = 0, g_entries = 0;

void BM_OpenToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        CSympthomPadView window(g_analysis);
        window.resize(kScreen);
        ShowExposed(window);
        window.repaint();
        g_open.push_back(CpuMilliseconds() - start);
        g_ranked = window.Table().Data().RowCount();
        g_columns = window.Table().Data().ColumnCount();
    }
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(15);

// The "Table " page painted anew at the top, the middle and the end (the
// paint events of its panes; the window is shown on the offscreen screen).
void BM_TablePaint(benchmark::State& state) {
    CSympthomPadView window(g_analysis);
    window.resize(kScreen);
    ShowExposed(window);
    window.SetPage(CSympthomPadView::kTablePage);
    window.repaint();
    CSympthomCalcView& grid = window.Table().CalcView();
    int step = 0;
    for (auto _ : state) {
        QScrollBar& bar = *grid.verticalScrollBar();
        QScrollBar& across = *grid.horizontalScrollBar();
        bar.setValue(bar.maximum() * (step % 3) / 2);
        across.setValue(across.maximum() * (step % 3) / 2);
        ++step;
        window.repaint();
        grid.InvalidateCache();
        window.Table().RemediesView().InvalidateCache();
        window.Table().TitlesView().InvalidateCache();
        const double start = CpuMilliseconds();
        window.Table().repaint();
        g_tablePaint.push_back(CpuMilliseconds() - start);
    }
}
BENCHMARK(BM_TablePaint)->Unit(benchmark::kMillisecond)->Iterations(30);

// One line step down (the wheel, the arrow) with the panes that follow it.
void BM_ScrollStep(benchmark::State& state) {
    CSympthomPadView window(g_analysis);
    window.resize(kScreen);
    ShowExposed(window);
    window.SetPage(CSympthomPadView::kTablePage);
    window.repaint();
    QScrollBar& bar = *window.Table().CalcView().verticalScrollBar();
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        bar.setValue(bar.value() + bar.singleStep() > bar.maximum() ? 0 : bar.value() + bar.singleStep());
        window.Table().repaint();
        g_scroll.push_back(CpuMilliseconds() - start);
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond)->Iterations(60);

// A weight marker clicked: the weight cycles, the analysis is announced, the
// table ranks again and paints.
void BM_WeightClick(benchmark::State& state) {
    CSympthomPadView window(g_analysis);
    window.resize(kScreen);
    ShowExposed(window);
    window.SetPage(CSympthomPadView::kTablePage);
    window.repaint();
    Settle();  // the fragile ranks of the first ranking
    CSympthom& symptom = *g_analysis->GetSymptom(3);
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        analysis_window::CycleWeight(symptom);
        analysis_window::Announce();
        window.Table().repaint();
        g_weight.push_back(CpuMilliseconds() - start);
        state.PauseTiming();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WeightClick)->Unit(benchmark::kMillisecond)->Iterations(20);

// The symptom list with every rubric expanded: laid out and painted after a
// change, and painted again (scrolled) without one.
void BM_ExpandedList(benchmark::State& state) {
    for (CSympthom* s = &g_analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
        for (CSympthom::CTopic& topic : s->m_topics) topic.m_expander = 1;
    CSympthomView list;
    list.SetAnalysis(g_analysis);
    list.resize(kScreen.width() - 75, kScreen.height() - 21);
    ShowExposed(list);
    list.repaint();
    g_entries = 0;
    for (CSympthom* s = &g_analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
        for (CSympthom::CTopic& topic : s->m_topics) g_entries += static_cast<int>(topic.m_remedies.size());
    int step = 0;
    for (auto _ : state) {
        double start = CpuMilliseconds();
        list.Refresh();
        list.repaint();
        g_listLayout.push_back(CpuMilliseconds() - start);
        QScrollBar& bar = *list.verticalScrollBar();
        bar.setValue(bar.maximum() * (++step % 5) / 4);
        list.InvalidateCache();
        QCoreApplication::processEvents();
        start = CpuMilliseconds();
        list.repaint();
        g_listPaint.push_back(CpuMilliseconds() - start);
    }
    for (CSympthom* s = &g_analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
        for (CSympthom::CTopic& topic : s->m_topics) topic.m_expander = 0;
}
BENCHMARK(BM_ExpandedList)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FragileRanks(benchmark::State& state) {
    RankedList ranked;
    Calculate(g_analysis, ranked);
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        benchmark::DoNotOptimize(FindFragileRanks(*g_analysis, ranked, 10));
        g_fragile.push_back(CpuMilliseconds() - start);
    }
}
BENCHMARK(BM_FragileRanks)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PdfExport(benchmark::State& state) {
    const std::string path = g_set.scratchDir + "/chart.pdf";
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        const CChartSheet sheet(*g_analysis, g_host->m_case.get());
        QString error;
        if (!chart::ExportChartPdf(sheet, QString::fromStdString(path), &error))
            state.SkipWithError("cannot write the PDF");
        g_pdf.push_back(CpuMilliseconds() - start);
        g_pages = chart::ExportPageCount(sheet);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_PdfExport)->Unit(benchmark::kMillisecond)->Iterations(3);

void Line(const char* what, const std::vector<double>& values, double target) {
    const double median = Median(values);
    if (median < 0) return;
    std::printf("  %-58s %8.2f ms  (target <= %g ms)  %s\n", what, median, target,
                median <= target ? "met" : "MISSED");
}

void PrintSummary() {
    std::printf("\nSummary (%s; %d symptoms x %d of the largest rubrics: %d counted rubrics, "
                "%d ranked remedies, %d remedy entries; 1920 x 1080, offscreen; CPU medians)\n",
                g_set.name.c_str(), kSymptoms, kRubricsPerSymptom, g_columns, g_ranked, g_entries);
    Line("open the window to its first paint", g_open, 30);
    Line("one paint of the \"Table \" page, any scroll position", g_tablePaint, 10);
    Line("one scroll step of the table", g_scroll, 5);
    Line("weight click to the re-ranked, repainted table", g_weight, 10);
    Line("symptom list, every rubric expanded: paint", g_listPaint, 10);
    Line("symptom list, every rubric expanded: layout and paint", g_listLayout, 10);
    Line("fragile ranks of the whole ranking", g_fragile, 50);
    char pdf[96];
    std::snprintf(pdf, sizeof pdf, "PDF export of the whole chart (%d pages)", g_pages);
    Line(pdf, g_pdf, 2000);
}

}  // namespace

int main(int argc, char** argv) {
    if (const int end = StartOnDataSet(argc, argv, "analysis_window_bench", &g_set); end >= 0) return end;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    BenchHost host;
    g_host = &host;
    CCaseHost::SetCurrent(&host);
    BuildAnalysis();
    benchmark::AddCustomContext("dataset", g_set.name);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    CCaseHost::SetCurrent(nullptr);
    host.m_case.reset();
    RemoveDataSet(g_set);
    return 0;
}
