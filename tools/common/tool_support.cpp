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

namespace {

bool SetFolderVariable(const char* variable, const std::string& folder, std::string* error) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        *error = "no such directory: " + folder;
        return false;
    }
    char resolved[PATH_MAX];
    const char* directory =
        ::realpath(folder.c_str(), resolved) != nullptr ? resolved : folder.c_str();
    ::setenv(variable, directory, 1);
    return true;
}

}  // namespace

bool SetProgramDirectory(const std::string& home, std::string* error) {
    return SetFolderVariable("MERIDANE_HOME", home, error);
}

bool SetUserDataDirectory(const std::string& data, std::string* error) {
    return SetFolderVariable("MERIDANE_DATA", data, error);
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
