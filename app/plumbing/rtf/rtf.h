// Rich text as the records store it (a std::string of code page 1251 bytes in
// Rich Text Format) and as the editors show it (a QTextDocument).
//
// What is understood: groups; \rtf1 \ansi \ansicpg (1251 unless 1252 is given)
// \deff; the font table (\fN, \fswiss and the other families, \fcharset 0 and
// 204) and the colour table; \plain \f \fs \b \i \ul \ulnone \strike \cf (with 0
// switching off); \pard \par \line \tab \ql \qc \qr \qj; \'hh \uN \ucN \binN;
// the usual special characters.  Everything else is skipped, together with the
// destinations the editors cannot show ({\*\...}, stylesheet, info, pictures).
// Malformed input (unbalanced braces, truncated escapes, absurd parameters,
// deep nesting, stray bytes) loads as much as can be read and never fails;
// control characters other than TAB are dropped, however they are written.
//
// Paragraph structure: every \par ends one block.  Text after the last \par
// forms a last block; a \par at the very end adds no empty block behind it.
// Save writes every block followed by \par, so "line i is block i" survives
// any number of Load/Save round trips.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QTextDocument;

namespace rtf {

// True when `source`, after leading white space, starts with "{\rtf".
bool LooksLikeRtf(std::string_view source);

// Replaces the content of `document` with `source`.  Text that is not RTF
// (LooksLikeRtf false) is taken as plain code page 1251 text, one block per
// line (LF, CR LF or CR), control characters other than TAB dropped.
// Afterwards the document is unmodified and its undo history empty.
void Load(QTextDocument& document, std::string_view source);

// `document` as RTF in code page 1251: characters of the code page above
// ASCII as \'hh, every other character as \uN? (so no typed character is lost),
// fonts, sizes, colours, bold, italic, underline, strike-out and alignment kept.
std::string Save(const QTextDocument& document);

// The text of `source` without formatting: blocks joined by '\n', \line as
// '\n', \tab as '\t', non-breaking spaces as spaces (what
// QTextDocument::toPlainText gives after Load).  Non-RTF input comes back
// decoded as Load reads it.
QString ToPlainText(std::string_view source);

// `text` (code page 1251 bytes) made safe for pasting into an RTF template:
// backslash and braces escaped, bytes above ASCII as \'hh, a line feed as
// \line (so it never adds a paragraph), carriage returns dropped.
std::string EscapeText(std::string_view text);

}  // namespace rtf
