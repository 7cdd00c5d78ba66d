// Start-up benchmark: the program started on a data set until the first paint
// of its main window (target: 300 ms), the demo case opened.  One data set per
// run: "demo" (the program directory with all demo data) or "kent" (Kent's
// repertory with its catalogue, compiled into a scratch program directory).
// "--datasets" lists the data sets this machine has; none when no program is
// found.
#include <benchmark/benchmark.h>
#include <corvela.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_data_set.h"
#include "startup_process.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTargetMs = 300;

std::string g_program;
std::string g_home;     // MERIDANE_HOME of the started program
std::string g_profile;  // its XDG folders, so the user's profile stays untouched
std::vector<double> g_wall;
std::vector<double> g_inProgram;

// $MERIDANE_PROGRAM, else this build's program directory, else build/bin.
std::string FindProgram() {
    if (const char* set = std::getenv("MERIDANE_PROGRAM"); set != nullptr && *set != '\0') return set;
    for (const std::string& candidate :
         {std::string(MERIDANE_PROGRAM_DIR) + "/meridane", std::string(MERIDANE_SOURCE_DIR) + "/build/bin/meridane"}) {
        if (fs::exists(candidate)) return candidate;
    }
    return {};
}

void BM_StartToFirstPaint(benchmark::State& state) {
    const std::vector<std::string> environment{
        "MERIDANE_HOME=" + g_home, "XDG_CONFIG_HOME=" + g_profile + "/config",
        "XDG_DATA_HOME=" + g_profile + "/data", "XDG_RUNTIME_DIR=" + g_profile + "/runtime"};
    const std::vector<std::string> arguments{g_home + "/demo_case.hom"};
    for (auto _ : state) {
        const StartupRun run = RunProgramOnce(g_program, arguments, environment);
        if (!run.ok) {
            state.SkipWithError(run.error.c_str());
            break;
        }
        state.SetIterationTime(run.wallMs / 1000.0);
        g_wall.push_back(run.wallMs);
        g_inProgram.push_back(run.programMs);
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);


void PrintSummary(const std::string& dataset) {
    const double wall = Median(g_wall);
    std::printf("\nSummary (%s)\n", dataset.c_str());
    std::printf("  start to first paint: median %.0f ms over %zu starts (target <= %.0f ms)%s\n",
                wall, g_wall.size(), kTargetMs, wall >= 0 && wall <= kTargetMs ? "" : "  MISSED");
    std::printf("  of which inside main: median %.0f ms\n", Median(g_inProgram));
}

bool PrepareProfile(std::string* why) {
    std::string pattern = (fs::temp_directory_path() / "meridane-startup-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        *why = "cannot make a temporary directory";
        return false;
    }
    g_profile = pattern;
    for (const char* folder : {"config", "data", "runtime"}) fs::create_directories(g_profile + "/" + folder);
    fs::permissions(g_profile + "/runtime", fs::perms::owner_all);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    g_program = FindProgram();
    std::string dataset = "demo";
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--datasets") == 0) {
            if (g_program.empty()) return 0;
            BenchDataSet probe;
            std::string why;
            std::printf("demo\n");
            if (FindDataSet("kent", &probe, &why)) std::printf("kent\n");
            return 0;
        }
        if (std::strncmp(argv[i], "--dataset=", 10) == 0) {
            dataset = argv[i] + 10;
            continue;
        }
        args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (g_program.empty()) {
        std::printf("skipping the start-up benchmark: no meridane program (build it with "
                    "scripts/build or set MERIDANE_PROGRAM)\n");
        return 0;
    }
    std::string why;
    if (!PrepareProfile(&why)) {
        std::fprintf(stderr, "startup_bench: %s\n", why.c_str());
        return 1;
    }
    BenchDataSet set;
    if (dataset == "demo") {
        g_home = fs::path(g_program).parent_path().string();
    } else if (FindDataSet(dataset, &set, &why) && PrepareDataSet(&set, &why)) {
        g_home = set.programDir;
        fs::copy_file(std::string(MERIDANE_DEMO_DIR) + "/demo_case.hom", g_home + "/demo_case.hom");
    } else {
        std::printf("skipping the %s data set: %s\n", dataset.c_str(), why.c_str());
        fs::remove_all(g_profile);
        return 0;
    }
    benchmark::AddCustomContext("dataset", dataset);
    benchmark::AddCustomContext("program", g_program);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary(dataset);
    CorvelaInstance().CloseAll();
    if (dataset != "demo") RemoveDataSet(set);
    fs::remove_all(g_profile);
    return 0;
}
