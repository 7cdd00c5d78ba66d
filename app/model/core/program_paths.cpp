#include "model/core/program_paths.h"

#include <sys/stat.h>

#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "base/files/user_folders.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A file name made from a source's name.
std::string FileStem(const std::string& name) {
    constexpr std::size_t kMaxBytes = 120;
    std::string stem;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        stem += (c == '/' || byte < 0x20 || byte == 0x7F) ? '_' : c;
    }
    const auto edge = [](char c) { return c == ' ' || c == '.' || c == '\t'; };
    while (!stem.empty() && edge(stem.back())) stem.pop_back();
    std::size_t start = 0;
    while (start < stem.size() && edge(stem[start])) ++start;
    stem.erase(0, start);
    if (stem.size() > kMaxBytes) {
        std::size_t cut = kMaxBytes;
        // Not inside a UTF-8 sequence: continuation bytes are 10xxxxxx.
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
        stem.resize(cut);
    }
    return stem.empty() ? std::string("materia medica") : stem;
}

}  // namespace

std::string ProgramIniPath() {
    return base::JoinPath(base::ProgramDirectory(), "meridane.ini");
}

std::string UserIniPath() {
    const std::string folder = base::UserConfigDirectory();
    return folder.empty() ? std::string() : base::JoinPath(folder, "meridane.ini");
}

std::string NewUserMateriaMedicaPath(const std::string& name, std::string* error) {
    const std::string folder = base::UserDataDirectory();
    if (folder.empty()) {
        if (error != nullptr) *error = "no folder is known for the user's files";
        return {};
    }
    if (!base::MakeDirectories(folder, error)) return {};
    const std::string stem = base::JoinPath(folder, FileStem(name));
    std::string candidate = stem;
    for (int number = 2; Exists(candidate + ".mmb") || Exists(candidate + ".idx"); ++number)
        candidate = stem + " (" + std::to_string(number) + ")";
    return candidate + ".mmb";
}
