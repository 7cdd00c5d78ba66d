// The plain text of a Rich Text Format text, for articles that come with RTF
// only: control words and control symbols are dropped, destination groups
// (font table, colour table, stylesheet, info, pictures, objects and every
// "\*" group) are dropped with their content, "\par" and "\line" become line
// breaks, "\tab" a TAB, "\'hh" the byte hh, "\uN" its code page 1251 form (or
// '?') with its fallback characters skipped.  Raw line breaks of the RTF text
// are not text.  Blank lines at the start and the end are dropped.
#pragma once

#include <string>
#include <string_view>

namespace corvela_sources {

// rtf and the result are code page 1251.
std::string RtfPlainText(std::string_view rtf);

// Drops the blank lines (nothing but spaces and TABs) at the start and end of
// an LF-separated text.
std::string TrimBlankLines(std::string_view text);

}  // namespace corvela_sources
