#include "plumbing/rtf/rtf_words.h"

#include <unordered_map>

namespace rtf {

Word LookUpWord(std::string_view word) {
    static const std::unordered_map<std::string_view, Word> kWords = {
        {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont},
        {"fonttbl", Word::FontTable}, {"colortbl", Word::ColourTable},

        {"stylesheet", Word::SkippedDestination}, {"info", Word::SkippedDestination},
        {"pict", Word::SkippedDestination}, {"object", Word::SkippedDestination},
        {"header", Word::SkippedDestination}, {"headerl", Word::SkippedDestination},
        {"headerr", Word::SkippedDestination}, {"headerf", Word::SkippedDestination},
        {"footer", Word::SkippedDestination}, {"footerl", Word::SkippedDestination},
        {"footerr", Word::SkippedDestination}, {"footerf", Word::SkippedDestination},
        {"footnote", Word::SkippedDestination}, {"annotation", Word::SkippedDestination},
        {"xe", Word::SkippedDestination}, {"tc", Word::SkippedDestination},
        {"txe", Word::SkippedDestination}, {"fldinst", Word::SkippedDestination},
        {"themedata", Word::SkippedDestination}, {"colorschememapping", Word::SkippedDestination},
        {"datastore", Word::SkippedDestination}, {"latentstyles", Word::SkippedDestination},
        {"listtable", Word::SkippedDestination}, {"listoverridetable", Word::SkippedDestination},
        {"rsidtbl", Word::SkippedDestination}, {"generator", Word::SkippedDestination},
        {"revtbl", Word::SkippedDestination}, {"filetbl", Word::SkippedDestination},
        {"private", Word::SkippedDestination}, {"userprops", Word::SkippedDestination},
        {"nonshppict", Word::SkippedDestination}, {"xmlnstbl", Word::SkippedDestination},

        {"fnil", Word::FontFamilyNil}, {"froman", Word::FontFamilyRoman},
        {"fswiss", Word::FontFamilySwiss}, {"fmodern", Word::FontFamilyModern},
        {"fscript", Word::FontFamilyScript}, {"fdecor", Word::FontFamilyDecor},
        {"ftech", Word::FontFamilyTech}, {"fbidi", Word::FontFamilyNil},
        {"fcharset", Word::FontCharset},

        {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},

        {"plain", Word::Plain}, {"f", Word::Font}, {"fs", Word::FontSize},
        {"b", Word::Bold}, {"i", Word::Italic},
        {"ul", Word::Underline}, {"uld", Word::Underline}, {"uldb", Word::Underline},
        {"ulw", Word::Underline}, {"ulth", Word::Underline}, {"uldash", Word::Underline},
        {"uldashd", Word::Underline}, {"uldashdd", Word::Underline},
        {"ulwave", Word::Underline}, {"ulhwave", Word::Underline},
        {"ululdbwave", Word::Underline}, {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike}, {"striked", Word::Strike}, {"cf", Word::Colour},

        {"pard", Word::ParagraphDefault}, {"par", Word::Paragraph}, {"sect", Word::Paragraph},
        {"page", Word::Paragraph}, {"row", Word::Paragraph}, {"line", Word::Line},
        {"tab", Word::Tab}, {"cell", Word::Tab},
        {"ql", Word::AlignLeft}, {"qc", Word::AlignCentre}, {"qr", Word::AlignRight},
        {"qj", Word::AlignJustify},

        {"uc", Word::UnicodeSkip}, {"u", Word::Unicode}, {"bin", Word::Binary},

        {"emdash", Word::EmDash}, {"endash", Word::EnDash}, {"bullet", Word::Bullet},
        {"lquote", Word::LeftQuote}, {"rquote", Word::RightQuote},
        {"ldblquote", Word::LeftDoubleQuote}, {"rdblquote", Word::RightDoubleQuote},
        {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace},
    };
    const auto it = kWords.find(word);
    return it == kWords.end() ? Word::Unknown : it->second;
}

}  // namespace rtf
