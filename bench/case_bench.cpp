// Case benchmarks on one data set per run (--dataset=demo or kent; the
// default is kent when present): a case of 20 analyses x 20 symptoms x 10
// rubrics written and read back (reading refreshes every rubric from the
// engine), and Calculate + BuildGradeMatrix for an analysis of 100 rubrics.
// "--datasets" lists the data sets this machine has.
#include <benchmark/benchmark.h>
#include <corvela.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "analysis/analysis_operations.h"
#include "analysis/grade_matrix.h"
#include "analysis/ranking.h"
#include "bench_data_set.h"
#include "bench_start.h"
#include "model/records/case.h"

namespace {

BenchDataSet g_set;
std::vector<std::uint32_t> g_rubrics;  // rubrics with remedies, in tree order
std::string g_caseText;

constexpr int kAnalyses = 20;
constexpr int kSymptoms = 20;
constexpr int kRubricsPerSymptom = 10;

void CollectRubrics() {
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() != kSourceRepertory) continue;
        std::vector<Topic*> open{static_cast<Repertory*>(source)->GetRoot()};
        while (!open.empty()) {
            Topic* topic = open.back();
            open.pop_back();
            if (topic->GetRemedyCount() > 0) g_rubrics.push_back(topic->GetId());
            for (int c = topic->GetChildCount() - 1; c >= 0; --c)
                open.push_back(topic->GetChild(c));
        }
    }
}

// `count` different rubrics spread over the repertory, starting at `offset`.
std::uint32_t SpreadRubric(int index, int count, int offset) {
    const std::size_t step = std::max<std::size_t>(1, g_rubrics.size() / count);
    return g_rubrics[(offset + static_cast<std::size_t>(index) * step) % g_rubrics.size()];
}

std::unique_ptr<CCase> MakeLargeCase() {
    auto theCase = std::make_unique<CCase>();
    constexpr int kPerAnalysis = kSymptoms * kRubricsPerSymptom;
    for (int a = 0; a < kAnalyses; ++a) {
        CAnalysis* analysis = NewAnalysis(*theCase);
        for (int s = 0; s < kSymptoms; ++s) {
            CSympthom* symptom =
                s == 0 ? &analysis->GetFirstSymptom()
                       : AddSymptom(*analysis, "symptom " + std::to_string(s), 1 + s % 4);
            for (int r = 0; r < kRubricsPerSymptom; ++r)
                AddRubric(SpreadRubric(s * kRubricsPerSymptom + r, kPerAnalysis, a), *symptom);
        }
    }
    return theCase;
}

// Figures for the summary.
std::vector<double> g_loadMs, g_saveMs, g_rankMs;
int g_loadedTopics = 0, g_rankedRemedies = 0, g_counted = 0;



void BM_SaveCase(benchmark::State& state) {
    std::unique_ptr<CCase> theCase = CCase::LoadText(g_caseText);
    const std::string path = g_set.scratchDir + "/large.hom";
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        if (!theCase->SaveFile(path)) state.SkipWithError("cannot save");
        g_saveMs.push_back(CpuMilliseconds() - start);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_caseText.size()));
}
BENCHMARK(BM_SaveCase)->Unit(benchmark::kMillisecond);

// Reading the file, parsing it, building the records and refreshing every
// rubric from the engine; the case is destroyed outside the timing.
void BM_LoadCase(benchmark::State& state) {
    const std::string path = g_set.scratchDir + "/large.hom";
    if (!CCase::LoadText(g_caseText)->SaveFile(path)) return state.SkipWithError("cannot save");
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        std::unique_ptr<CCase> loaded = CCase::LoadFile(path);
        g_loadMs.push_back(CpuMilliseconds() - start);
        if (loaded == nullptr) return state.SkipWithError("cannot load");
        g_loadedTopics = 0;
        for (CAnalysis* analysis : loaded->GetAnalyses())
            g_loadedTopics += analysis->GetTopicCount();
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_caseText.size()));
}
BENCHMARK(BM_LoadCase)->Unit(benchmark::kMillisecond);

void BM_CalculateAndMatrix(benchmark::State& state) {
    CCase theCase;
    CAnalysis* analysis = NewAnalysis(theCase);
    for (int s = 0; s < 10; ++s) {
        CSympthom* symptom =
            s == 0 ? &analysis->GetFirstSymptom() : AddSymptom(*analysis, "s", 1 + s % 4);
        for (int r = 0; r < 10; ++r) AddRubric(SpreadRubric(s * 10 + r, 100, 0), *symptom);
    }
    analysis->SetSortType(static_cast<int>(state.range(0)));
    RankedList ranked;
    CGradeMatrix matrix;
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        Calculate(analysis, ranked);
        BuildGradeMatrix(analysis, &ranked, matrix);
        const double ms = CpuMilliseconds() - start;
        if (state.range(0) == 0) g_rankMs.push_back(ms);
        benchmark::DoNotOptimize(matrix.GetRowCount());
    }
    g_rankedRemedies = static_cast<int>(ranked.size());
    g_counted = matrix.GetColumnCount();
}
BENCHMARK(BM_CalculateAndMatrix)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void PrintSummary() {
    std::printf(
        "\nSummary (%s, %zu rubrics with remedies; case of %d x %d x %d rubrics, %.1f MB)\n",
        g_set.name.c_str(), g_rubrics.size(), kAnalyses, kSymptoms, kRubricsPerSymptom,
        static_cast<double>(g_caseText.size()) / 1e6);
    const double load = Median(g_loadMs), save = Median(g_saveMs), rank = Median(g_rankMs);
    if (load >= 0)
        std::printf("  case load + refresh: %.2f ms CPU median, %d topics (target <= 20 ms)  %s\n",
                    load, g_loadedTopics, load <= 20 ? "met" : "MISSED");
    if (save >= 0) std::printf("  case save (atomic, flushed): %.2f ms CPU median\n", save);
    if (rank >= 0)
        std::printf(
            "  Calculate + BuildGradeMatrix, %d rubrics, %d remedies: %.3f ms CPU median "
            "(target <= 1 ms)  %s\n",
            g_counted, g_rankedRemedies, rank, rank <= 1 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    if (const int end = StartOnDataSet(argc, argv, "case_bench", &g_set); end >= 0) return end;
    CollectRubrics();
    if (g_rubrics.size() < kSymptoms * kRubricsPerSymptom) {
        std::fprintf(stderr, "case_bench: the repertory has too few rubrics\n");
        RemoveDataSet(g_set);
        return 1;
    }
    g_caseText = MakeLargeCase()->SaveText();
    benchmark::AddCustomContext("dataset", g_set.name);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    RemoveDataSet(g_set);
    return 0;
}
