// The formatting the RTF reader resolves for each run of text and each
// paragraph, independent of where it goes (a QTextDocument or plain text).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace rtf {

struct CharFormat {
    QString family;                           // empty: no font table entry
    QFont::StyleHint hint = QFont::AnyStyle;  // from \fswiss, \froman, ...
    int halfPoints = 24;                      // \fs
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QColor colour;  // invalid: the automatic colour (\cf0)

    bool operator==(const CharFormat&) const = default;
};

struct ParagraphFormat {
    Qt::Alignment alignment = Qt::AlignLeft;

    bool operator==(const ParagraphFormat&) const = default;
};

// Where the reader delivers what it finds.
class Sink {
public:
    virtual ~Sink() = default;
    // A run of text in one format; never empty.  May hold '\t' and U+2028 (\line).
    virtual void Text(const QString& text, const CharFormat& format) = 0;
    // The end of the current paragraph; `format` is the character format at the
    // paragraph mark (what an empty paragraph is typed in).
    virtual void Paragraph(const CharFormat& format, const ParagraphFormat& paragraph) = 0;
    // The paragraph format in effect at the end of the source, for the last
    // paragraph when no \par closed it.
    virtual void Finish(const ParagraphFormat& paragraph) = 0;
};

// Reads `source` (which should start with "{\rtf") and feeds `sink`.
void Parse(std::string_view source, Sink& sink);

// A source that is not RTF as the text a document shows: decoded from code
// page 1251, CR LF and lone CR as LF, other control characters except TAB
// dropped (as the RTF reader drops them).
QString PlainSourceText(std::string_view source);

}  // namespace rtf
