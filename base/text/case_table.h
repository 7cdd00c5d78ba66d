// Lower-casing of code page 1251 text.  Every lower-casing of the engine (the
// catalogue's names, AddWord, FindRemedy, queries) and of the tools goes
// through this table; the C locale is never touched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// The lower-case form of one byte: A-Z, the Cyrillic А-Я and Ё, and the other
// code page 1251 capitals (Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ); every other byte is
// returned unchanged.
unsigned char LowerCp1251(unsigned char c);
// True for the capitals listed above.
bool IsUpperCp1251(unsigned char c);

// Lower-cases text in place up to its terminating zero.
void LowerCp1251InPlace(char* text);
void LowerCp1251InPlace(std::string& text);
std::string LowerCp1251Copy(std::string_view text);

}  // namespace base
