#include "console.h"

#include <charconv>

#include "base/text/utf8.h"
#include "command.h"
#include "tool_support.h"
#include "usage.h"

namespace meridane_case {
namespace {

constexpr const char* kTool = "meridane-case";

}  // namespace

int Fail(std::string_view message) {
    return tool_support::Fail(kTool, message);
}

int UsageError(std::string_view message, const Command* command) {
    return tool_support::UsageError(kTool, message,
                                    command != nullptr ? CommandUsage(*command) : ToolUsage());
}

bool WriteOut(std::string_view text) {
    return tool_support::WriteOut(kTool, text);
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
