#include "model/lang/language.h"

#include "base/files/atomic_file.h"
#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "model/core/code_page.h"
#include "model/core/crc32.h"
#include "model/core/exception.h"
#include "model/core/ini_file.h"
#include "model/core/program_ini.h"
#include "model/lang/language_data.h"
#include "model/storage/object_file.h"

namespace {

// "\{" and "\}" become plain braces.
std::wstring DropBraceEscapes(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size() && (text[i + 1] == L'{' || text[i + 1] == L'}'))
            continue;
        out += text[i];
    }
    return out;
}

bool IsBrace(wchar_t c) {
    return c == L'{' || c == L'}';
}

}  // namespace

CLanguage& CLanguage::Get() {
    static CLanguage language;
    return language;
}

CLanguage::CLanguage() : m_data(std::make_unique<CLanguageData>()) {}

CLanguage::~CLanguage() = default;

bool CLanguage::LoadProgramLanguage() {
    // The user's meridane.ini may choose another language than the program's.
    const std::string name = ProgramIni().GetString("General", "Language", "english.lng");
    return LoadFile(base::JoinPath(base::ProgramDirectory(), name));
}

bool CLanguage::LoadFromIni(const std::string& iniPath, const std::string& directory) {
    const std::string name = ReadProfileString(iniPath, "General", "Language", "english.lng");
    return LoadFile(base::JoinPath(directory, name));
}

bool CLanguage::LoadFile(const std::string& path) {
    std::string text;
    return base::ReadWholeFile(path, &text) && LoadText(text);
}

bool CLanguage::LoadText(std::string_view text) {
    // Read into a fresh record, so that a file failing half-way leaves the
    // language as it was.
    auto loaded = std::make_unique<CLanguageData>();
    try {
        LoadObjectFromText(nullptr, nullptr, text, *loaded);
    } catch (const std::exception&) {
        return false;
    }
    m_data = std::move(loaded);
    return true;
}

std::wstring CLanguage::Lookup(std::wstring_view phrase) {
    if (phrase.empty()) return std::wstring();
    const int codePage = m_data->GetCodePage();
    const std::string narrow = WideToMultiByte(phrase, codePage);
    const CLanguageData::CLauguageItem& item = m_data->Resolve(narrow, Crc32(narrow));
    return MultiByteToWide(item.GetLocked() != 0 ? item.GetOriginal() : item.GetTranslated(),
                           codePage);
}

const char* CLanguage::LocalizeString(const char* text, int whole) {
    const std::string original = text != nullptr ? text : "";
    try {
        const int codePage = m_data->GetCodePage();
        std::wstring source = MultiByteToWide(original, codePage);
        if (whole != 0) source = Lookup(source);

        std::wstring out;
        out.reserve(source.size());
        std::size_t i = 0;
        while (i < source.size()) {
            const wchar_t c = source[i];
            if (c == L'\\') {
                out += c;
                if (i + 1 < source.size() && IsBrace(source[i + 1])) {
                    out += source[i + 1];
                    i += 2;
                } else {
                    ++i;
                }
                continue;
            }
            if (c != L'{') {
                out += c;
                ++i;
                continue;
            }
            // The matching '}': the first one not preceded by a backslash.
            std::size_t close = i + 1;
            while (close < source.size()) {
                if (source[close] == L'\\' && close + 1 < source.size() &&
                    IsBrace(source[close + 1])) {
                    close += 2;
                } else if (source[close] == L'}') {
                    break;
                } else {
                    ++close;
                }
            }
            if (close >= source.size()) {
                out.append(source, i + 1, std::wstring::npos);  // the '{' is dropped
                break;
            }
            out += Lookup(std::wstring_view(source).substr(i + 1, close - i - 1));
            i = close + 1;
        }
        return Pool(WideToMultiByte(DropBraceEscapes(out), codePage));
    } catch (const Exception&) {
        return Pool(original);
    }
}

const char* CLanguage::Pool(const std::string& text) {
    return m_pool.insert(text).first->c_str();
}
