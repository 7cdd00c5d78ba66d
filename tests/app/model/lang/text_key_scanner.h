// Reads C++ sources for the keys of the language files the program asks for:
// the literal first argument of Localize, Localized and LocalizeString, and
// every TextKey("...") (model/lang/localize.h).  Comments are skipped;
// adjacent literals are joined; \xHH, octal and the usual escapes decoded, so
// a key is the code page 1251 bytes the program passes.
//
//   Localize("Search", 1), Localized("Search")     key "Search"
//   Localize("{Add to:} %s (%d {rubrics})", 0)     keys "Add to:", "rubrics"
//   TextKey("Open...")                             key "Open..."
//   TextKey("{Weight:} %d")                        key "Weight:"
#pragma once

#include <string>
#include <vector>

namespace lang_test {

// Where a key was found.
struct CTextKey {
    std::string key;       // code page 1251 bytes
    std::string location;  // "file:line"
};

// A literal that cannot be a key: raw bytes above ASCII (a UTF-8 source
// literal; keys in code page 1251 letters are written as \xHH escapes) or a
// whole argument that is not a literal 0 or 1.
struct CKeyProblem {
    std::string location;
    std::string what;
};

// The parts in braces of `text` (as LocalizeString translates them with
// whole 0): "\{" and "\}" are no braces; a '{' without its '}' names nothing.
std::vector<std::string> BracedParts(const std::string& text);

// The keys of one source text (`name` labels the locations).
void ScanSource(const std::string& source, const std::string& name, std::vector<CTextKey>* keys,
                std::vector<CKeyProblem>* problems);

// ScanSource over every .cpp and .h file below `folder`, in sorted order.
void ScanFolder(const std::string& folder, std::vector<CTextKey>* keys,
                std::vector<CKeyProblem>* problems);

}  // namespace lang_test
