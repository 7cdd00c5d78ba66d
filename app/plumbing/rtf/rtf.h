// Rich text as the records store it (a std::string of code page 1251 bytes in
// Rich Text Format) and as the editors show it (a QTextDocument).  The reader
// itself, what it understands and the helpers that need no document live in
// base/rtf (rtf_text.h); this is their Qt side.
//
// Paragraph structure: every \par ends one block.  Text after the last \par
// forms a last block; a \par at the very end adds no empty block behind it.
// Save writes every block followed by \par, so "line i is block i" survives
// any number of Load/Save round trips.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "base/rtf/rtf_text.h"

class QTextDocument;

namespace rtf {

// Replaces the content of `document` with `source`.  Text that is not RTF
// (LooksLikeRtf false) is taken as PlainSourceText gives it, one block per
// line.  Afterwards the document is unmodified and its undo history empty.
void Load(QTextDocument& document, std::string_view source);

// `document` as RTF in code page 1251: characters of the code page above
// ASCII as \'hh, every other character as \uN? (so no typed character is lost),
// fonts, sizes, colours, bold, italic, underline, strike-out and alignment kept.
std::string Save(const QTextDocument& document);

// rtf::PlainText as a QString: what QTextDocument::toPlainText gives after Load.
QString ToPlainText(std::string_view source);

}  // namespace rtf
