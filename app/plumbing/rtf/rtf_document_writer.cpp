// rtf::Save: a QTextDocument written as RTF in code page 1251.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include <vector>

#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"

namespace rtf {
namespace {

constexpr const char* kHex = "0123456789abcdef";

struct RunFormat {
    int font = 0;
    int halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;  // index into the colour table, 0 = automatic
};

const char* FamilyKeyword(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::Serif:
            return "\\froman";
        case QFont::SansSerif:
            return "\\fswiss";
        case QFont::TypeWriter:
        case QFont::Monospace:
            return "\\fmodern";
        case QFont::Cursive:
            return "\\fscript";
        case QFont::Decorative:
            return "\\fdecor";
        default:
            return "\\fnil";
    }
}

class Writer {
public:
    explicit Writer(const QTextDocument& document) : m_document(document) {}
    std::string Run();

private:
    struct Font {
        QString family;
        QFont::StyleHint hint;
    };
    RunFormat Classify(const QTextCharFormat& format);
    int FontIndex(const QString& family, QFont::StyleHint hint);
    int ColourIndex(const QColor& colour);
    void EmitFormat(const RunFormat& format);
    void EmitWord(const char* word, int parameter);
    void EmitWord(const char* word);
    void EmitText(const QString& text);
    void EmitChar(char16_t ch);
    std::string Header() const;

    const QTextDocument& m_document;
    std::vector<Font> m_fonts;
    std::vector<QColor> m_colours;
    std::string m_body;
    RunFormat m_emitted;
    bool m_formatKnown = false;
    bool m_needDelimiter = false;
};

RunFormat Writer::Classify(const QTextCharFormat& format) {
    const QFont font = format.font().resolve(m_document.defaultFont());
    QString family = format.fontFamilies().toStringList().value(0);
    if (family.isEmpty()) family = font.families().value(0, font.family());
    if (family.isEmpty()) family = QStringLiteral("Arial");

    RunFormat run;
    run.font =
        FontIndex(family, format.hasProperty(QTextFormat::FontStyleHint) ? format.fontStyleHint()
                                                                         : font.styleHint());
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 0.75;
    if (points <= 0) points = 10;
    run.halfPoints = std::clamp(static_cast<int>(std::lround(points * 2)), 2, 3276);
    run.bold = font.weight() >= QFont::DemiBold;
    run.italic = font.italic();
    run.underline = font.underline();
    run.strike = font.strikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush) {
        run.colour = ColourIndex(format.foreground().color());
    }
    return run;
}

int Writer::FontIndex(const QString& family, QFont::StyleHint hint) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].family == family) return static_cast<int>(i);
    }
    m_fonts.push_back({family, hint});
    return static_cast<int>(m_fonts.size() - 1);
}

int Writer::ColourIndex(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        if (m_colours[i].rgb() == rgb) return static_cast<int>(i + 1);
    }
    m_colours.push_back(colour);
    return static_cast<int>(m_colours.size());
}

void Writer::EmitWord(const char* word) {
    m_body.append(word);
    m_needDelimiter = true;
}

void Writer::EmitWord(const char* word, int parameter) {
    m_body.append(word);
    m_body.append(std::to_string(parameter));
    m_needDelimiter = true;
}

void Writer::EmitFormat(const RunFormat& f) {
    RunFormat& e = m_emitted;
    if (!m_formatKnown || f.font != e.font) EmitWord("\\f", f.font);
    if (!m_formatKnown || f.halfPoints != e.halfPoints) EmitWord("\\fs", f.halfPoints);
    if (f.bold != e.bold) EmitWord(f.bold ? "\\b" : "\\b0");
    if (f.italic != e.italic) EmitWord(f.italic ? "\\i" : "\\i0");
    if (f.underline != e.underline) EmitWord(f.underline ? "\\ul" : "\\ulnone");
    if (f.strike != e.strike) EmitWord(f.strike ? "\\strike" : "\\strike0");
    if (f.colour != e.colour) EmitWord("\\cf", f.colour);
    e = f;
    m_formatKnown = true;
}

void Writer::EmitChar(char16_t ch) {
    if (ch == u'\\' || ch == u'{' || ch == u'}') {
        m_body.push_back('\\');
        m_body.push_back(static_cast<char>(ch));
        m_needDelimiter = false;
        return;
    }
    if (ch == u'\t') return EmitWord("\\tab");
    if (ch == 0x2028 || ch == 0x2029) return EmitWord("\\line");
    if (ch == 0x00A0) {
        m_body.append("\\~");
        m_needDelimiter = false;
        return;
    }
    if (ch < 0x20 || ch == 0xFFFC || ch == 0x7F) return;  // controls and object placeholders
    if (ch < 0x80) {
        if (m_needDelimiter) m_body.push_back(' ');
        m_body.push_back(static_cast<char>(ch));
        m_needDelimiter = false;
        return;
    }
    const int byte = base::UnicodeToCp1251(ch);
    if (byte >= 0) {
        m_body.append("\\'");
        m_body.push_back(kHex[byte >> 4]);
        m_body.push_back(kHex[byte & 15]);
        m_needDelimiter = false;
        return;
    }
    // Outside code page 1251: the signed 16-bit code unit and a '?' for readers without \u.
    m_body.append("\\u");
    m_body.append(std::to_string(ch > 0x7FFF ? int(ch) - 65536 : int(ch)));
    m_body.push_back('?');
    m_needDelimiter = false;
}

void Writer::EmitText(const QString& text) {
    for (QChar ch : text) EmitChar(ch.unicode());
}

std::string Writer::Header() const {
    std::string header = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        header += "{\\f" + std::to_string(i) + FamilyKeyword(m_fonts[i].hint) + ' ';
        QString name = m_fonts[i].family;
        name.remove(QLatin1Char(';'));
        header += EscapeText(plumbing::EncodeCp1251(name)) + ";}";
    }
    header += "}\n";
    if (!m_colours.empty()) {
        header += "{\\colortbl ;";
        for (const QColor& c : m_colours) {
            header += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) +
                      "\\blue" + std::to_string(c.blue()) + ';';
        }
        header += "}\n";
    }
    return header + "\\viewkind4\\uc1\\pard";
}

std::string Writer::Run() {
    m_needDelimiter = true;  // the body follows \pard
    Qt::Alignment alignment = Qt::AlignLeft;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment wanted = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (wanted != alignment) {
            alignment = wanted;
            EmitWord(wanted & Qt::AlignHCenter   ? "\\qc"
                     : wanted & Qt::AlignRight   ? "\\qr"
                     : wanted & Qt::AlignJustify ? "\\qj"
                                                 : "\\ql");
        }
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0) continue;
            EmitFormat(Classify(fragment.charFormat()));
            EmitText(fragment.text());
            empty = false;
        }
        if (empty) EmitFormat(Classify(block.charFormat()));
        m_body.append("\\par\n");
        m_needDelimiter = false;
    }
    if (m_fonts.empty()) m_fonts.push_back({QStringLiteral("Arial"), QFont::SansSerif});
    return Header() + m_body + "}";
}

}  // namespace

std::string Save(const QTextDocument& document) {
    Writer writer(document);
    return writer.Run();
}

}  // namespace rtf
