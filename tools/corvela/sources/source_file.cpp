#include "source_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace corvela_sources {

bool ReadWholeFile(const std::string& path, std::string* out, std::string* error) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    std::string data;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) data.append(buffer, got);
    if (std::ferror(file.get())) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    *out = std::move(data);
    return true;
}

}  // namespace corvela_sources
