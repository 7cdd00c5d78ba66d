// rtf::Load: the reader's runs and paragraphs turned into QTextDocument blocks.
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "base/rtf/rtf_format.h"
#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"

namespace rtf {
namespace {

QFont::StyleHint ToQt(FontFamily family) {
    switch (family) {
        case FontFamily::Serif:
            return QFont::Serif;
        case FontFamily::SansSerif:
            return QFont::SansSerif;
        case FontFamily::TypeWriter:
            return QFont::TypeWriter;
        case FontFamily::Cursive:
            return QFont::Cursive;
        case FontFamily::Decorative:
            return QFont::Decorative;
        case FontFamily::Any:
            break;
    }
    return QFont::AnyStyle;
}

Qt::Alignment ToQt(Alignment alignment) {
    switch (alignment) {
        case Alignment::Centre:
            return Qt::AlignHCenter;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Justify:
            return Qt::AlignJustify;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat ToQt(const CharFormat& format) {
    QTextCharFormat result;
    if (!format.family.empty())
        result.setFontFamilies(QStringList{plumbing::ToQString(format.family)});
    if (format.hint != FontFamily::Any) result.setFontStyleHint(ToQt(format.hint));
    result.setFontPointSize(format.halfPoints / 2.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setFontStrikeOut(format.strike);
    if (format.colour)
        result.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    return result;
}

QTextBlockFormat ToQt(const ParagraphFormat& paragraph) {
    QTextBlockFormat result;
    result.setAlignment(ToQt(paragraph.alignment));
    return result;
}

// The first block exists from the start; every further block is inserted
// only when text or another paragraph mark follows, so a closing \par adds no
// empty block.
class DocumentBuilder : public Sink {
public:
    explicit DocumentBuilder(QTextDocument& document) : m_cursor(&document) {}

    void Text(std::u16string_view text, const CharFormat& format) override {
        OpenBlock(format);
        if (!(format == m_lastFormat) || !m_haveLast) {
            m_lastQt = ToQt(format);
            m_lastFormat = format;
            m_haveLast = true;
        }
        m_cursor.insertText(plumbing::ToQString(text), m_lastQt);
        m_blockEmpty = false;
    }

    void Paragraph(const CharFormat& format, const ParagraphFormat& paragraph) override {
        OpenBlock(format);
        m_cursor.setBlockFormat(ToQt(paragraph));
        if (m_blockEmpty) m_cursor.setBlockCharFormat(ToQt(format));
        m_blockOpen = false;
    }

    void Finish(const ParagraphFormat& paragraph) override {
        if (m_blockOpen && !m_blockEmpty) m_cursor.setBlockFormat(ToQt(paragraph));
    }

private:
    void OpenBlock(const CharFormat& format) {
        if (m_blockOpen) return;
        if (m_started)
            m_cursor.insertBlock(QTextBlockFormat(), ToQt(format));
        else
            m_cursor.setBlockCharFormat(ToQt(format));
        m_started = true;
        m_blockOpen = true;
        m_blockEmpty = true;
    }

    QTextCursor m_cursor;
    bool m_started = false;
    bool m_blockOpen = false;
    bool m_blockEmpty = true;
    CharFormat m_lastFormat;
    QTextCharFormat m_lastQt;
    bool m_haveLast = false;
};

}  // namespace

void Load(QTextDocument& document, std::string_view source) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    if (LooksLikeRtf(source)) {
        DocumentBuilder builder(document);
        Parse(source, builder);
    } else {
        document.setPlainText(plumbing::ToQString(PlainSourceText(source)));
    }
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

}  // namespace rtf
