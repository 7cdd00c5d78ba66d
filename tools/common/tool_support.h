// Helpers every command-line tool of the project uses the same way.
#pragma once

#include <string>
#include <string_view>

namespace tool_support {

// Writes "TOOL: MESSAGE" and a line break to standard error.
void PrintError(std::string_view tool, std::string_view message);

// Points the program directory (data files, catalogue, practitioner.txt) at
// `home`, made absolute, through $MERIDANE_HOME; must happen before the
// engine is first used.  False with *error set when `home` is not a directory.
bool SetProgramDirectory(const std::string& home, std::string* error);

// Points the user data folder (the data files the user adds, read after the
// program directory's) at `data`, made absolute, through $MERIDANE_DATA; the
// same conditions.
bool SetUserDataDirectory(const std::string& data, std::string* error);

// Writes `text` to standard output and flushes it; false with *error set when
// the output cannot take it (a closed pipe, a full disk).
bool WriteStdout(std::string_view text, std::string* error);

}  // namespace tool_support
