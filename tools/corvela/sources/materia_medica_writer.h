// Writes a loaded materia medica (also a user materia medica or a user
// article collection) back as materia medica source text: the header, then
// each article in article order as "@article NAME | TITLE", its plain text
// and, when it has one, "@rtf" and its rich text.
#pragma once

#include <string>

class Corvela;
class DataSource;

namespace corvela_sources {

// Appends the UTF-8 source of source (type 2 or 3) to out.  The source either
// compiles back (with the same catalogue) to identical .mmb and .idx files or
// is not written at all: false, out untouched, with the reason in error
// (UTF-8, naming the article by its number) when the source has no articles,
// a text cannot stand in source lines (blank lines at its start or end, a
// line ending in a carriage return), an empty plain text would be taken from
// the rich text, or a remedy has no name that leads back to it.  Body lines
// starting with '@' are written with one '@' more.
bool WriteMateriaMedicaSource(DataSource& source, Corvela& engine, std::string* out,
                              std::string* error);

}  // namespace corvela_sources
