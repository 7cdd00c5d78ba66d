#include "bench_data_set.h"

#include <corvela.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/files/atomic_file.h"
#include "materia_compiler.h"
#include "materia_source.h"
#include "repertory_compiler.h"

namespace fs = std::filesystem;

bool FindDataSet(const std::string& name, BenchDataSet* set, std::string* why) {
    std::string folder, source;
    if (name == "demo") {
        folder = MERIDANE_DEMO_DIR;
        source = "demo_en.rps";
    } else if (name == "kent") {
        folder = MERIDANE_SHARED_DATA_DIR;
        source = "kent.rps";
    } else {
        *why = "unknown data set " + name + " (demo or kent)";
        return false;
    }
    set->name = name;
    set->sourcePath = folder + "/" + source;
    set->cataloguePath = folder + "/remedy_synonyms.txt";
    if (!fs::exists(set->sourcePath) || !fs::exists(set->cataloguePath)) {
        *why = set->sourcePath + " or its remedy_synonyms.txt is not there";
        return false;
    }
    return true;
}

static std::string MakeTempDir(const char* tag) {
    std::string pattern =
        (fs::temp_directory_path() / (std::string("corvela-bench-") + tag + "-XXXXXX")).string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

bool PrepareDataSet(BenchDataSet* set, std::string* why) {
    set->programDir = MakeTempDir("home");
    set->scratchDir = MakeTempDir("scratch");
    if (set->programDir.empty() || set->scratchDir.empty()) {
        *why = "cannot make temporary directories";
        return false;
    }
    fs::copy_file(set->cataloguePath, set->programDir + "/remedy_synonyms.txt");
    if (!base::ReadWholeFile(set->sourcePath, &set->sourceText, why)) return false;
    corvela_sources::SourceError error;
    if (!corvela_sources::ParseRepertorySource(set->sourceText, set->sourcePath, &set->parsed,
                                               &error)) {
        *why = error.ToString();
        return false;
    }
    setenv("MERIDANE_HOME", set->programDir.c_str(), 1);
    const std::string output = set->programDir + "/rep.rpb";
    const corvela_sources::CompileResult result =
        corvela_sources::CompileRepertory(set->parsed, CorvelaInstance(), output.c_str());
    if (!result.saved) {
        *why = "cannot compile " + set->sourcePath + ": " + result.error;
        return false;
    }
    return true;
}

bool PrepareMateriaMedicaHome(const std::string& cataloguePath, const std::string& sourcePath,
                              const std::string& name, std::string* home, std::string* why) {
    *home = MakeTempDir("home");
    if (home->empty()) {
        *why = "cannot make a temporary directory";
        return false;
    }
    fs::copy_file(cataloguePath, *home + "/remedy_synonyms.txt");
    setenv("MERIDANE_HOME", home->c_str(), 1);
    std::string text;
    if (!base::ReadWholeFile(sourcePath, &text, why)) return false;
    corvela_sources::MateriaMedicaSource source;
    corvela_sources::SourceError error;
    if (!corvela_sources::ParseMateriaMedicaSource(text, sourcePath, &source, &error)) {
        *why = error.ToString();
        return false;
    }
    const std::string output = *home + "/" + name;
    const auto result = corvela_sources::CompileMateriaMedica(source, CorvelaInstance(), output.c_str());
    if (!result.saved) {
        *why = "cannot compile " + sourcePath + ": " + result.error;
        return false;
    }
    return true;
}

void RemoveDataSet(const BenchDataSet& set) {
    CorvelaInstance().CloseAll();
    std::error_code ignored;
    if (!set.programDir.empty()) fs::remove_all(set.programDir, ignored);
    if (!set.scratchDir.empty()) fs::remove_all(set.scratchDir, ignored);
}

bool ReadBenchArguments(int argc, char** argv, std::string* dataset, std::vector<char*>* args) {
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--datasets") == 0) {
            BenchDataSet probe;
            std::string why;
            for (const char* name : {"demo", "kent"})
                if (FindDataSet(name, &probe, &why)) std::printf("%s\n", name);
            return false;
        }
        if (std::strncmp(argv[i], "--dataset=", 10) == 0) {
            *dataset = argv[i] + 10;
            continue;
        }
        args->push_back(argv[i]);
    }
    return true;
}

bool CompileMateriaMedicaInto(const std::string& programDir, const std::string& sourcePath,
                              const std::string& name, std::string* why) {
    std::string text;
    if (!base::ReadWholeFile(sourcePath, &text, why)) return false;
    corvela_sources::MateriaMedicaSource source;
    corvela_sources::SourceError error;
    if (!corvela_sources::ParseMateriaMedicaSource(text, sourcePath, &source, &error)) {
        *why = error.ToString();
        return false;
    }
    const std::string output = programDir + "/" + name;
    const corvela_sources::CompileResult result =
        corvela_sources::CompileMateriaMedica(source, CorvelaInstance(), output.c_str());
    if (!result.saved) {
        *why = "cannot compile " + sourcePath + ": " + result.error;
        return false;
    }
    return true;
}
