#include "rtf_plain_text.h"

#include <cctype>
#include <vector>

#include "cp1251.h"

namespace corvela_sources {
namespace {

bool IsDestination(std::string_view word) {
    static constexpr std::string_view kDestinations[] = {
        "fonttbl",
        "colortbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "generator",
        "filetbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
    };
    for (std::string_view d : kDestinations)
        if (d == word) return true;
    return false;
}

// Named characters of code page 1251.
int SpecialCharacter(std::string_view word) {
    if (word == "emdash") return 0x97;
    if (word == "endash") return 0x96;
    if (word == "bullet") return 0x95;
    if (word == "lquote") return 0x91;
    if (word == "rquote") return 0x92;
    if (word == "ldblquote") return 0x93;
    if (word == "rdblquote") return 0x94;
    if (word == "par" || word == "line") return '\n';
    if (word == "tab") return '\t';
    return -1;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct Group {
    bool skip = false;  // inside a destination that is not text
    int fallback = 1;   // \ucN: characters that stand in for a \u character
};

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : m_rtf(rtf) { m_groups.push_back(Group{}); }

    std::string Run() {
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                m_groups.push_back(m_groups.back());
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                if (m_groups.size() > 1) m_groups.pop_back();
                m_pendingFallback = 0;
                m_groupStart = false;
                continue;
            }
            if (c == '\r' || c == '\n') continue;  // raw line breaks are not text
            const bool first = m_groupStart;
            m_groupStart = false;
            if (c == '\\')
                ControlSequence(first);
            else
                Emit(c);
        }
        return TrimBlankLines(m_out);
    }

private:
    void Emit(char c) {
        if (m_pendingFallback > 0) {
            --m_pendingFallback;
            return;
        }
        if (!m_groups.back().skip) m_out.push_back(c);
    }

    void ControlSequence(bool firstInGroup) {
        if (m_pos >= m_rtf.size()) return;
        const char c = m_rtf[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            ControlSymbol(c);
            return;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos])))
            ++m_pos;
        const std::string_view word = m_rtf.substr(start, m_pos - start);
        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) {
            if (parameter < 10000000) parameter = parameter * 10 + (m_rtf[m_pos] - '0');
            hasParameter = true;
            ++m_pos;
        }
        if (negative) parameter = -parameter;
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') ++m_pos;  // the delimiter
        ControlWord(word, hasParameter, parameter, firstInGroup);
    }

    void ControlWord(std::string_view word, bool hasParameter, long parameter, bool firstInGroup) {
        Group& group = m_groups.back();
        if (firstInGroup && IsDestination(word)) {
            group.skip = true;
        } else if (word == "uc" && hasParameter) {
            group.fallback = parameter < 0 ? 0 : static_cast<int>(parameter);
        } else if (word == "u" && hasParameter) {
            long code = parameter < 0 ? parameter + 65536 : parameter;
            const int byte = UnicodeToCp1251(static_cast<char32_t>(code));
            m_pendingFallback = 0;
            Emit(byte > 0 ? static_cast<char>(byte) : '?');
            m_pendingFallback = group.fallback;
        } else if (word == "bin" && hasParameter) {
            m_pos =
                std::min(m_rtf.size(), m_pos + static_cast<std::size_t>(std::max(0L, parameter)));
        } else if (const int special = SpecialCharacter(word); special >= 0) {
            Emit(static_cast<char>(special));
        }
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Emit(c);
                break;
            case '\'': {
                const int high = m_pos < m_rtf.size() ? HexValue(m_rtf[m_pos]) : -1;
                const int low = m_pos + 1 < m_rtf.size() ? HexValue(m_rtf[m_pos + 1]) : -1;
                if (high >= 0 && low >= 0) {
                    m_pos += 2;
                    Emit(static_cast<char>(high * 16 + low));
                }
                break;
            }
            case '*':
                m_groups.back().skip = true;  // an ignorable destination
                break;
            case '~':
                Emit(' ');
                break;
            case '_':
                Emit('-');
                break;
            case '\r':
            case '\n':
                Emit('\n');
                break;
            default:  // \- optional hyphen, \| and the rest: nothing
                break;
        }
    }

    std::string_view m_rtf;
    std::size_t m_pos = 0;
    std::vector<Group> m_groups;
    bool m_groupStart = false;
    int m_pendingFallback = 0;
    std::string m_out;
};

}  // namespace

std::string TrimBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t pos = 0;;) {
        const std::size_t end = text.find('\n', pos);
        lines.push_back(text.substr(pos, end == std::string_view::npos ? text.npos : end - pos));
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    auto blank = [](std::string_view line) {
        return line.find_first_not_of(" \t") == std::string_view::npos;
    };
    std::size_t first = 0, last = lines.size();
    while (first < last && blank(lines[first])) ++first;
    while (last > first && blank(lines[last - 1])) --last;
    std::string out;
    for (std::size_t i = first; i < last; ++i) {
        if (i > first) out += '\n';
        out += lines[i];
    }
    return out;
}

std::string RtfPlainText(std::string_view rtf) {
    return RtfReader(rtf).Run();
}

}  // namespace corvela_sources
