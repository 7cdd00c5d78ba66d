#include "model/core/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "base/text/code_page.h"
#include "model/core/exception.h"

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));

// The iconv name of a Windows code page number.
std::string IconvName(int codePage) {
    switch (codePage) {
        case 0:
            return "CP1251";  // the system code page: the program's own
        case 65001:
            return "UTF-8";
        case 20866:
            return "KOI8-R";
        case 21866:
            return "KOI8-U";
        default:
            break;
    }
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + std::to_string(codePage - 28590);
    return "CP" + std::to_string(codePage);
}

// Code page 1251, the program's own (0 is the system code page, which is it):
// converted through our table rather than iconv.
bool IsCp1251(int codePage) {
    return codePage == 0 || codePage == base::kCodePage1251;
}

// The single-byte Windows code pages, where an undefined byte maps to the C1
// control of the same number.
bool IsWindowsSingleByte(int codePage) {
    return codePage >= 1250 && codePage <= 1258;
}

// One pair of iconv descriptors per code page, opened on first use and kept for
// the run.  The mutex guards the descriptors, which carry conversion state.
class ConverterCache {
public:
    static ConverterCache& Instance() {
        static ConverterCache cache;
        return cache;
    }
    ConverterCache(const ConverterCache&) = delete;
    ConverterCache& operator=(const ConverterCache&) = delete;

    ~ConverterCache() {
        for (auto& [page, pair] : m_converters) {
            if (pair.first != kNoConverter) iconv_close(pair.first);
            if (pair.second != kNoConverter) iconv_close(pair.second);
        }
    }

    std::mutex& Mutex() { return m_mutex; }

    // The descriptor for `codePage` to wide (toWide) or wide to `codePage`;
    // kNoConverter with errno set when iconv does not know the code page.
    iconv_t Get(int codePage, bool toWide) {
        auto it = m_converters.find(codePage);
        if (it == m_converters.end()) {
            it = m_converters.emplace(codePage, std::make_pair(kNoConverter, kNoConverter)).first;
        }
        iconv_t& slot = toWide ? it->second.first : it->second.second;
        if (slot == kNoConverter) {
            const std::string name = IconvName(codePage);
            slot =
                toWide ? iconv_open("WCHAR_T", name.c_str()) : iconv_open(name.c_str(), "WCHAR_T");
        }
        return slot;
    }

private:
    ConverterCache() = default;
    std::mutex m_mutex;
    std::map<int, std::pair<iconv_t, iconv_t>> m_converters;
};

}  // namespace

std::wstring MultiByteToWide(std::string_view text, int codePage) {
    std::wstring wide;
    if (codePage < 0) {
        wide.reserve(text.size());
        for (char c : text) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        return wide;
    }
    if (text.empty()) return wide;
    if (IsCp1251(codePage)) {
        wide.reserve(text.size());
        for (char c : text) wide.push_back(base::Cp1251ToUnicode(static_cast<unsigned char>(c)));
        return wide;
    }
    ConverterCache& cache = ConverterCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    iconv_t cd = cache.Get(codePage, true);
    if (cd == kNoConverter) throw Exception("MultiByteToWideChar error = %x", errno);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    wide.resize(text.size() + 1);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    size_t produced = 0;
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(wide.data() + produced);
        size_t outLeft = (wide.size() - produced) * sizeof(wchar_t);
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        produced = wide.size() - outLeft / sizeof(wchar_t);
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            wide.resize(wide.size() * 2);
        } else if (errno == EILSEQ && IsWindowsSingleByte(codePage)) {
            if (produced == wide.size()) wide.resize(wide.size() * 2);
            wide[produced++] = static_cast<wchar_t>(static_cast<unsigned char>(*in));
            ++in;
            --inLeft;
        } else {
            const int error = errno;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            throw Exception("MultiByteToWideChar error = %x", error == EINVAL ? EILSEQ : error);
        }
    }
    wide.resize(produced);
    return wide;
}

std::string WideToMultiByte(std::wstring_view text, int codePage) {
    std::string narrow;
    if (codePage < 0) {
        narrow.reserve(text.size());
        for (wchar_t c : text)
            narrow.push_back(static_cast<char>(static_cast<unsigned char>(c & 0xFF)));
        return narrow;
    }
    if (text.empty()) return narrow;
    if (IsCp1251(codePage)) {
        narrow.reserve(text.size());
        for (wchar_t c : text) {
            int byte = base::UnicodeToCp1251(static_cast<char32_t>(c));
            if (byte < 0 && c >= 0x80 && c <= 0x9F) byte = static_cast<int>(c);  // a C1 control
            if (byte < 0) throw Exception("WideCharToMultiByte error = %x", EILSEQ);
            narrow.push_back(static_cast<char>(byte));
        }
        return narrow;
    }
    ConverterCache& cache = ConverterCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    iconv_t cd = cache.Get(codePage, false);
    if (cd == kNoConverter) throw Exception("WideCharToMultiByte error = %x", errno);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    narrow.resize(text.size() * 2 + 8);
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
    size_t inLeft = text.size() * sizeof(wchar_t);
    size_t produced = 0;
    while (inLeft > 0) {
        char* out = narrow.data() + produced;
        size_t outLeft = narrow.size() - produced;
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        produced = narrow.size() - outLeft;
        if (rc != static_cast<size_t>(-1)) break;
        wchar_t current = 0;
        if (inLeft >= sizeof(wchar_t)) std::memcpy(&current, in, sizeof current);
        if (errno == E2BIG) {
            narrow.resize(narrow.size() * 2);
        } else if (errno == EILSEQ && IsWindowsSingleByte(codePage) && current >= 0x80 &&
                   current <= 0x9F) {
            if (produced == narrow.size()) narrow.resize(narrow.size() * 2);
            narrow[produced++] = static_cast<char>(current);
            in += sizeof(wchar_t);
            inLeft -= sizeof(wchar_t);
        } else {
            const int error = errno;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            throw Exception("WideCharToMultiByte error = %x", error == EINVAL ? EILSEQ : error);
        }
    }
    // Some encoders keep state to the end (shift sequences); flush it.
    for (;;) {
        if (narrow.size() - produced < 16) narrow.resize(narrow.size() + 16);
        char* out = narrow.data() + produced;
        size_t outLeft = narrow.size() - produced;
        const size_t rc = iconv(cd, nullptr, nullptr, &out, &outLeft);
        produced = narrow.size() - outLeft;
        if (rc != static_cast<size_t>(-1) || errno != E2BIG) break;
    }
    narrow.resize(produced);
    return narrow;
}
