#include "console.h"

#include <cstdio>
#include <cstring>

#include "command.h"
#include "base/text/utf8.h"
#include "tool_support.h"
#include "usage.h"

namespace corvela_cli {

int Fail(std::string_view message) {
    tool_support::PrintError("corvela", message);
    return kExitFailure;
}

int UsageError(std::string_view message, const Command* command) {
    tool_support::PrintError("corvela", message);
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

std::string Utf8(const char* cp1251) {
    return cp1251 != nullptr ? base::Cp1251ToUtf8(cp1251) : std::string();
}

bool ToEngineText(const std::string& utf8, std::string* cp1251) {
    cp1251->clear();
    return base::AppendUtf8AsCp1251(utf8, cp1251, nullptr);
}

}  // namespace corvela_cli
