// Search-window benchmark, on the offscreen platform: on Kent's repertory and
// Boericke's materia medica (data set "kent"), else on the demo data.
//
//   colouring per keystroke   a character typed at the end of a 60-character
//                             query and taken back: the check (AnalyzeQuery)
//                             and the recolouring (target 1 ms)
//   search and layout         the query below with 9,997 rubric hits on Kent,
//                             run and its page laid out collapsed (target 80 ms),
//                             the heap the page holds (target 15 MB), and one
//                             paint of a 1200x900 page at a random scroll
//                             position (target 8 ms)
//   materia medica search     "pain" over Boericke with all its snippets cut
//                             and laid out (target 80 ms)
//   remedy statistics         over the 9,997 hits (target 20 ms)
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_data_set.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/query/query_box.h"
#include "views/query/query_words.h"
#include "views/search/remedy_statistics.h"
#include "views/search/search_result_view.h"

namespace {

constexpr double kKeystrokeTargetMs = 1.0;
constexpr double kPageTargetMs = 80.0;
constexpr double kHeapTargetMb = 15.0;
constexpr double kPaintTargetMs = 8.0;
constexpr double kMateriaTargetMs = 80.0;
constexpr double kStatisticsTargetMs = 20.0;
const QSize kPage(1200, 900);

// The query of the large page: 9,997 rubrics of Kent.
const char* const kLargeQuery = "pain -head -back -extremities -stomach";
// Sixty characters, words, remedies, grades and operators.
const char* const kTypedQuery = "anxiety night -midnight @ars>1 fear death restless @acon aft";

using Clock = std::chrono::steady_clock;

struct Figures {
    std::vector<double> keystrokeMs, pageMs, paintMs, materiaMs, statisticsMs;
    double heapMb = -1;
    int pageHits = 0, materiaHits = 0, materiaLines = 0;
} g_figures;

std::string g_dataSet = "kent";
DataSource* g_repertory = nullptr;
DataSource* g_materiaMedica = nullptr;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string LargeQuery() {
    return g_dataSet == "kent" ? kLargeQuery : "mind";
}

void BM_ColouringPerKeystroke(benchmark::State& state) {
    CQueryBox box;
    box.SetScope(kScopeRepertories, *g_repertory->GetGuid());
    box.SetText(QString::fromLatin1(kTypedQuery));
    box.show();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        box.textCursor().insertText(QStringLiteral("e"));
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_figures.keystrokeMs.push_back(seconds * 1000);
        state.PauseTiming();
        box.textCursor().deletePreviousChar();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ColouringPerKeystroke)
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMicrosecond);

void BM_SearchAndLayoutLargePage(benchmark::State& state) {
    const std::string query = LargeQuery();
    const std::vector<std::string> words = QueryWords(query, *g_repertory);
    for (auto _ : state) {
        CSearchResults results;
        CSearchResultRenderer page(CInterfaceFonts::Shared());
        page.SetResults(&results);
        const Clock::time_point start = Clock::now();
        results.Run(query, *g_repertory->GetGuid(), words);
        page.Layout(kPage.width());
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_figures.pageMs.push_back(seconds * 1000);
        g_figures.pageHits = results.HitCount();
    }
}
BENCHMARK(BM_SearchAndLayoutLargePage)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_PaintLargePage(benchmark::State& state) {
    CSearchResultView view;
    view.SetHintsEnabled(false);
    view.resize(kPage);
    view.show();
    QApplication::processEvents();
    // The heap the page holds: hits, expander states, statistics, items and
    // rows, measured around the search and the first layout.
    const std::size_t before = mallinfo2().uordblks;
    view.Results().Run(LargeQuery(), *g_repertory->GetGuid(), QueryWords(LargeQuery(), *g_repertory));
    view.Invalidate();
    view.EnsureLayout();
    view.Results().RemedyStatistics();
    const std::size_t after = mallinfo2().uordblks;
    g_figures.heapMb =
        (static_cast<double>(after) - static_cast<double>(before)) / (1024.0 * 1024.0);

    std::mt19937 random(1);
    const int maximum = std::max(0, view.ContentSize().height() - kPage.height());
    for (auto _ : state) {
        view.ScrollTo(QPoint(0, std::uniform_int_distribution<int>(0, maximum)(random)));
        const Clock::time_point start = Clock::now();
        view.viewport()->repaint();
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_figures.paintMs.push_back(seconds * 1000);
    }
}
BENCHMARK(BM_PaintLargePage)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_MateriaMedicaSearchWithSnippets(benchmark::State& state) {
    const std::vector<std::string> words = QueryWords("pain", *g_materiaMedica);
    for (auto _ : state) {
        CSearchResults results;
        CSearchResultRenderer page(CInterfaceFonts::Shared());
        page.SetResults(&results);
        const Clock::time_point start = Clock::now();
        results.Run("pain", *g_materiaMedica->GetGuid(), words);
        page.Layout(kPage.width());
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_figures.materiaMs.push_back(seconds * 1000);
        g_figures.materiaHits = results.HitCount();
        int lines = 0;
        for (int hit = 0; hit < results.ListedCount(); ++hit)
            lines += static_cast<int>(results.Snippets(hit).size());
        g_figures.materiaLines = lines;
    }
}
BENCHMARK(BM_MateriaMedicaSearchWithSnippets)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_RemedyStatistics(benchmark::State& state) {
    CSearchResults results;
    results.Run(LargeQuery(), *g_repertory->GetGuid(), {});
    std::vector<std::uint32_t> ids;
    for (int hit = 0; hit < results.ListedCount(); ++hit) ids.push_back(results.ItemId(hit));
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const auto statistics =
            CountRemedies(*static_cast<Repertory*>(g_repertory), ids, CSearchResults::kTopRemedies);
        benchmark::DoNotOptimize(statistics.data());
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_figures.statisticsMs.push_back(seconds * 1000);
    }
}
BENCHMARK(BM_RemedyStatistics)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);


