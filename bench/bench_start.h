// The start every benchmark program over a repertory data set shares.  A
// header of its own: tests link the data set helpers without Google Benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_data_set.h"

// The start every benchmark over a repertory data set shares: reads the
// options (the data set is kent when this machine has it, else demo), hands
// the rest to Google Benchmark, then finds and prepares the data set into
// *set.  -1 to go on; else the exit code the program ends with (`program`
// names it in the error line).
inline int StartOnDataSet(int argc, char** argv, const char* program, BenchDataSet* set) {
    BenchDataSet probe;
    std::string why;
    std::string dataset = FindDataSet("kent", &probe, &why) ? "kent" : "demo";
    std::vector<char*> args;
    if (!ReadBenchArguments(argc, argv, &dataset, &args)) return 0;
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (!FindDataSet(dataset, set, &why)) {
        std::printf("skipping the %s data set: %s\n", dataset.c_str(), why.c_str());
        return 0;
    }
    if (!PrepareDataSet(set, &why)) {
        std::fprintf(stderr, "%s: %s\n", program, why.c_str());
        RemoveDataSet(*set);
        return 1;
    }
    return -1;
}
