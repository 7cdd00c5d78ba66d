// ASCII-only helpers for names the program matches without regard to case
// (INI sections and keys, file extensions); bytes above 0x7F compare as they
// are.
#pragma once

#include <string_view>

namespace base {

// `text` without the spaces, TABs, CRs and LFs at either end.
std::string_view TrimAsciiSpace(std::string_view text);

// True when a and b are equal with A-Z taken as a-z.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// True when `text` ends in `suffix`, A-Z taken as a-z.
bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix);

}  // namespace base
