// The tool's side of the boundary: messages on stderr, output on stdout, and
// the conversion between the terminal's UTF-8 and the code page 1251 of the
// case records and the engine.
#pragma once

#include <string>
#include <string_view>

namespace meridane_case {

struct Command;

// Prints "meridane-case: MESSAGE" to stderr and answers kExitFailure.
int Fail(std::string_view message);

// Prints "meridane-case: MESSAGE" and the usage (of the command, or of the
// tool) to stderr and answers kExitUsage.
int UsageError(std::string_view message, const Command* command);

// Writes UTF-8 text to stdout; false (with a message printed) when it fails.
bool WriteOut(std::string_view text);

// The UTF-8 form of a code page 1251 text.
std::string Utf8(std::string_view cp1251);

// The code page 1251 form of a command-line text; false with a message
// printed (naming `what`) when it has a character the code page lacks.
bool ToCaseText(const std::string& utf8, const char* what, std::string* cp1251);

// A whole decimal number (optional sign, nothing else); false when not.
bool ParseNumber(const std::string& text, int* value);

}  // namespace meridane_case
