#include "model/storage/tokenizer.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/core/exception.h"

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

long Token::AsInteger() const {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return value;
}

double Token::AsReal() const {
    return std::strtod(text.c_str(), nullptr);
}

Tokenizer::Tokenizer(std::string_view text) : m_text(text) {}

bool Tokenizer::ReadLine() {
    m_haveLine = false;
    m_line = {};
    m_pos = 0;
    if (m_offset >= m_text.size()) return false;
    const std::size_t end = m_text.find('\n', m_offset);
    if (end == std::string_view::npos) {
        m_line = m_text.substr(m_offset);
        m_offset = m_text.size();
    } else {
        m_line = m_text.substr(m_offset, end - m_offset);
        m_offset = end + 1;
    }
    if (!m_line.empty() && m_line.back() == '\r') m_line.remove_suffix(1);
    m_haveLine = true;
    ++m_row;
    return true;
}

void Tokenizer::SkipBlanks() {
    const char* p = m_line.data() + m_pos;
    const char* const end = m_line.data() + m_line.size();
    // Item chains nest one level per item, so a case file is mostly long runs
    // of indentation: take them eight spaces at a time.
    constexpr std::uint64_t kEightSpaces = 0x2020202020202020ull;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (word != kEightSpaces) break;
        p += 8;
    }
    while (p < end && IsBlank(*p)) ++p;
    m_pos = static_cast<std::size_t>(p - m_line.data());
}

void Tokenizer::Fail(const char* what, std::size_t position) const {
    throw Exception("Tokenizer:: %s, at row %d, col %d", what, m_row,
                    static_cast<int>(position + 1));
}

Token Tokenizer::Next() {
    for (;;) {
        if (!m_haveLine || m_pos >= m_line.size()) {
            if (!ReadLine()) {
                Token end;
                end.row = m_row;
                end.col = 1;
                return end;
            }
            continue;
        }
        SkipBlanks();
        if (m_pos < m_line.size() && m_line[m_pos] == '#') m_pos = m_line.size();
        if (m_pos < m_line.size()) break;
    }

    Token token;
    token.row = m_row;
    token.col = static_cast<int>(m_pos + 1);
    const char c = m_line[m_pos];
    const std::size_t start = m_pos;

    if (IsLetter(c)) {
        ++m_pos;
        while (m_pos < m_line.size() &&
               (IsLetter(m_line[m_pos]) || IsDigit(m_line[m_pos]) || m_line[m_pos] == '_')) {
            ++m_pos;
        }
        token.kind = TokenKind::Identifier;
        token.text = std::string(m_line.substr(start, m_pos - start));
        return token;
    }
    if (IsDigit(c) ||
        ((c == '+' || c == '-') && m_pos + 1 < m_line.size() && IsDigit(m_line[m_pos + 1]))) {
        ++m_pos;
        while (m_pos < m_line.size() && IsDigit(m_line[m_pos])) ++m_pos;
        token.kind = TokenKind::Integer;
        if (m_pos + 1 < m_line.size() && m_line[m_pos] == '.' && IsDigit(m_line[m_pos + 1])) {
            m_pos += 2;
            while (m_pos < m_line.size() && IsDigit(m_line[m_pos])) ++m_pos;
            token.kind = TokenKind::Real;
        }
        token.text = std::string(m_line.substr(start, m_pos - start));
        return token;
    }
    if (c == '"') {
        Token string = ReadString();
        string.row = token.row;
        string.col = token.col;
        return string;
    }
    if (c == ':' || c == ';' || c == '{' || c == '}') {
        ++m_pos;
        token.kind = TokenKind::Punctuation;
        token.text = std::string(1, c);
        return token;
    }
    Fail("unknown character", m_pos);
}

Token Tokenizer::ReadString() {
    Token token;
    token.kind = TokenKind::String;
    for (;;) {
        // m_line[m_pos] is the opening quote of a piece.
        std::size_t i = m_pos + 1;
        for (;;) {
            if (i >= m_line.size()) Fail("bad string", i);
            const char ch = m_line[i];
            if (ch == '"') break;
            if (ch == '\\') {
                if (i + 1 >= m_line.size()) Fail("bad string", i + 1);
                token.text += ch;
                token.text += m_line[i + 1];
                i += 2;
                continue;
            }
            token.text += ch;
            ++i;
        }
        const bool continues = m_line.find('\\', i + 1) != std::string_view::npos;
        m_pos = m_line.size();
        if (!continues) return token;
        // The next piece: the first quote after blank and comment lines.
        for (;;) {
            if (!ReadLine()) return token;
            SkipBlanks();
            if (m_pos < m_line.size() && m_line[m_pos] != '#') break;
        }
        if (m_line[m_pos] != '"') return token;  // no further piece: the text goes on here
    }
}
