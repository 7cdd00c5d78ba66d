// The RTF helpers that need no text document: detection, escaping, and the
// plain text of a rich text.  Rich texts are std::string of code page 1251
// bytes in Rich Text Format, as the records and the data files store them.
//
// What the reader understands (the same for the editors' documents and for
// plain text): groups; \rtf1 \ansi \ansicpg (1251 unless 1252 is given)
// \deff; the font table (\fN, \fswiss and the other families, \fcharset 0 and
// 204) and the colour table; \plain \f \fs \b \i \ul \ulnone \strike \cf (with
// 0 switching off); \pard \par \line \tab \ql \qc \qr \qj; \'hh \uN \ucN \binN;
// the usual special characters.  Everything else is skipped, together with the
// destinations that are not text ({\*\...}, stylesheet, info, pictures).
// Malformed input (unbalanced braces, truncated escapes, absurd parameters,
// deep nesting, stray bytes) reads as much as can be read and never fails.
// Control characters other than TAB are not text and are dropped, however they
// are written (raw, \'hh or \uN), and so are object placeholders and the
// non-characters a text document marks its frames with; a paragraph separator
// reads as \line.  The editors' writer could not keep them, and a saved
// document must read back as it was shown.
#pragma once

#include <string>
#include <string_view>

namespace rtf {

// True when `source`, after leading white space, starts with "{\rtf".
bool LooksLikeRtf(std::string_view source);

// `text` (code page 1251 bytes) made safe for pasting into an RTF template:
// backslash and braces escaped, bytes above ASCII as \'hh, a line feed as
// \line (so it never adds a paragraph), carriage returns dropped.
std::string EscapeText(std::string_view text);

// The text of `source` as the editors show it: paragraphs joined by '\n',
// \line as '\n', \tab as '\t', non-breaking spaces as spaces; a closing \par
// adds nothing.  Reading stops at the end of the outermost group.  Text that
// is not RTF (LooksLikeRtf false) comes back as PlainSourceText gives it, with
// non-breaking spaces as spaces too.
std::u16string PlainText(std::string_view source);

// Text that is not RTF as an editor's document holds it: decoded from code
// page 1251, CR LF and lone CRs turned into LF, control characters other than
// TAB dropped (as the RTF reader drops them).
std::u16string PlainSourceText(std::string_view source);

// The plain text the materia medica compiler derives from an article that
// comes with RTF only, in code page 1251: `rtf` is read as RTF to its very
// end, its bytes as code page 1251 whatever the RTF says about code pages;
// paragraphs and \line become line breaks, non-breaking and other wide spaces
// plain spaces, the non-breaking hyphen a hyphen; optional hyphens are
// dropped, and a character without a code page 1251 form becomes '?'.  Blank
// lines at the start and the end are dropped.
std::string Cp1251PlainText(std::string_view rtf);

}  // namespace rtf
