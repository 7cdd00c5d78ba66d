#include "console.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "command.h"
#include "command_line.h"
#include "cp1251.h"

namespace meridane_case {

int Fail(std::string_view message) {
    std::fprintf(stderr, "meridane-case: %.*s\n", static_cast<int>(message.size()), message.data());
    return kExitFailure;
}

int UsageError(std::string_view message, const Command* command) {
    std::fprintf(stderr, "meridane-case: %.*s\n", static_cast<int>(message.size()), message.data());
    const std::string usage = command != nullptr ? CommandUsage(*command) : ToolUsage();
    std::fputs(usage.c_str(), stderr);
    return kExitUsage;
}

bool WriteOut(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        Fail(std::string("cannot write the output: ") + std::strerror(errno));
        return false;
    }
    return true;
}

std::string Utf8(std::string_view cp1251) {
    return corvela_sources::Cp1251ToUtf8(cp1251);
}

bool ToCaseText(const std::string& utf8, const char* what, std::string* cp1251) {
    cp1251->clear();
    corvela_sources::Utf8Problem problem;
    if (corvela_sources::AppendUtf8AsCp1251(utf8, cp1251, &problem)) return true;
    Fail(std::string(what) + ": " + corvela_sources::DescribeProblem(problem));
    return false;
}

bool ParseNumber(const std::string& text, int* value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto result = std::from_chars(begin, end, *value);
    return begin != end && result.ec == std::errc() && result.ptr == end;
}

}  // namespace meridane_case
