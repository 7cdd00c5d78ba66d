#include "platform/directory_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    auto tail = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (AsciiLower(tail[i]) != AsciiLower(suffix[i])) return false;
    return true;
}

}  // namespace

std::vector<std::string> ListFilesWithSuffix(const std::string& directory,
                                             std::string_view suffix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (!EndsWithNoCase(name, suffix)) continue;
        struct stat info {};
        std::string path = directory + "/" + std::string(name);
        if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
        names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    return names;
}
