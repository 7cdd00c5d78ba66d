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
