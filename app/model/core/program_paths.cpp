#include "model/core/program_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::string WithoutTrailingSlashes(std::string directory) {
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    return directory;
}

// A variable naming a folder: set and not empty; the XDG ones also absolute.
std::string FolderVariable(const char* name, bool mustBeAbsolute) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0' || (mustBeAbsolute && *value != '/')) return {};
    return WithoutTrailingSlashes(value);
}

// $variable/meridane, else ~/fallback/meridane.
std::string UserFolder(const char* variable, const char* fallback) {
    std::string base = FolderVariable(variable, true);
    if (base.empty()) {
        std::string home = FolderVariable("HOME", true);
        if (home.empty()) {
            const passwd* entry = ::getpwuid(::getuid());
            if (entry == nullptr || entry->pw_dir == nullptr || *entry->pw_dir == '\0') return {};
            home = entry->pw_dir;
        }
        base = JoinPath(home, fallback);
    }
    return JoinPath(base, "meridane");
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

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

std::string ProgramDirectory() {
    const char* home = std::getenv("MERIDANE_HOME");
    std::string directory;
    if (home != nullptr && *home != '\0') {
        directory = home;
    } else {
        std::vector<char> buffer(4096);
        for (;;) {
            const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
            if (length < 0) return ".";
            if (static_cast<std::size_t>(length) < buffer.size()) {
                directory.assign(buffer.data(), static_cast<std::size_t>(length));
                break;
            }
            buffer.resize(buffer.size() * 2);
        }
        const std::size_t slash = directory.rfind('/');
        directory = slash == std::string::npos ? std::string(".") : directory.substr(0, slash);
    }
    directory = WithoutTrailingSlashes(std::move(directory));
    return directory.empty() ? std::string("/") : directory;
}

std::string ProgramIniPath() {
    return JoinPath(ProgramDirectory(), "meridane.ini");
}

std::string UserDataDirectory() {
    const std::string own = FolderVariable("MERIDANE_DATA", false);
    return own.empty() ? UserFolder("XDG_DATA_HOME", ".local/share") : own;
}

std::string UserConfigDirectory() {
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

std::string UserIniPath() {
    const std::string folder = UserConfigDirectory();
    return folder.empty() ? std::string() : JoinPath(folder, "meridane.ini");
}

std::string NewUserMateriaMedicaPath(const std::string& name, std::string* error) {
    const std::string folder = UserDataDirectory();
    if (!MakeDirectories(folder, error)) return {};
    const std::string stem = JoinPath(folder, FileStem(name));
    std::string candidate = stem;
    for (int number = 2; Exists(candidate + ".mmb") || Exists(candidate + ".idx"); ++number)
        candidate = stem + " (" + std::to_string(number) + ")";
    return candidate + ".mmb";
}

bool MakeDirectories(const std::string& directory, std::string* error) {
    if (directory.empty()) {
        if (error != nullptr) *error = "no folder is known for the user's files";
        return false;
    }
    if (IsDirectory(directory)) return true;
    const std::size_t slash = directory.rfind('/');
    if (slash != std::string::npos && slash > 0 &&
        !MakeDirectories(directory.substr(0, slash), error))
        return false;
    if (::mkdir(directory.c_str(), 0755) == 0 || (errno == EEXIST && IsDirectory(directory)))
        return true;
    if (error != nullptr)
        *error = "cannot create the folder \"" + directory + "\": " + std::strerror(errno);
    return false;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == '/') return directory + name;
    return directory + "/" + name;
}
