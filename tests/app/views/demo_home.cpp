#include "demo_home.h"

#include <stdlib.h>

#include <filesystem>

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

Guid DemoEnglishRepertory() { return Parsed("44F01C90-0055-4CD8-981E-B131F40DFEA2"); }
Guid DemoRussianRepertory() { return Parsed("AD260680-218C-4265-8463-5C37BE6F4BCE"); }
Guid DemoMateriaMedica() { return Parsed("4D8EA1C0-5A22-4514-9C79-03EEA3438E66"); }

std::string SharedDataDir() {
    const fs::path folder = MERIDANE_SHARED_DATA_DIR;
    return fs::exists(folder / "kent.rps") ? folder.string() : std::string();
}

}  // namespace views_test
