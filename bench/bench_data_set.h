// The data set a benchmark program runs on: a repertory source with the
// remedy catalogue it was written against, compiled once into a temporary
// program directory that the engine is pointed at.
#pragma once

#include <string>
#include <vector>

#include "repertory_source.h"

struct BenchDataSet {
    std::string name;           // "demo" or "kent"
    std::string sourcePath;     // the .rps file
    std::string cataloguePath;  // its remedy_synonyms.txt
    std::string sourceText;     // the source's bytes
    corvela_sources::RepertorySource parsed;
    std::string programDir;  // temporary; holds the catalogue and rep.rpb/.idx
    std::string scratchDir;  // temporary; compile outputs that discovery must not see
};

// The data sets this machine has: demo always, kent when the shared data is there.
bool FindDataSet(const std::string& name, BenchDataSet* set, std::string* why);

// Copies the catalogue, parses and compiles the source into the program
// directory, and sets MERIDANE_HOME (before the engine's first use).
bool PrepareDataSet(BenchDataSet* set, std::string* why);

// Closes the engine's sources, so that the list it saves on closing goes into
// the program directory while that is still there, then removes the temporary
// directories.
void RemoveDataSet(const BenchDataSet& set);

// A temporary program directory holding only the catalogue at
// `cataloguePath` and the materia medica source at `sourcePath` compiled into
// `name` (and its .idx); MERIDANE_HOME points at it (set before the engine's
// first use).  `*home` receives the directory (remove it with
// RemoveDataSet-like care: std::filesystem::remove_all).
bool PrepareMateriaMedicaHome(const std::string& cataloguePath, const std::string& sourcePath,
                              const std::string& name, std::string* home, std::string* why);

// Reads the options bench/run-benchmarks.sh passes.  --datasets prints the
// names of the data sets this machine has, one a line, and answers false (the
// program then ends); --dataset=NAME chooses one (else *dataset keeps the
// caller's default).  Every other argument goes to args, for Google Benchmark.
bool ReadBenchArguments(int argc, char** argv, std::string* dataset, std::vector<char*>* args);

// Compiles the materia medica source at `sourcePath` into `name` (and its
// .idx) inside `programDir` against the engine's catalogue; call before the
// engine first looks for its sources.  False (with the reason) on failure.
bool CompileMateriaMedicaInto(const std::string& programDir, const std::string& sourcePath,
                              const std::string& name, std::string* why);
