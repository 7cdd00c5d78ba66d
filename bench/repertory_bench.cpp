// Repertory benchmarks on one data set per run (--dataset=demo or kent):
// parsing and compiling the source, opening the compiled file through the
// engine, walking every rubric, GetTopic, FindRemedy, and the heap the loaded
// rubric tree takes.  "--datasets" lists the data sets this machine has.
#include <benchmark/benchmark.h>
#include <corvela.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_data_set.h"
#include "repertory_compiler.h"
#include "repertory_writer.h"

namespace {

BenchDataSet g_set;

// Figures for the summary, filled by the benchmarks.
double g_openMedianMs = -1;
double g_heapBytesPerRubric = -1;
long g_rubrics = 0;

Repertory* LoadedRepertory() {
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() == kSourceRepertory) return static_cast<Repertory*>(source);
    }
    return nullptr;
}

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_ParseSource(benchmark::State& state) {
    for (auto _ : state) {
        corvela_sources::RepertorySource parsed;
        corvela_sources::SourceError error;
        benchmark::DoNotOptimize(corvela_sources::ParseRepertorySource(
            g_set.sourceText, g_set.sourcePath, &parsed, &error));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_set.sourceText.size()));
}
BENCHMARK(BM_ParseSource)->Unit(benchmark::kMillisecond);

// Feeding the builder and writing .rpb and .idx (the parsed source is reused).
void BM_CompileParsed(benchmark::State& state) {
    const std::string output = g_set.scratchDir + "/compiled.rpb";
    for (auto _ : state) {
        const auto result =
            corvela_sources::CompileRepertory(g_set.parsed, CorvelaInstance(), output.c_str());
        if (!result.saved) state.SkipWithError("compilation failed");
    }
}
BENCHMARK(BM_CompileParsed)->Unit(benchmark::kMillisecond);

// Discovery and Open of the one repertory in the program directory; closing
// the previous one is not timed.
void BM_Open(benchmark::State& state) {
    Corvela& engine = CorvelaInstance();
    std::vector<double> times;
    for (auto _ : state) {
        state.PauseTiming();
        engine.CloseAll();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(engine.GetDataSourceCount());
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) g_openMedianMs = times[times.size() / 2];

    engine.CloseAll();
    const std::size_t before = HeapInUse();
    engine.GetDataSourceCount();
    const std::size_t after = HeapInUse();
    Repertory* repertory = LoadedRepertory();
    long rubrics = 0;
    while (repertory != nullptr &&
           repertory->GetTopic(static_cast<std::uint32_t>(rubrics)) != nullptr)
        ++rubrics;
    g_rubrics = rubrics;
    if (rubrics > 0)
        g_heapBytesPerRubric = static_cast<double>(after - before) / static_cast<double>(rubrics);
    state.counters["rubrics"] = static_cast<double>(rubrics);
    state.counters["heap_bytes_per_rubric"] = g_heapBytesPerRubric;
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A full pre-order walk reading every text, remedy and grade.
void BM_WalkAll(benchmark::State& state) {
    Repertory* repertory = LoadedRepertory();
    if (repertory == nullptr) return state.SkipWithError("no repertory loaded");
    long rubrics = 0;
    for (auto _ : state) {
        std::vector<Topic*> stack{repertory->GetRoot()};
        std::size_t sum = 0;
        while (!stack.empty()) {
            Topic* topic = stack.back();
            stack.pop_back();
            sum += std::strlen(topic->GetText());
            for (int i = 0, n = topic->GetRemedyCount(); i < n; ++i)
                sum += static_cast<std::size_t>(topic->GetRemedy(i) + topic->GetGrade(i));
            for (int i = topic->GetChildCount() - 1; i >= 0; --i)
                stack.push_back(topic->GetChild(i));
            ++rubrics;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(rubrics);
}
BENCHMARK(BM_WalkAll)->Unit(benchmark::kMillisecond);

void BM_GetTopic(benchmark::State& state) {
    Repertory* repertory = LoadedRepertory();
    if (repertory == nullptr || g_rubrics == 0) return state.SkipWithError("no repertory loaded");
    std::mt19937 random(42);
    std::vector<std::uint32_t> ids(4096);
    for (auto& id : ids)
        id = MakeItemId(
            static_cast<unsigned>(repertory->GetPosition()),
            static_cast<std::uint32_t>(random() % static_cast<unsigned long>(g_rubrics)));
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(repertory->GetTopic(ids[i++ & 4095]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetTopic);

// By short names, by long names and in upper case.
void BM_FindRemedy(benchmark::State& state) {
    Corvela& engine = CorvelaInstance();
    std::vector<std::string> names;
    for (int r = 0; r < engine.GetRemedyCount(); ++r) {
        Remedy* remedy = engine.GetRemedy(r);
        names.emplace_back(remedy->GetShortName());
        names.emplace_back(remedy->GetLongName());
        std::string upper = remedy->GetShortName();
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.push_back(upper);
    }
    if (names.empty()) return state.SkipWithError("empty catalogue");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.FindRemedy(names[i++ % names.size()].c_str()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindRemedy);

void BM_DumpSource(benchmark::State& state) {
    Repertory* repertory = LoadedRepertory();
    if (repertory == nullptr) return state.SkipWithError("no repertory loaded");
    for (auto _ : state) {
        std::string text, error;
        if (!corvela_sources::WriteRepertorySource(*repertory, CorvelaInstance(), &text, &error))
            state.SkipWithError("dump failed");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_DumpSource)->Unit(benchmark::kMillisecond);

void PrintSummary() {
    std::printf("\nSummary (%s, %ld rubrics)\n", g_set.name.c_str(), g_rubrics);
    if (g_openMedianMs >= 0)
        std::printf(
            "  open through the engine: %.2f ms median (target <= 20 ms for a Kent-size "
            "repertory)%s\n",
            g_openMedianMs,
            g_set.name == "kent" ? (g_openMedianMs <= 20 ? "  met" : "  MISSED") : "");
    if (g_heapBytesPerRubric >= 0)
        std::printf("  heap beyond the mapping: %.1f bytes per rubric (target < 100)%s\n",
                    g_heapBytesPerRubric, g_heapBytesPerRubric < 100 ? "  met" : "  MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataset = "demo";
    std::vector<char*> args;
    if (!ReadBenchArguments(argc, argv, &dataset, &args)) return 0;
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    std::string why;
    if (!FindDataSet(dataset, &g_set, &why)) {
        std::printf("skipping the %s data set: %s\n", dataset.c_str(), why.c_str());
        return 0;
    }
    if (!PrepareDataSet(&g_set, &why)) {
        std::fprintf(stderr, "repertory_bench: %s\n", why.c_str());
        RemoveDataSet(g_set);
        return 1;
    }
    benchmark::AddCustomContext("dataset", g_set.name);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    RemoveDataSet(g_set);
    return 0;
}
