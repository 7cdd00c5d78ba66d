#include "console.h"

#include "base/text/utf8.h"
#include "command.h"
#include "tool_support.h"
#include "usage.h"

namespace corvela_cli {
namespace {

constexpr const char* kTool = "corvela";

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

std::string Utf8(const char* cp1251) {
    return cp1251 != nullptr ? base::Cp1251ToUtf8(cp1251) : std::string();
}

bool ToEngineText(const std::string& utf8, std::string* cp1251) {
    cp1251->clear();
    return base::AppendUtf8AsCp1251(utf8, cp1251, nullptr);
}

}  // namespace corvela_cli
