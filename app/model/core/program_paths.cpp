#include "model/core/program_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

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
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    return directory.empty() ? std::string("/") : directory;
}

std::string ProgramIniPath() {
    return JoinPath(ProgramDirectory(), "meridane.ini");
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == '/') return directory + name;
    return directory + "/" + name;
}
