#include "model/lang/language_data.h"

#include "model/core/crc32.h"
#include "model/meta/layout.h"

struct CLanguage::CLanguageData::CLauguageItem::Layout : ClassLayout<CLauguageItem> {
    Layout() : ClassLayout("CLauguageItem") {
        Value("Original", &CLauguageItem::m_original);
        Value("Translated", &CLauguageItem::m_translated);
        Value("Locked", &CLauguageItem::m_locked);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CLanguage::CLanguageData::CLauguageItem);

struct CLanguage::CLanguageData::Layout : ClassLayout<CLanguageData> {
    Layout() : ClassLayout("CLanguageData") {
        Value("CodePage_", &CLanguageData::m_codePage).Default(-1);
        Value("Charset", &CLanguageData::m_charset).Default("us-ascii");
        Value("Language", &CLanguageData::m_language).Default("english");
        Value("Author", &CLanguageData::m_author).Default("Ondrell, Ltd.");
        Container("Dictionary", &CLanguageData::m_dictionary)
            .OnItem(&CLanguageData::AddEntry, kCallOnLoad);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CLanguage::CLanguageData);

CLanguage::CLanguageData::CLauguageItem::CLauguageItem(std::string original, std::string translated,
                                                       int locked)
    : m_original(std::move(original)), m_translated(std::move(translated)), m_locked(locked) {
    UpdateKey();
}

void CLanguage::CLanguageData::CLauguageItem::UpdateKey() {
    m_key = Crc32(m_original);
}

int CLanguage::CLanguageData::AddEntry(CLauguageItem& item) {
    item.UpdateKey();
    m_dictionary.push_back(item);
    return 0;
}

const CLanguage::CLanguageData::CLauguageItem& CLanguage::CLanguageData::Resolve(
    const std::string& phrase, std::uint32_t key) {
    for (const CLauguageItem& item : m_dictionary) {
        if (item.GetKey() == key && item.GetOriginal() == phrase) return item;
    }
    m_dictionary.emplace_back(phrase, std::string(), 1);
    return m_dictionary.back();
}
