// Conversion between narrow text in a Windows code page and wide characters,
// as the text storage reader and the language lookup need it.  Code page 1251
// (and 0, the system code page) goes through the program's own table
// (base/text/code_page.h); every other code page through the C library's
// iconv ("CP" and the number, "UTF-8" for 65001, ...).
#pragma once

#include <string>
#include <string_view>

// "none": every byte is one character (widened and narrowed unchanged).
inline constexpr int kCodePageNone = -1;

// `text` in `codePage` as wide characters.  Code pages below 0 are "none".
// Throws Exception "MultiByteToWideChar error = %x" (the errno value) when the
// code page is unknown or the text is not valid in it.  In the single-byte
// Windows code pages a byte the code page leaves undefined (0x98 in 1251)
// becomes the C1 control of the same number, so that every byte survives.
std::wstring MultiByteToWide(std::string_view text, int codePage);

// `text` back in `codePage`; "none" keeps the low byte of every character.
// Throws Exception "WideCharToMultiByte error = %x" when the code page is
// unknown or has no byte for a character.
std::string WideToMultiByte(std::wstring_view text, int codePage);
