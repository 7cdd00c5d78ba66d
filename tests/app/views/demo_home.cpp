#include "demo_home.h"

#include <stdlib.h>

#include <filesystem>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace views_test {
namespace {

struct DemoHome {
    DemoHome() {
        std::string pattern = (fs::temp_directory_path() / "meridane-views-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        m_path = pattern;
        for (const fs::directory_entry& entry : fs::directory_iterator(MERIDANE_PROGRAM_DIR)) {
            const std::string extension = entry.path().extension().string();
            const std::string name = entry.path().filename().string();
            if (extension == ".rpb" || extension == ".mmb" || extension == ".idx" ||
                name == "remedy_synonyms.txt" || name == "meridane.ini" || name == "russian.lng")
                fs::copy_file(entry.path(), fs::path(m_path) / name);
        }
        ::setenv("MERIDANE_HOME", m_path.c_str(), 1);
    }
    ~DemoHome() {
        std::error_code ignored;
        if (!m_path.empty()) fs::remove_all(m_path, ignored);
    }
    std::string m_path;
};

Guid Parsed(const char* text) {
    Guid id;
    ParseGuid(text, &id);
    return id;
}

}  // namespace

const std::string& UseDemoHome() {
    static DemoHome home;
    return home.m_path;
}

bool WriteBrowserTestRepertory() {
    struct Line {
        int depth;
        const char* text;
        std::vector<std::pair<const char*, int>> remedies;
    };
    const std::vector<Line> tree = {
        {0, "rep_browser_test", {}},
        {1, "Mind", {}},
        {2,
         "Anxiety",
         {{"acon", 4},
          {"ars", 3},
          {"calc", 2},
          {"lyc", 1},
          {"phos", 2},
          {"puls", 2},
          {"arg-n", 2},
          {"sep", 1},
          {"nux-v", 1},
          {"bry", 1},
          {"gels", 3},
          {"ign", 1}}},
        {3, "morning", {{"acon", 1}, {"lach", 2}}},
        {3, "evening", {{"calc", 2}}},
        {4, "bed, in", {{"ars", 2}}},
        {3, "night", {{"ars", 4}}},
        {2, "Fear", {{"acon", 3}}},
        {1, "Head", {}},
        {2, "Pain", {{"bell", 3}}},
        {3, "forehead", {}},
        {4, "right", {}},
        {5, "morning", {}},
        {6, "waking, on", {{"nux-v", 2}}},
        {1, "Sleep", {}},
    };
    RepertoryBuilder& builder = *CorvelaInstance().GetRepertoryBuilder();
    const RepertoryDescription description{"5B1E0C2A-7D31-4F0B-9C55-0A1B2C3D4E5F",
                                           "REP_BROWSER_TEST",
                                           "Browser Test Repertory",
                                           "browser tests",
                                           "the test team",
                                           "",
                                           0};
    builder.Begin(&description);
    int open = 0;
    for (const Line& line : tree) {
        for (; open > line.depth; --open) builder.CloseTopic();
        builder.AddTopic(line.text);
        ++open;
        for (const auto& [name, grade] : line.remedies) {
            if (builder.AddRemedy(name, grade) < 0) return false;
        }
    }
    for (; open > 0; --open) builder.CloseTopic();
    const std::string path = UseDemoHome() + "/browser_test.rpb";
    return builder.Save(path.c_str()) != 0;
}

Guid BrowserTestRepertory() {
    return Parsed("5B1E0C2A-7D31-4F0B-9C55-0A1B2C3D4E5F");
}

Guid DemoEnglishRepertory() {
    return Parsed("44F01C90-0055-4CD8-981E-B131F40DFEA2");
}
Guid DemoRussianRepertory() {
    return Parsed("AD260680-218C-4265-8463-5C37BE6F4BCE");
}
Guid DemoMateriaMedica() {
    return Parsed("4D8EA1C0-5A22-4514-9C79-03EEA3438E66");
}

std::string SharedDataDir() {
    const fs::path folder = MERIDANE_SHARED_DATA_DIR;
    return fs::exists(folder / "kent.rps") ? folder.string() : std::string();
}

}  // namespace views_test
