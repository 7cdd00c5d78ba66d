// A language file (.lng): read, then phrases translated through it the way
// the program asks for them (whole phrases, braced segments, escaped braces),
// the first dictionary entries' own phrases included.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "model/lang/language.h"
#include "model/lang/language_data.h"

namespace {

constexpr std::size_t kEntriesAsked = 8;

const char* const kPhrases[] = {
    "File", "{Add to:} %s (%d {rubrics})", "\\{literal\\} {word}", "abc {def", "{}", "\\"};

void Translate(CLanguage& language, const char* text, int whole) {
    const char* first = language.LocalizeString(text, whole);
    fuzz::Require(first != nullptr, "a translation");
    fuzz::Keep(std::strlen(first));
    fuzz::Require(language.LocalizeString(text, whole) == first, "the same text, the same copy");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    CLanguage language;
    if (!language.LoadText(fuzz::AsText(bytes, size))) return 0;
    for (const char* phrase : kPhrases) {
        Translate(language, phrase, 1);
        Translate(language, phrase, 0);
    }
    // Copied: looking phrases up appends to the dictionary.
    std::vector<std::string> originals;
    for (const auto& item : language.GetData().GetDictionary()) {
        if (originals.size() == kEntriesAsked) break;
        originals.push_back(item.GetOriginal());
    }
    for (const std::string& original : originals) Translate(language, original.c_str(), 1);
    return 0;
}
