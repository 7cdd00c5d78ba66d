// How remedy names of the sources meet the engine's catalogue.
#pragma once

#include <string>

class Corvela;

namespace corvela_sources {

// The form of a source's remedy name to hand to a builder.  The catalogue
// drops one trailing full stop from the names it reads, so "acon." in a
// source means "acon": a name with a trailing stop that the catalogue does not
// know as it stands is passed without the stop.  Any other name is passed as
// written (an unknown one is then reported by the builder under that name).
const char* SourceRemedyName(Corvela& engine, const std::string& name, std::string* scratch);

// A name for remedy number that a source can hold and that leads back to the
// same remedy: the short name, else the long name, when it is not empty, holds
// no space, TAB or ':' and the catalogue's lookup by it gives this remedy.
// False with the reason when the remedy is not in the catalogue or has no
// such name.
bool WritableRemedyName(Corvela& engine, int number, std::string* name, std::string* reason);

// The same for the NAME of a materia medica's "@article NAME | TITLE" line:
// spaces inside are allowed there, but not '|', a line break, or spaces and
// TABs at either end.
bool WritableArticleRemedyName(Corvela& engine, int number, std::string* name, std::string* reason);

}  // namespace corvela_sources
