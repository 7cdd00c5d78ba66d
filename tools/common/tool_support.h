// Helpers every command-line tool of the project uses the same way.
#pragma once

#include <string>
#include <string_view>

namespace tool_support {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work failed; the reason is on stderr
inline constexpr int kExitUsage = 2;    // the command line was wrong

// Writes "TOOL: MESSAGE" and a line break to standard error.
void PrintError(std::string_view tool, std::string_view message);

// PrintError, answering kExitFailure.
int Fail(std::string_view tool, std::string_view message);

// PrintError followed by `usage`, answering kExitUsage.
int UsageError(std::string_view tool, std::string_view message, std::string_view usage);

// WriteStdout; when it fails the reason goes to stderr (PrintError) and the
// answer is false.
bool WriteOut(std::string_view tool, std::string_view text);

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
