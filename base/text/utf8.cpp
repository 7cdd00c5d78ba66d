#include "base/text/utf8.h"

#include <cstdio>

#include "base/text/code_page.h"

namespace base {
namespace {

void AppendUtf8(char32_t c, std::string* out) {
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[*pos]; false when it is malformed
// (overlong forms, surrogates and values above U+10FFFF included).
bool DecodeUtf8(std::string_view text, std::size_t* pos, char32_t* c) {
    const auto lead = static_cast<unsigned char>(text[*pos]);
    int extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        *c = lead;
        ++*pos;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
    } else {
        return false;
    }
    if (*pos + extra >= text.size()) return false;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[*pos + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    *pos += extra + 1;
    *c = value;
    return true;
}

}  // namespace

void AppendCp1251AsUtf8(std::string_view cp1251, std::string* out) {
    for (char ch : cp1251) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out->push_back(ch);
        else
            AppendUtf8(Cp1251ToUnicode(byte), out);
    }
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size());
    AppendCp1251AsUtf8(cp1251, &out);
    return out;
}

bool AppendUtf8AsCp1251(std::string_view utf8, std::string* out, Utf8Problem* problem) {
    Utf8Problem found;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead >= 0x01 && lead < 0x80) {  // the common case
            out->push_back(static_cast<char>(lead));
            ++pos;
            continue;
        }
        char32_t c = 0;
        if (lead == 0) {
            found.kind = Utf8Problem::kZeroByte;
        } else if (!DecodeUtf8(utf8, &pos, &c)) {
            found.kind = Utf8Problem::kInvalidUtf8;
        } else {
            const int byte = UnicodeToCp1251(c);
            if (byte >= 0) {
                out->push_back(static_cast<char>(byte));
                continue;
            }
            found.kind = Utf8Problem::kNoCp1251Form;
            found.codePoint = c;
        }
        if (problem != nullptr) *problem = found;
        return false;
    }
    return true;
}

std::string DescribeProblem(const Utf8Problem& problem) {
    switch (problem.kind) {
        case Utf8Problem::kNoCp1251Form: {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(problem.codePoint));
            return std::string("character ") + code + " has no code page 1251 form";
        }
        case Utf8Problem::kInvalidUtf8:
            return "invalid UTF-8";
        case Utf8Problem::kZeroByte:
            return "zero byte in the text";
        case Utf8Problem::kNone:
            break;
    }
    return {};
}

}  // namespace base
