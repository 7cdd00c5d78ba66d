// Code page 1251 <-> UTF-8.  The engine and the case records keep every text
// in code page 1251; source files, the command line and the terminal speak
// UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace base {

// Why a UTF-8 text could not be converted.
struct Utf8Problem {
    enum Kind { kNone, kInvalidUtf8, kNoCp1251Form, kZeroByte };
    Kind kind = kNone;
    char32_t codePoint = 0;  // the character without a code page 1251 form
};

// Appends the UTF-8 form of a code page 1251 text to out.
void AppendCp1251AsUtf8(std::string_view cp1251, std::string* out);
std::string Cp1251ToUtf8(std::string_view cp1251);

// Appends the code page 1251 form of a UTF-8 text to out.  Stops at the first
// malformed sequence, zero byte or character without a code page 1251 form,
// describes it in problem (when given) and answers false.
bool AppendUtf8AsCp1251(std::string_view utf8, std::string* out, Utf8Problem* problem);

// The message for a problem: "character U+0301 has no code page 1251 form",
// "invalid UTF-8", "zero byte in the text".
std::string DescribeProblem(const Utf8Problem& problem);

}  // namespace base
