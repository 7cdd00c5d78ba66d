// The RTF reader's state machine: a stack of group states over the token
// stream, the font and colour tables, and the runs of text handed to a Sink.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/rtf/rtf_format.h"
#include "base/rtf/rtf_tokenizer.h"
#include "base/rtf/rtf_words.h"
#include "base/text/code_page.h"

namespace rtf {
namespace {

// Groups nested deeper than this share the state of the deepest kept one;
// the braces are still counted, so the structure stays right.
constexpr std::size_t kMaxDepth = 256;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;  // 1638 points

enum class Destination { Text, FontTable, ColourTable, Skip };

// White space as Qt's QChar::isSpace sees it (font names are trimmed of it).
bool IsSpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::u16string TrimmedSpaces(std::u16string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return std::u16string(text.substr(begin, end - begin));
}

struct GroupState {
    Destination destination = Destination::Text;
    int font = -1;  // -1: the \deff font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;
    int unicodeSkip = 1;
    ParagraphFormat paragraph;
};

struct FontEntry {
    std::u16string name;
    FontFamily hint = FontFamily::Any;
    int codePage = 0;  // 0: the document's code page
};

class Parser {
public:
    Parser(std::string_view source, Sink& sink, const Reading& reading)
        : m_tokens(source), m_sink(sink), m_reading(reading) {}
    void Run();

private:
    GroupState& State() { return m_stack.back(); }
    void OpenGroup();
    bool CloseGroup();  // false once the outermost group is closed
    void HandleWord(const Token& token);
    void HandleSymbol(char symbol);
    void HandleFontTableWord(Word word, const Token& token);
    void HandleColourTableWord(Word word, const Token& token);
    void HandleTableText(unsigned char byte);
    void FinishFontEntry();
    void AppendByte(unsigned char byte);
    void AppendChar(char16_t ch);
    void FlushText();
    void EndParagraph();
    void FormatChanged() { m_formatDirty = true; }
    CharFormat Resolve() const;
    int CodePageOfCurrentFont() const;

    Tokenizer m_tokens;
    Sink& m_sink;
    Reading m_reading;
    std::vector<GroupState> m_stack;
    std::size_t m_hiddenDepth = 0;  // groups beyond kMaxDepth
    int m_codePage = base::kCodePage1251;
    int m_defaultFont = 0;
    int m_skipPending = 0;  // characters still to skip after \uN

    std::map<int, FontEntry> m_fonts;
    int m_fontEntry = -1;  // the font table entry being read
    std::string m_fontName;
    FontEntry m_fontDraft;

    std::vector<std::optional<Colour>> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;

    ParagraphFormat m_finalParagraph;  // in effect when the outermost group closed

