#include "source_header.h"

#include <cctype>
#include <charconv>

namespace corvela_sources {
namespace {

// Keyword, its bit in m_seen and the text it fills (-1: not a text).
struct Keyword {
    std::string_view name;
    int text;
};
constexpr Keyword kKeywords[] = {
    {"id", -1}, {"name", 0}, {"text2", 1}, {"text3", 2}, {"text4", 3}, {"text5", 4}, {"flags", -1},
};

}  // namespace

bool NormaliseGuidText(std::string_view text, std::string* out) {
    if (text.size() != 36) return false;
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const auto c = static_cast<unsigned char>(result[i]);
        if (dash ? c != '-' : !std::isxdigit(c)) return false;
        result[i] = static_cast<char>(std::toupper(c));
    }
    *out = std::move(result);
    return true;
}

bool ParseFlags(std::string_view text, std::uint32_t* out) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) return false;
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    *out = value;
    return true;
}

bool SourceHeaderParser::Take(const SourceLine& line, SourceError* error) {
    const std::string_view text = line.text;
    if (IsBlank(text) || text[0] == '#') return true;
    if (text[0] != '@') {
        *error = m_reader.ErrorAt(line.number, "header line expected");
        return false;
    }
    const std::size_t space = text.find(' ');
    const std::string_view keyword =
        text.substr(1, space == std::string_view::npos ? text.npos : space - 1);
    const std::string_view value =
        space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    for (unsigned k = 0; k < std::size(kKeywords); ++k) {
        if (kKeywords[k].name != keyword) continue;
        if (m_seen & (1u << k)) {
            *error =
                m_reader.ErrorAt(line.number, "duplicate header keyword @" + std::string(keyword));
            return false;
        }
        m_seen |= 1u << k;
        if (kKeywords[k].text >= 0) {
            m_header.texts[kKeywords[k].text] = std::string(value);
        } else if (keyword == "id") {
            if (!NormaliseGuidText(value, &m_header.id)) {
                *error = m_reader.ErrorAt(line.number,
                                          "invalid identifier (expected 36 characters "
                                          "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX)");
                return false;
            }
        } else {
            if (!ParseFlags(value, &m_header.flags)) {
                *error = m_reader.ErrorAt(line.number,
                                          "invalid flags value (decimal or 0x hexadecimal)");
                return false;
            }
            m_header.hasFlags = true;
        }
        return true;
    }
    *error = m_reader.ErrorAt(line.number, "unknown header keyword");
    return false;
}

bool SourceHeaderParser::Finish(int line, SourceError* error) const {
    if (m_header.id.empty()) {
        *error = m_reader.ErrorAt(line, "missing @id header line");
        return false;
    }
    return true;
}

}  // namespace corvela_sources
