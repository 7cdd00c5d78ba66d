#include "base/rtf/rtf_tokenizer.h"

#include <algorithm>
#include <climits>

namespace rtf {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Token Tokenizer::Next() {
    while (m_pos < m_source.size()) {
        const char c = m_source[m_pos];
        if (c == '\r' || c == '\n' || c == '\0') {
            ++m_pos;
            continue;
        }
        Token token;
        if (c == '{') {
            ++m_pos;
            token.kind = Token::Kind::GroupOpen;
        } else if (c == '}') {
            ++m_pos;
            token.kind = Token::Kind::GroupClose;
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_source.size()) return {};  // a lone backslash at the end
            if (!ReadControl(token)) continue;
        } else {
            ++m_pos;
            token.kind = Token::Kind::Text;
            token.byte = static_cast<unsigned char>(c);
        }
        return token;
    }
    return {};
}

bool Tokenizer::ReadControl(Token& token) {
    const char first = m_source[m_pos];
    if (!IsLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            // \'hh; a truncated or broken escape keeps the hex digits it has.
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_source.size() && HexValue(m_source[m_pos]) >= 0) {
                value = value * 16 + HexValue(m_source[m_pos]);
                ++m_pos;
                ++digits;
            }
            if (digits == 0) return false;
            token.kind = Token::Kind::HexByte;
            token.byte = static_cast<unsigned char>(value);
            return true;
        }
        token.kind = Token::Kind::Symbol;
        token.symbol = first == '\r' ? '\n' : first;  // backslash + line break = \par
        return true;
    }
    const std::size_t start = m_pos;
    while (m_pos < m_source.size() && IsLetter(m_source[m_pos])) ++m_pos;
    token.kind = Token::Kind::Word;
    token.word = m_source.substr(start, std::min(m_pos - start, kMaxWordLength));

    bool negative = false;
    if (m_pos + 1 < m_source.size() && m_source[m_pos] == '-' && IsDigit(m_source[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_source.size() && IsDigit(m_source[m_pos])) {
        long long value = 0;
        while (m_pos < m_source.size() && IsDigit(m_source[m_pos])) {
            if (value <= INT_MAX) value = value * 10 + (m_source[m_pos] - '0');
            ++m_pos;
        }
        if (negative) value = -value;
        if (value > INT_MAX) value = INT_MAX;
        if (value < INT_MIN) value = INT_MIN;
        token.hasParameter = true;
        token.parameter = static_cast<int>(value);
    }
    if (m_pos < m_source.size() && m_source[m_pos] == ' ') ++m_pos;  // the delimiter
    return true;
}

void Tokenizer::SkipBytes(std::size_t count) {
    m_pos = count >= m_source.size() - m_pos ? m_source.size() : m_pos + count;
}

}  // namespace rtf
