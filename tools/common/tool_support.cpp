#include "tool_support.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tool_support {

void PrintError(std::string_view tool, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(tool.size()), tool.data(),
                 static_cast<int>(message.size()), message.data());
}

int Fail(std::string_view tool, std::string_view message) {
    PrintError(tool, message);
    return kExitFailure;
}

int UsageError(std::string_view tool, std::string_view message, std::string_view usage) {
    PrintError(tool, message);
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return kExitUsage;
}

bool WriteOut(std::string_view tool, std::string_view text) {
    std::string error;
    if (WriteStdout(text, &error)) return true;
    PrintError(tool, error);
    return false;
}

bool SetProgramDirectory(const std::string& home, std::string* error) {
    struct stat info {};
    if (::stat(home.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        *error = "no such directory: " + home;
        return false;
    }
    char resolved[PATH_MAX];
    const char* directory = ::realpath(home.c_str(), resolved) != nullptr ? resolved : home.c_str();
    ::setenv("MERIDANE_HOME", directory, 1);
    return true;
}

bool WriteStdout(std::string_view text, std::string* error) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        *error = std::string("cannot write the output: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace tool_support
