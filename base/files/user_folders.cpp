#include "base/files/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/files/path_parts.h"

namespace base {
namespace {

// An environment variable naming a folder: set, not empty and, for the XDG
// variables, absolute (relative values are to be ignored).
std::string FolderVariable(const char* name, bool mustBeAbsolute) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0') return {};
    if (mustBeAbsolute && value[0] != '/') return {};
    std::string folder(value);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string HomeFolder() {
    std::string home = FolderVariable("HOME", true);
    if (!home.empty()) return home;
    const passwd* entry = ::getpwuid(::getuid());
    if (entry == nullptr || entry->pw_dir == nullptr) return {};
    return entry->pw_dir;  // "" too when the account has none
}

// $variable/meridane, else ~/fallback/meridane.
std::string UserFolder(const char* variable, const char* fallback) {
    std::string base = FolderVariable(variable, true);
    if (base.empty()) {
        const std::string home = HomeFolder();
        if (home.empty()) return {};
        base = JoinPath(home, fallback);
    }
    return JoinPath(base, "meridane");
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string UserDataDirectory() {
    std::string own = FolderVariable("MERIDANE_DATA", false);
    return own.empty() ? UserFolder("XDG_DATA_HOME", ".local/share") : own;
}

std::string UserConfigDirectory() {
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

bool SameDirectory(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (a.empty() || b.empty()) return false;
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool MakeDirectories(const std::string& directory, std::string* error) {
    if (directory.empty()) {
        if (error != nullptr) *error = "no folder to create";
        return false;
    }
    if (IsDirectory(directory)) return true;
    const std::string parent = DirectoryOf(directory);
    if (!parent.empty() && parent != directory && !MakeDirectories(parent, error)) return false;
    if (::mkdir(directory.c_str(), 0755) == 0 || (errno == EEXIST && IsDirectory(directory)))
        return true;
    if (error != nullptr)
        *error = "cannot create the folder \"" + directory + "\": " + std::strerror(errno);
    return false;
}

}  // namespace base
