#include "base/files/program_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "base/files/path_parts.h"

namespace base {
namespace {

// The running executable's path; empty when it cannot be read.
std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ProgramDirectory() {
    const char* home = std::getenv("MERIDANE_HOME");
    std::string directory =
        home != nullptr && home[0] != '\0' ? std::string(home) : DirectoryOf(ExecutablePath());
    if (directory.empty()) return ".";
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    return directory;
}

}  // namespace base
