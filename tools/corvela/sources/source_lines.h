// Reads a UTF-8 source text line by line, converting each line to code page
// 1251.  Line ends are LF or CR LF; a UTF-8 byte order mark at the start is
// skipped.
#pragma once

#include <string>
#include <string_view>

#include "source_error.h"

namespace corvela_sources {

struct SourceLine {
    int number = 0;    // 1-based
    std::string text;  // code page 1251, without the line end
};

class SourceLineReader {
public:
    // text must outlive the reader; file names the source in error messages.
    SourceLineReader(std::string_view text, std::string file);

    // The next line; false at the end of the text or when the line cannot be
    // converted (error() then says why; the reader stays at that line).
    bool Next(SourceLine* line);

    bool failed() const { return m_failed; }
    const SourceError& error() const { return m_error; }
    const std::string& file() const { return m_file; }
    // The number of the last line read (0 before the first).
    int lineNumber() const { return m_number; }

    // Makes an error at the given line of this file.
    SourceError ErrorAt(int line, std::string message) const;

private:
    std::string_view m_text;
    std::string m_file;
    std::size_t m_pos = 0;
    int m_number = 0;
    bool m_failed = false;
    SourceError m_error;
};

// True when the line holds nothing but spaces and TABs.
bool IsBlank(std::string_view line);

// The text without leading and trailing spaces and TABs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace corvela_sources
