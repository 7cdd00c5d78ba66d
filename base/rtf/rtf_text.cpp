#include "base/rtf/rtf_text.h"

#include "base/rtf/rtf_format.h"
#include "base/text/blank_lines.h"
#include "base/text/code_page.h"

namespace rtf {
namespace {

// What a text document's plain text makes of the characters it holds: line
// separators become line feeds, non-breaking spaces spaces.
std::u16string AsDocumentPlainText(std::u16string text) {
    for (char16_t& c : text) {
        if (c == u'\u2028') c = u'\n';
        if (c == u'\u00A0') c = u' ';
    }
    return text;
}

// Paragraph marks become line feeds between paragraphs, as a text document's
// plain text has them: a closing \par adds nothing behind the last one.
class PlainTextCollector : public Sink {
public:
    void Text(std::u16string_view text, const CharFormat&) override {
        if (m_breakPending) m_text.push_back(u'\n');
        m_breakPending = false;
        m_text.append(text);
    }
    void Paragraph(const CharFormat&, const ParagraphFormat&) override {
        if (m_breakPending) m_text.push_back(u'\n');
        m_breakPending = true;
    }
    void Finish(const ParagraphFormat&) override {}

    std::u16string Take() { return AsDocumentPlainText(std::move(m_text)); }

private:
    std::u16string m_text;
    bool m_breakPending = false;
};

// The code page 1251 form of one character of a derived plain text; -1 for
// none at all.
int PlainCp1251(char16_t c) {
    switch (c) {
        case u'\u00AD':  // optional hyphen
            return -1;
        case u'\u2011':  // non-breaking hyphen
            return '-';
        case u'\u2002':  // en space
        case u'\u2003':  // em space
            return ' ';
        default:
            break;
    }
    const int byte = base::UnicodeToCp1251(c);
    return byte >= 0 ? byte : '?';
}

}  // namespace

bool LooksLikeRtf(std::string_view source) {
    const auto start = source.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && source.substr(start, 5) == "{\\rtf";
}

std::string EscapeText(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\n') {
            out.append("\\line ");
        } else if (c == '\r') {
            continue;
        } else if (byte >= 0x80) {
            out.append("\\'");
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 15]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::u16string PlainSourceText(std::string_view source) {
    std::u16string text;
    text.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const auto byte = static_cast<unsigned char>(source[i]);
        if (byte == '\r') {
            text.push_back(u'\n');
            if (i + 1 < source.size() && source[i + 1] == '\n') ++i;
        } else if ((byte >= 0x20 && byte != 0x7F) || byte == '\t' || byte == '\n') {
            text.push_back(base::Cp1251ToUnicode(byte));
        }
    }
    return text;
}

std::u16string PlainText(std::string_view source) {
    if (!LooksLikeRtf(source)) return AsDocumentPlainText(PlainSourceText(source));
    PlainTextCollector collector;
    Parse(source, collector);
    return collector.Take();
}

std::string Cp1251PlainText(std::string_view rtf) {
    PlainTextCollector collector;
    Parse(rtf, collector, Reading{Extent::WholeSource, true});
    std::string out;
    for (char16_t c : collector.Take()) {
        const int byte = PlainCp1251(c);
        if (byte >= 0) out.push_back(static_cast<char>(byte));
    }
    return base::TrimBlankLines(out);
}

}  // namespace rtf
