// The header lines shared by repertory and materia medica sources:
//   @id GUID, @name TEXT, @text2 .. @text5 TEXT, @flags NUMBER
// one per line, before the first rubric or article, among blank lines and
// '#' comments.
#pragma once

#include <cstdint>
#include <string>

#include "source_lines.h"

namespace corvela_sources {

struct SourceHeader {
    std::string id;        // the identifier in its upper-case text form
    std::string texts[5];  // texts 1 (the name) to 5, code page 1251
    std::uint32_t flags = 0;
    bool hasFlags = false;  // false: the format's default applies

    std::uint32_t FlagsOr(std::uint32_t fallback) const { return hasFlags ? flags : fallback; }

    // The header as a builder's description (RepertoryDescription or
    // MateriaMedicaDescription); the texts stay owned by this header.
    template <class Description>
    Description Describe(std::uint32_t defaultFlags) const {
        return Description{id.c_str(),           texts[0].c_str(), texts[1].c_str(),
                           texts[2].c_str(),     texts[3].c_str(), texts[4].c_str(),
                           FlagsOr(defaultFlags)};
    }
};

class SourceHeaderParser {
public:
    explicit SourceHeaderParser(const SourceLineReader& reader) : m_reader(reader) {}

    // Takes a blank line, a comment or a header line.  False for anything else
    // (a keyword it does not know, a bad value, a repeated keyword, a line that
    // is none of these) with the reason in error.
    bool Take(const SourceLine& line, SourceError* error);

    // Checks that the header is complete; line is where the body starts (or
    // the last line), named in the error when @id is missing.
    bool Finish(int line, SourceError* error) const;

    const SourceHeader& header() const { return m_header; }
    SourceHeader& header() { return m_header; }

private:
    const SourceLineReader& m_reader;
    SourceHeader m_header;
    unsigned m_seen = 0;  // one bit per keyword
};

// Parses the strict text form of an identifier (36 characters, hex digits in
// either case) and writes it upper-case into out; false when malformed.
bool NormaliseGuidText(std::string_view text, std::string* out);

// Parses a decimal or 0x-hexadecimal 32-bit unsigned number.
bool ParseFlags(std::string_view text, std::uint32_t* out);

}  // namespace corvela_sources
