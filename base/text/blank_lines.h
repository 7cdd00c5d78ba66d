// Blank lines at the edges of a text: what the materia medica compiler drops
// from an article's plain text.
#pragma once

#include <string>
#include <string_view>

namespace base {

// Drops the blank lines (nothing but spaces and TABs) at the start and end of
// an LF-separated text; blank lines inside are kept.
std::string TrimBlankLines(std::string_view text);

}  // namespace base
