#include "console.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "command.h"
#include "cp1251.h"
#include "options.h"

namespace corvela_cli {

int Fail(std::string_view message) {
    std::fprintf(stderr, "corvela: %.*s\n", static_cast<int>(message.size()), message.data());
    return kExitFailure;
}

int UsageError(std::string_view message, const Command* command) {
    std::fprintf(stderr, "corvela: %.*s\n", static_cast<int>(message.size()), message.data());
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

std::string Utf8(const char* cp1251) {
    return cp1251 != nullptr ? corvela_sources::Cp1251ToUtf8(cp1251) : std::string();
}

bool ToEngineText(const std::string& utf8, std::string* cp1251) {
    cp1251->clear();
    return corvela_sources::AppendUtf8AsCp1251(utf8, cp1251, nullptr);
}

}  // namespace corvela_cli
