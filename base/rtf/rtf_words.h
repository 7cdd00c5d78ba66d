// The control words the RTF reader acts upon.
#pragma once

#include <string_view>

namespace rtf {

enum class Word {
    Unknown,
    // header
    AnsiCodePage,
    DefaultFont,
    FontTable,
    ColourTable,
    // destinations the editors do not show
    SkippedDestination,
    // font table entries
    FontFamilyNil,
    FontFamilyRoman,
    FontFamilySwiss,
    FontFamilyModern,
    FontFamilyScript,
    FontFamilyDecor,
    FontFamilyTech,
    FontCharset,
    // colour table entries
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Colour,
    // paragraphs and breaks
    ParagraphDefault,
    Paragraph,
    Line,
    Tab,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    // unicode and binary data
    UnicodeSkip,
    Unicode,
    Binary,
    // special characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
};

Word LookUpWord(std::string_view word);

}  // namespace rtf
