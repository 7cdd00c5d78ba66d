#include "platform/program_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/path_parts.h"

namespace {

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ProgramDirectory() {
    const char* home = std::getenv("MERIDANE_HOME");
    if (home != nullptr && home[0] != '\0') {
        std::string directory(home);
        while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
        return directory;
    }
    return DirectoryOf(ExecutablePath());
}