double Worst(const std::vector<double>& values) {
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

void Line(const char* what, double value, double worst, const char* unit, double target) {
    std::printf("  %-52s median %8.2f %s, worst %8.2f %s (target <= %.0f %s)%s\n", what, value,
                unit, worst, unit, target, unit, value >= 0 && value <= target ? "" : "  MISSED");
}

void PrintSummary() {
    std::printf("\nSummary (%s)\n", g_dataSet.c_str());
    Line("colouring per keystroke (60-character query)", Median(g_figures.keystrokeMs),
         Worst(g_figures.keystrokeMs), "ms", kKeystrokeTargetMs);
    char what[128];
    std::snprintf(what, sizeof what, "search + layout of a page of %d rubric hits",
                  g_figures.pageHits);
    Line(what, Median(g_figures.pageMs), Worst(g_figures.pageMs), "ms", kPageTargetMs);
    std::printf("  %-52s %8.2f MB (target <= %.0f MB)%s\n", "heap of that page", g_figures.heapMb,
                kHeapTargetMb,
                g_figures.heapMb >= 0 && g_figures.heapMb <= kHeapTargetMb ? "" : "  MISSED");
    Line("one paint of a 1200x900 page, random scroll positions", Median(g_figures.paintMs),
         Worst(g_figures.paintMs), "ms", kPaintTargetMs);
    std::snprintf(what, sizeof what, "\"pain\" over the materia medica: %d hits, %d snippets",
                  g_figures.materiaHits, g_figures.materiaLines);
    Line(what, Median(g_figures.materiaMs), Worst(g_figures.materiaMs), "ms", kMateriaTargetMs);
    Line("remedy statistics over that page's hits", Median(g_figures.statisticsMs),
         Worst(g_figures.statisticsMs), "ms", kStatisticsTargetMs);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    if (!ReadBenchArguments(argc, argv, &g_dataSet, &args)) return 0;
    BenchDataSet set;
    std::string why;
    const std::string materia = g_dataSet == "kent"
                                    ? std::string(MERIDANE_SHARED_DATA_DIR) + "/boericke.mms"
                                    : std::string(MERIDANE_DEMO_DIR) + "/demo_mm_en.mms";
    if (!FindDataSet(g_dataSet, &set, &why) || !PrepareDataSet(&set, &why) ||
        !CompileMateriaMedicaInto(set.programDir, materia, "mm.mmb", &why)) {
        std::fprintf(stderr, "%s\n", why.c_str());
        RemoveDataSet(set);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() == kSourceRepertory && g_repertory == nullptr) g_repertory = source;
        if (source->GetType() == kSourceMateriaMedica && g_materiaMedica == nullptr)
            g_materiaMedica = source;
    }
    if (g_repertory == nullptr || g_materiaMedica == nullptr) {
        std::fprintf(stderr, "the data set did not load\n");
        RemoveDataSet(set);
        return 1;
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::AddCustomContext("data set", g_dataSet);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    RemoveDataSet(set);
    return 0;
}
