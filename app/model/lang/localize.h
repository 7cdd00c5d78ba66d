// How every caller translates a text: through the LocalizeString that the
// running program exports, so that code running without the program (tools,
// tests) keeps the English text.
#pragma once

// `text` translated by the program's exported LocalizeString (found by name
// among the executable's exports, looked up once).  When the program exports
// none, the English text with its brace markup removed ("{Add to:} %s" gives
// "Add to: %s"); `text` itself when the export answers null.  whole = 1 for
// plain phrases, 0 for texts whose translatable parts stand in braces.  The
// result stays valid until the program ends (or as long as `text` when it is
// returned).
const char* Localize(const char* text, int whole);

// True when the running program exports LocalizeString.
bool ProgramExportsLocalize();

// Marks an English interface text, a key of the language files, where it is
// written down but translated elsewhere: in a table of captions, a hint a
// drawn view hands to the hint window, a text the translation filter
// translates on a widget.  It answers `text` unchanged.  A text with parts in
// braces ("{Add to:} %s") names those parts, any other text itself.
//
// Every key the program asks for is written either as TextKey("...") or as
// the literal first argument of Localize("...", whole) or
// views::Localized("...", whole); the language test reads the sources for
// these and checks that russian.lng (every key) and english.lng (every key
// in code page 1251 letters) cover them.
constexpr const char* TextKey(const char* text) {
    return text;
}
