// The contents of a language file: the root record CLanguage::CLanguageData
// and its dictionary entries CLanguage::CLanguageData::CLauguageItem.
//
//   CodePage_   int      default -1 ("none")
//   Charset     string   default "us-ascii"
//   Language    string   default "english"
//   Author      string   default "Ondrell, Ltd."
//   Dictionary  block of "Item" blocks: Original, Translated, Locked (int)
//
// The defaults apply to nodes missing from a file that was read.  Each entry's
// key, the CRC-32 of its "Original" bytes, is not stored: the dictionary's
// element callback computes it while the file is read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/lang/language.h"
#include "model/meta/layout_fwd.h"

class CLanguage::CLanguageData {
public:
    class CLauguageItem {
    public:
        struct Layout;
        static ClassLayout<CLauguageItem>& GetLayout();

        CLauguageItem() = default;
        CLauguageItem(std::string original, std::string translated, int locked);

        const std::string& GetOriginal() const { return m_original; }
        const std::string& GetTranslated() const { return m_translated; }
        int GetLocked() const { return m_locked; }
        // The CRC-32 of the "Original" bytes.
        std::uint32_t GetKey() const { return m_key; }
        // Recomputes the key from the "Original" text.
        void UpdateKey();

    private:
        std::string m_original;
        std::string m_translated;
        int m_locked = 0;
        std::uint32_t m_key = 0;
    };

    struct Layout;
    static ClassLayout<CLanguageData>& GetLayout();

    int GetCodePage() const { return m_codePage; }
    const std::string& GetCharset() const { return m_charset; }
    const std::string& GetLanguage() const { return m_language; }
    const std::string& GetAuthor() const { return m_author; }
    const std::vector<CLauguageItem>& GetDictionary() const { return m_dictionary; }

    // The entry for `phrase` (narrow, in the language's code page): the first
    // one whose key is `key` and whose "Original" is the phrase, or a new
    // locked entry appended for it.  The reference stays valid until the
    // next call.
    const CLauguageItem& Resolve(const std::string& phrase, std::uint32_t key);

private:
    // The element callback of "Dictionary": computes the entry's key and
    // appends the entry itself (so the container does not).
    int AddEntry(CLauguageItem& item);

    int m_codePage = -1;
    std::string m_charset;
    std::string m_language;
    std::string m_author;
    std::vector<CLauguageItem> m_dictionary;
};
