// The escapes of quoted values in the text storage.
#pragma once

#include <string>
#include <string_view>

// Line feed, carriage return, tab, backslash and double quote become "\n",
// "\r", "\t", "\\" and "\""; any other byte below 32 becomes a backslash and
// its code in three decimal digits ("\007", "\027"), so that a digit after it
// cannot join the escape; all other bytes stay as they are.
std::string EscapeText(std::string_view text);

// The reverse, on wide text: "\n", "\r", "\t", "\\" and "\"" give the five
// characters; a backslash and one to three decimal digits give the character
// of that decimal code; a backslash at the very end gives "#err#"; a backslash
// and any other character gives "#err#" and drops that character.
std::wstring UnescapeText(std::wstring_view text);
