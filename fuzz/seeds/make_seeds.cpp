// Builds the seed corpora of the fuzz targets from the demo data:
//
//   make_seeds OUT PROGRAM_DIR SOURCE_DIR
//
// OUT/<target>/ receives one file per seed: the compiled demo repertories and
// materia medicas with their indexes (packed as the two-file targets read
// them), the indexes alone, the catalogues, the demo case and the test cases,
// the Russian language file, the queries of fuzz/seeds/queries.txt, the rich
// texts the records start with and those the demo data holds, and the demo
// sources of the corvela tool.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "materia_source.h"
#include "model/records/episode.h"
#include "model/records/patient_info.h"
#include "model/records/prescription.h"
#include "model/storage/text_storage.h"
#include "model/storage/tree_file.h"

namespace fs = std::filesystem;

namespace {

fs::path g_out;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_seeds: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(const fs::path& path) {
    const std::string text = Read(path);
    return {text.begin(), text.end()};
}

void Seed(const std::string& target, const std::string& name, std::string_view content) {
    const fs::path folder = g_out / target;
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", (folder / name).c_str());
        std::exit(1);
    }
}

void Seed(const std::string& target, const std::string& name, const std::vector<std::uint8_t>& b) {
    Seed(target, name, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

// The files of folder with the extension, sorted.
std::vector<fs::path> FilesOf(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void DataFiles(const fs::path& program, const std::string& extension, const std::string& target) {
    for (const fs::path& data : FilesOf(program, extension)) {
        fs::path index = data;
        index.replace_extension(".idx");
        const std::string base = data.stem();
        Seed(target, base, fuzz::JoinDataAndIndex(Bytes(data), Bytes(index)));
        Seed("word_index", base, Bytes(index));
    }
}

// Every value of a case file that holds rich text.
void RichTextsOf(const fs::path& caseFile, std::vector<std::string>& texts) {
    TextStorage::TextNode root;
    ParseTree(Read(caseFile), root, nullptr);
    std::vector<const StorageNode*> pending{&root};
    while (!pending.empty()) {
        const StorageNode* node = pending.back();
        pending.pop_back();
        if (node->GetValue().starts_with("{\\rtf")) texts.push_back(node->GetValue());
        for (std::size_t i = 0; i < node->GetChildCount(); ++i)
            pending.push_back(node->GetChildAt(i));
    }
}

void RichTexts(const fs::path& demo) {
    std::vector<std::string> texts = {
        CEpisode::DescriptionTemplate("Type your text here"),
        CPrescription::PrescriptionTemplate("No prescription"),
        CPatientInfo().GetCardTemplate(),
    };
    RichTextsOf(demo / "demo_case.hom", texts);
    for (const fs::path& file : FilesOf(demo, ".mms")) {
        corvela_sources::MateriaMedicaSource source;
        corvela_sources::SourceError error;
        if (!corvela_sources::ParseMateriaMedicaSource(Read(file), file, &source, &error)) {
            std::fprintf(stderr, "make_seeds: %s\n", error.ToString().c_str());
            std::exit(1);
        }
        for (const auto& article : source.articles)
            if (article.hasRtf) texts.push_back(article.rtf);
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        Seed("rtf", "rich_text_" + std::to_string(i), texts[i]);
}

void Queries(const fs::path& list) {
    std::ifstream in(list);
    std::string line;
    for (int n = 0; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') Seed("query", "query_" + std::to_string(n++), line);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_seeds OUT PROGRAM_DIR SOURCE_DIR\n");
        return 2;
    }
    g_out = argv[1];
    const fs::path program = argv[2];
    const fs::path top = argv[3];
    const fs::path demo = top / "data/demo";

    DataFiles(program, ".rpb", "repertory");
    DataFiles(program, ".mmb", "materia_medica");
    Seed("catalogue", "demo", Read(demo / "remedy_synonyms.txt"));
    Seed("catalogue", "tests", Read(top / "tests/data/remedy_synonyms.txt"));
    Queries(top / "fuzz/seeds/queries.txt");
    Seed("text_storage", "demo_case", Read(demo / "demo_case.hom"));
    for (const fs::path& file : FilesOf(top / "tests/data/records", ".hom"))
        Seed("text_storage", file.stem(), Read(file));
    Seed("language", "russian", Read(demo / "russian.lng"));
    RichTexts(demo);
    for (const fs::path& file : FilesOf(demo, ".rps"))
        Seed("repertory_source", file.stem(), Read(file));
    Seed("repertory_source", "small_repertory", Read(top / "tests/data/small_repertory.txt"));
    for (const fs::path& file : FilesOf(demo, ".mms"))
        Seed("materia_source", file.stem(), Read(file));
    return 0;
}