    std::u16string m_pending;
    CharFormat m_pendingFormat;
    bool m_formatDirty = true;
};

void Parser::Run() {
    m_stack.push_back(GroupState{});  // the state outside every group
    bool started = false;
    for (Token token = m_tokens.Next(); token.kind != Token::Kind::End; token = m_tokens.Next()) {
        if (token.kind == Token::Kind::GroupOpen) {
            m_skipPending = 0;
            OpenGroup();
            started = true;
            continue;
        }
        if (token.kind == Token::Kind::GroupClose) {
            m_skipPending = 0;
            if (!CloseGroup() && started && m_reading.extent == Extent::OuterGroup) break;
            continue;
        }
        if (m_skipPending > 0) {  // the fallback characters of \uN
            --m_skipPending;
            if (token.kind == Token::Kind::Word && LookUpWord(token.word) == Word::Binary) {
                m_tokens.SkipBytes(token.hasParameter && token.parameter > 0 ? token.parameter : 0);
            }
            continue;
        }
        switch (token.kind) {
            case Token::Kind::Word:
                HandleWord(token);
                break;
            case Token::Kind::Symbol:
                HandleSymbol(token.symbol);
                break;
            case Token::Kind::HexByte:
            case Token::Kind::Text:
                if (State().destination == Destination::Text) {
                    if (token.kind == Token::Kind::Text && token.byte == '\t') {
                        AppendChar(u'\t');
                    } else {
                        AppendByte(token.byte);
                    }
                } else {
                    HandleTableText(token.byte);
                }
                break;
            default:
                break;
        }
    }
    FlushText();
    m_sink.Finish(m_stack.size() > 1 ? State().paragraph : m_finalParagraph);
}

void Parser::OpenGroup() {
    if (m_stack.size() >= kMaxDepth) {
        ++m_hiddenDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

bool Parser::CloseGroup() {
    if (m_hiddenDepth > 0) {
        --m_hiddenDepth;
        return true;
    }
    if (m_stack.size() <= 1) return false;  // a stray closing brace outside everything
    const Destination closing = State().destination;
    if (closing == Destination::FontTable) FinishFontEntry();
    if (closing == Destination::ColourTable && m_colourGiven) HandleTableText(';');  // no final ';'
    m_finalParagraph = State().paragraph;
    m_stack.pop_back();
    FormatChanged();
    return m_stack.size() > 1;
}

void Parser::HandleSymbol(char symbol) {
    if (State().destination == Destination::Skip) return;
    switch (symbol) {
        case '*':
            State().destination = Destination::Skip;
            return;
        case '\\':
        case '{':
        case '}':
            if (State().destination == Destination::Text) {
                AppendChar(static_cast<char16_t>(symbol));
            } else {
                HandleTableText(static_cast<unsigned char>(symbol));
            }
            return;
        default:
            break;
    }
    if (State().destination != Destination::Text) return;
    switch (symbol) {
        case '~':
            AppendChar(u'\u00A0');
            break;
        case '_':
            AppendChar(u'\u2011');
            break;
        case '-':
            AppendChar(u'\u00AD');
            break;
        case '\n':
            EndParagraph();
            break;
        default:
            break;  // \: \| and unknown symbols
    }
}

void Parser::HandleWord(const Token& token) {
    const Word word = LookUpWord(token.word);
    GroupState& state = State();
    if (word == Word::Binary) {
        m_tokens.SkipBytes(token.hasParameter && token.parameter > 0 ? token.parameter : 0);
        return;
    }
    if (state.destination == Destination::Skip) return;
    const int param = token.parameter;
    const bool on = !token.hasParameter || param != 0;
    switch (word) {
        case Word::AnsiCodePage:
            m_codePage = param == base::kCodePage1252 ? base::kCodePage1252 : base::kCodePage1251;
            FormatChanged();
            return;
        case Word::DefaultFont:
            m_defaultFont = param;
            FormatChanged();
            return;
        case Word::FontTable:
            state.destination = Destination::FontTable;
            m_fontEntry = -1;
            return;
        case Word::ColourTable:
            state.destination = Destination::ColourTable;
            return;
        case Word::SkippedDestination:
            state.destination = Destination::Skip;
            return;
        case Word::UnicodeSkip:
            state.unicodeSkip = std::clamp(param, 0, 1000000);
            return;
        default:
            break;
    }
    if (state.destination == Destination::FontTable) return HandleFontTableWord(word, token);
    if (state.destination == Destination::ColourTable) return HandleColourTableWord(word, token);

    switch (word) {
        case Word::Plain: {
            const GroupState kept = state;
            state = GroupState{};
            state.destination = kept.destination;
            state.unicodeSkip = kept.unicodeSkip;
            state.paragraph = kept.paragraph;
            break;
        }
        case Word::Font:
            state.font = param;
            break;
        case Word::FontSize:
            state.halfPoints = !token.hasParameter || param <= 0 ? kDefaultHalfPoints
                                                                 : std::min(param, kMaxHalfPoints);
            break;
        case Word::Bold:
            state.bold = on;
            break;
        case Word::Italic:
            state.italic = on;
            break;
        case Word::Underline:
            state.underline = on;
            break;
        case Word::UnderlineNone:
            state.underline = false;
            break;
        case Word::Strike:
            state.strike = on;
            break;
        case Word::Colour:
            state.colour = param;
            break;
        case Word::ParagraphDefault:
            state.paragraph = ParagraphFormat{};
            return;
        case Word::AlignLeft:
            state.paragraph.alignment = Alignment::Left;
            return;
        case Word::AlignCentre:
            state.paragraph.alignment = Alignment::Centre;
            return;
        case Word::AlignRight:
            state.paragraph.alignment = Alignment::Right;
            return;
        case Word::AlignJustify:
            state.paragraph.alignment = Alignment::Justify;
            return;
        case Word::Paragraph:
            EndParagraph();
            return;
        case Word::Line:
            AppendChar(u'\u2028');
            return;
        case Word::Tab:
            AppendChar(u'\t');
            return;
        case Word::Unicode: {
            if (!token.hasParameter) return;
            // Negative values are the signed 16-bit form of code units above 32767.
            int code = param < 0 ? param + 65536 : param;
            if (code < 0 || code > 0xFFFF) code = 0xFFFD;
            if (code != 0) AppendChar(static_cast<char16_t>(code));
            m_skipPending = state.unicodeSkip;
            return;
        }
        case Word::EmDash:
            AppendChar(u'\u2014');
            return;
        case Word::EnDash:
            AppendChar(u'\u2013');
            return;
        case Word::Bullet:
            AppendChar(u'\u2022');
            return;
        case Word::LeftQuote:
            AppendChar(u'\u2018');
            return;
        case Word::RightQuote:
            AppendChar(u'\u2019');
            return;
        case Word::LeftDoubleQuote:
            AppendChar(u'\u201C');
            return;
        case Word::RightDoubleQuote:
            AppendChar(u'\u201D');
            return;
        case Word::EmSpace:
            AppendChar(u'\u2003');
            return;
        case Word::EnSpace:
            AppendChar(u'\u2002');
            return;
        default:
            return;
    }
    FormatChanged();
}

void Parser::HandleFontTableWord(Word word, const Token& token) {
    switch (word) {
        case Word::Font:
            FinishFontEntry();
            m_fontEntry = token.parameter;
            m_fontDraft = FontEntry{};
            m_fontName.clear();
            break;
        case Word::FontFamilyRoman:
            m_fontDraft.hint = FontFamily::Serif;
            break;
        case Word::FontFamilySwiss:
            m_fontDraft.hint = FontFamily::SansSerif;
            break;
        case Word::FontFamilyModern:
            m_fontDraft.hint = FontFamily::TypeWriter;
            break;
        case Word::FontFamilyScript:
            m_fontDraft.hint = FontFamily::Cursive;
            break;
        case Word::FontFamilyDecor:
            m_fontDraft.hint = FontFamily::Decorative;
            break;
        case Word::FontCharset:
            // ANSI and Cyrillic fonts carry their own code page; others follow \ansicpg.
            m_fontDraft.codePage = token.parameter == 0     ? base::kCodePage1252
                                   : token.parameter == 204 ? base::kCodePage1251
                                                            : 0;
            break;
        default:
            break;
    }
}

void Parser::HandleColourTableWord(Word word, const Token& token) {
    const int value = std::clamp(token.parameter, 0, 255);
    switch (word) {
        case Word::Red:
            m_red = value;
            m_colourGiven = true;
            break;
        case Word::Green:
            m_green = value;
            m_colourGiven = true;
            break;
        case Word::Blue:
            m_blue = value;
            m_colourGiven = true;
            break;
        default:
            break;
    }
}

void Parser::HandleTableText(unsigned char byte) {
    if (State().destination == Destination::ColourTable) {
        if (byte != ';') return;
        m_colours.push_back(m_colourGiven
                                ? std::optional<Colour>(Colour{static_cast<std::uint8_t>(m_red),
                                                               static_cast<std::uint8_t>(m_green),
                                                               static_cast<std::uint8_t>(m_blue)})
                                : std::nullopt);
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        return;
    }
    if (State().destination != Destination::FontTable || m_fontEntry < 0) return;
    if (byte == ';') {
        FinishFontEntry();
        return;
    }
    if (m_fontName.size() < 256) m_fontName.push_back(static_cast<char>(byte));
}

void Parser::FinishFontEntry() {
    if (m_fontEntry < 0) return;
    const int codePage = m_fontDraft.codePage ? m_fontDraft.codePage : m_codePage;
    std::u16string name;
    for (char c : m_fontName)
        name.push_back(base::DecodeByte(static_cast<unsigned char>(c), codePage));
    m_fontDraft.name = TrimmedSpaces(name);
    if (!m_fonts.count(m_fontEntry)) m_fonts[m_fontEntry] = m_fontDraft;
    m_fontEntry = -1;
    m_fontName.clear();
    FormatChanged();
}

int Parser::CodePageOfCurrentFont() const {
    if (m_reading.bytesInCp1251) return base::kCodePage1251;
    const int font = m_stack.back().font >= 0 ? m_stack.back().font : m_defaultFont;
    const auto it = m_fonts.find(font);
    return it != m_fonts.end() && it->second.codePage ? it->second.codePage : m_codePage;
}

void Parser::AppendByte(unsigned char byte) {
    AppendChar(byte < 0x80 ? char16_t(byte) : base::DecodeByte(byte, CodePageOfCurrentFont()));
}

void Parser::AppendChar(char16_t ch) {
    if (State().destination != Destination::Text) return;
    // Control characters (stray bytes, \'hh or \uN), object placeholders and
    // the non-characters QTextDocument marks frames with are not text: the
    // writer could not keep them, and a saved document must read back the
    // same.  A paragraph separator is a line break, as the writer writes it.
    if ((ch < 0x20 && ch != u'\t') || ch == 0x7F || ch == 0xFFFC || ch == 0xFFFE || ch == 0xFFFF ||
        (ch >= 0xFDD0 && ch <= 0xFDEF))
        return;
    if (ch == 0x2029) ch = 0x2028;
    if (m_formatDirty) {
        const CharFormat format = Resolve();
        if (!(format == m_pendingFormat)) {
            FlushText();
            m_pendingFormat = format;
        }
        m_formatDirty = false;
    }
    m_pending.push_back(ch);
}

void Parser::FlushText() {
    if (m_pending.empty()) return;
    m_sink.Text(m_pending, m_pendingFormat);
    m_pending.clear();
}

void Parser::EndParagraph() {
    FlushText();
    m_sink.Paragraph(Resolve(), State().paragraph);
}

CharFormat Parser::Resolve() const {
    const GroupState& state = m_stack.back();
    CharFormat format;
    const auto font = m_fonts.find(state.font >= 0 ? state.font : m_defaultFont);
    if (font != m_fonts.end()) {
        format.family = font->second.name;
        format.hint = font->second.hint;
    }
    format.halfPoints = state.halfPoints;
    format.bold = state.bold;
    format.italic = state.italic;
    format.underline = state.underline;
    format.strike = state.strike;
    if (state.colour > 0 && static_cast<std::size_t>(state.colour) < m_colours.size()) {
        format.colour = m_colours[static_cast<std::size_t>(state.colour)];
    }
    return format;
}

}  // namespace

void Parse(std::string_view source, Sink& sink, const Reading& reading) {
    Parser parser(source, sink, reading);
    parser.Run();
}

}  // namespace rtf
