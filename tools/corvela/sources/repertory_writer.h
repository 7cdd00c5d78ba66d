// Writes a loaded repertory back as repertory source text: header, then the
// rubrics root first in pre-order, each remedy as NAME:GRADE in entry order.
#pragma once

#include <string>

class Corvela;
class Repertory;

namespace corvela_sources {

// Appends the UTF-8 source of repertory to out.  The source either compiles
// back (with the same catalogue) to identical .rpb and .idx files or is not
// written at all: false, out untouched, with the reason in error (UTF-8,
// naming the rubric by its pre-order number) when a text cannot stand in a
// source line (TAB, line break, trailing space, an empty rubric text without
// remedies, a root text starting with '@' or '#') or a remedy has no name
// that leads back to it.
bool WriteRepertorySource(Repertory& repertory, Corvela& engine, std::string* out,
                          std::string* error);

}  // namespace corvela_sources
