// The RTF helpers that need no QTextDocument: detection, plain text, escaping.
#include "plumbing/rtf/rtf.h"
#include "plumbing/rtf/rtf_format.h"
#include "plumbing/text/code_page.h"

namespace rtf {
namespace {

// Paragraph marks become line feeds between blocks, as QTextDocument::toPlainText
// would give them: a closing \par adds nothing behind the last block.
class PlainTextCollector : public Sink {
public:
    void Text(const QString& text, const CharFormat&) override {
        if (m_breakPending) m_text.append(QLatin1Char('\n'));
        m_breakPending = false;
        m_text.append(text);
    }
    void Paragraph(const CharFormat&, const ParagraphFormat&) override {
        if (m_breakPending) m_text.append(QLatin1Char('\n'));
        m_breakPending = true;
    }
    void Finish(const ParagraphFormat&) override {}

    QString Take() { return std::move(m_text); }

private:
    QString m_text;
    bool m_breakPending = false;
};

// What QTextDocument::toPlainText makes of a text it holds: line separators
// become line feeds, non-breaking spaces spaces.
QString AsDocumentPlainText(QString text) {
    text.replace(QChar(0x2028), QLatin1Char('\n'));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}

}  // namespace

bool LooksLikeRtf(std::string_view source) {
    const auto start = source.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && source.substr(start, 5) == "{\\rtf";
}

QString PlainSourceText(std::string_view source) {
    QString text = plumbing::DecodeCodePage(source);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.removeIf([](QChar c) {
        const char16_t ch = c.unicode();
        return (ch < 0x20 && ch != u'\t' && ch != u'\n') || ch == 0x7F || ch == 0xFFFC;
    });
    return text;
}

QString ToPlainText(std::string_view source) {
    if (!LooksLikeRtf(source)) return AsDocumentPlainText(PlainSourceText(source));
    PlainTextCollector collector;
    Parse(source, collector);
    return AsDocumentPlainText(collector.Take());
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

}  // namespace rtf
