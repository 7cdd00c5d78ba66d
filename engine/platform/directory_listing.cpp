#include "platform/directory_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "base/text/ascii.h"

std::vector<std::string> ListFilesWithSuffix(const std::string& directory,
                                             std::string_view suffix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (!base::EndsWithIgnoringAsciiCase(name, suffix)) continue;
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
