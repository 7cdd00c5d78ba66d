#include "console.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "command.h"
#include "usage.h"
#include "base/text/utf8.h"
#include "tool_support.h"

namespace meridane_case {

int Fail(std::string_view message) {
    tool_support::PrintError("meridane-case", message);
    return kExitFailure;
}

int UsageError(std::string_view message, const Command* command) {
    tool_support::PrintError("meridane-case", message);
    const std::string usage = command != nullptr ? CommandUsage(*command) : ToolUsage();
    std::fputs(usage.c_str(), stderr);
    return kExitUsage;
}

bool WriteOut(std::string_view text) {
    std::string error;
    if (tool_support::WriteStdout(text, &error)) return true;
    Fail(error);
    return false;
}

std::string Utf8(std::string_view cp1251) {
    return base::Cp1251ToUtf8(cp1251);
}

bool ToCaseText(const std::string& utf8, const char* what, std::string* cp1251) {
    cp1251->clear();
    base::Utf8Problem problem;
    if (base::AppendUtf8AsCp1251(utf8, cp1251, &problem)) return true;
    Fail(std::string(what) + ": " + base::DescribeProblem(problem));
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
