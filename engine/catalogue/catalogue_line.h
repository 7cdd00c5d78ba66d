// The field rules of the catalogue file "remedy_synonyms.txt": one remedy per
// line, TAB-separated; fields 1-5 the attributes, then the first name, the
// second name and any number of synonyms.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct CatalogueLine {
    std::array<int, 5> attributes;   // kNoAttribute where empty or unreadable
    std::vector<std::string> names;  // the non-empty name fields, trimmed, as read
};

// Parses one line as the file reader hands it over (at most 4,095 bytes, the
// line end included when it fits).  A field ends at TAB, CR or LF, and CR or
// LF also end the line; a field that no such character ends is ignored.  One
// full stop just before the terminator is dropped, then leading and trailing
// spaces; an empty field is skipped but keeps its position.
CatalogueLine ParseCatalogueLine(std::string_view line);

// Splits file content into the lines a 4,096-byte line reader in text mode
// would return: CR LF read as LF, each line up to and including its LF, and a
// line longer than 4,095 bytes cut into several.
std::vector<std::string> SplitCatalogueLines(std::string_view content);
