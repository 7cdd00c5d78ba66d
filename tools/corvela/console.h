// The tool's side of the boundary: messages on stderr, output on stdout, and
// the conversion between the terminal's UTF-8 and the engine's code page 1251.
#pragma once

#include <string>
#include <string_view>

namespace corvela_cli {

struct Command;

// Prints "corvela: MESSAGE" (UTF-8) to stderr and answers kExitFailure.
int Fail(std::string_view message);

// Prints "corvela: MESSAGE" and the command's usage line to stderr and
// answers kExitUsage.
int UsageError(std::string_view message, const Command* command);

// Writes UTF-8 text to stdout; false (with a message printed) when it fails.
bool WriteOut(std::string_view text);

// The UTF-8 form of an engine text; null is taken as empty.
std::string Utf8(const char* cp1251);

// The code page 1251 form of a command-line text; false when it has a
// character the code page lacks (then nothing in the engine can match it).
bool ToEngineText(const std::string& utf8, std::string* cp1251);

}  // namespace corvela_cli
