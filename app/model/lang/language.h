// CLanguage: the program's one localisation object.  It holds the loaded
// language file (CLanguageData, language_data.h) and a pool of the texts
// LocalizeString has returned.  The program exports it as GetLanguagePtr and
// its LocalizeString as the export LocalizeString (core/program_exports.h);
// other code translates through Localize() (localize.h).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

class CLanguage {
public:
    class CLanguageData;

    // The program-wide object, created on first use and kept for the run.
    static CLanguage& Get();

    // A language object with the constructed data: code page -1 (each byte one
    // character), empty texts, an empty dictionary.
    CLanguage();
    ~CLanguage();
    CLanguage(const CLanguage&) = delete;
    CLanguage& operator=(const CLanguage&) = delete;

    // Loads the language named by key "Language" of section "General" of the
    // program's settings (meridane.ini, the user's over the program
    // directory's; default "english.lng") from the program directory.
    bool LoadProgramLanguage();
    // The same with an explicit ini file and directory.
    bool LoadFromIni(const std::string& iniPath, const std::string& directory);
    // Loads the language file at `path`.  True when it was read; otherwise the
    // data stays as it was (at start-up: the constructed values).
    bool LoadFile(const std::string& path);
    // The same over the text of a language file already read.
    bool LoadText(std::string_view text);

    // `text` translated, as a pooled copy valid until the object ends (the
    // same text always gives the same pointer).  `whole` non-zero: the whole
    // text is looked up first.  Then every segment in braces is replaced by
    // the lookup of its inner text ("{Add to:} %s (%d {rubrics})"); "\{" and
    // "\}" are kept as literal braces; a '{' without a matching '}' is dropped.
    // A null text is read as an empty one; a text that does not convert in
    // the language's code page comes back unchanged.
    const char* LocalizeString(const char* text, int whole);

    // The translation of one phrase: the first dictionary entry with the
    // phrase's CRC-32 key (and the same text); a phrase the dictionary lacks
    // is appended as a locked entry and answers with itself.  A locked entry
    // answers with its "Original", an unlocked one with its "Translated" (which
    // may be empty).  Throws Exception when the phrase does not convert.
    std::wstring Lookup(std::wstring_view phrase);

    const CLanguageData& GetData() const { return *m_data; }
    CLanguageData& GetData() { return *m_data; }

private:
    const char* Pool(const std::string& text);

    std::unique_ptr<CLanguageData> m_data;
    std::unordered_set<std::string> m_pool;
};
