// The formatting the RTF reader resolves for each run of text and each
// paragraph, independent of where it goes (a QTextDocument or plain text).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rtf {

// The font families of the font table (\froman, \fswiss, ...).
enum class FontFamily { Any, Serif, SansSerif, TypeWriter, Cursive, Decorative };

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Colour&) const = default;
};

struct CharFormat {
    std::u16string family;              // empty: no font table entry
    FontFamily hint = FontFamily::Any;  // from \fswiss, \froman, ...
    int halfPoints = 24;                // \fs
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<Colour> colour;  // none: the automatic colour (\cf0)

    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Centre, Right, Justify };

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;

    bool operator==(const ParagraphFormat&) const = default;
};

// Where the reader delivers what it finds.
class Sink {
public:
    virtual ~Sink() = default;
    // A run of text in one format; never empty.  May hold '\t' and U+2028 (\line).
    virtual void Text(std::u16string_view text, const CharFormat& format) = 0;
    // The end of the current paragraph; `format` is the character format at the
    // paragraph mark (what an empty paragraph is typed in).
    virtual void Paragraph(const CharFormat& format, const ParagraphFormat& paragraph) = 0;
    // The paragraph format in effect at the end of the source, for the last
    // paragraph when no \par closed it.
    virtual void Finish(const ParagraphFormat& paragraph) = 0;
};

// How much of the source is read.
enum class Extent {
    OuterGroup,   // up to the brace that closes the outermost group
    WholeSource,  // to the end; text behind stray closing braces counts too
};

struct Reading {
    Extent extent = Extent::OuterGroup;
    // Every byte of text (\'hh or raw) in code page 1251, whatever \ansicpg
    // and \fcharset say; otherwise they choose between 1251 and 1252.
    bool bytesInCp1251 = false;
};

// Reads `source` (which should start with "{\rtf") and feeds `sink`.
void Parse(std::string_view source, Sink& sink, const Reading& reading = {});

}  // namespace rtf
