#include "search/query_lexer.h"

#include <cstdint>
#include <limits>

#include "index/word_splitter.h"

bool IsQueryWordChar(unsigned char c) {
    return IsArticleWordChar(c);
}

QueryLexer::QueryLexer(std::string_view text) {
    Reset(text);
}

void QueryLexer::Reset(std::string_view text) {
    // The query ends at its first zero byte, if any.
    m_query.assign(text.substr(0, text.find('\0')));
    m_position = 0;
    m_kind = TokenKind::kEnd;
    m_text.clear();
    m_value = 0;
    m_start = m_end = 0;
    m_error = false;
    m_errorText.clear();
}

void QueryLexer::Raise(const char* what) {
    m_error = true;
    m_errorText = std::string("query syntax error '") + what + "', near : " + m_query + " <<";
}

void QueryLexer::Finish(TokenKind kind, std::size_t end) {
    m_kind = kind;
    m_end = static_cast<int>(end);
    m_position = end;
}

void QueryLexer::Next() {
    m_text.clear();
    m_value = 0;
    if (m_error) {  // stay put: nothing after an error is a token
        m_kind = TokenKind::kEnd;
        m_start = m_end = static_cast<int>(m_position);
        return;
    }
    while (m_position < m_query.size() && m_query[m_position] == ' ') ++m_position;
    m_start = static_cast<int>(m_position);
    if (m_position >= m_query.size()) return Finish(TokenKind::kEnd, m_position);

    const auto byteAt = [this](std::size_t i) { return static_cast<unsigned char>(m_query[i]); };
    const unsigned char c = byteAt(m_position);
    const auto single = [this, c](TokenKind kind) {
        m_text.assign(1, static_cast<char>(c));
        Finish(kind, m_position + 1);
    };
    switch (c) {
        case '+':
            return single(TokenKind::kPlus);
        case '-':
            return single(TokenKind::kMinus);
        case '?':
            return single(TokenKind::kQuestion);
        case '=':
            return single(TokenKind::kEqual);
        case '<':
            return single(TokenKind::kLess);
        case '>':
            return single(TokenKind::kGreater);
        default:
            break;
    }

    if (c == '@') {
        std::size_t end = m_position + 1;
        bool hyphen = false;
        while (end < m_query.size()) {
            const unsigned char b = byteAt(end);
            if (b == '-' && !hyphen) {
                hyphen = true;
            } else if (!IsQueryWordChar(b)) {
                break;
            }
            ++end;
        }
        if (end == m_position + 1) {
            Raise("invalid remedy");
            m_kind = TokenKind::kEnd;
            m_end = m_start;
            return;
        }
        m_text.assign(m_query, m_position + 1, std::min(end - m_position - 1, kMaxTokenText));
        return Finish(TokenKind::kRemedy, end);
    }

    if (IsQueryWordChar(c)) {
        std::size_t end = m_position;
        bool digitsOnly = true;
        while (end < m_query.size() && IsQueryWordChar(byteAt(end))) {
            if (byteAt(end) < '0' || byteAt(end) > '9') digitsOnly = false;
            ++end;
        }
        m_text.assign(m_query, m_position, std::min(end - m_position, kMaxTokenText));
        if (!digitsOnly) return Finish(TokenKind::kWord, end);
        constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
        std::int64_t value = 0;
        for (std::size_t i = m_position; i < end; ++i)
            value = std::min(kMax, value * 10 + (byteAt(i) - '0'));
        m_value = static_cast<std::int32_t>(value);
        return Finish(TokenKind::kNumber, end);
    }

    single(TokenKind::kOther);
}

const std::string& QueryLexer::WordText() {
    if (m_kind == TokenKind::kWord) return m_text;
    Raise("type mismatch");
    return m_empty;
}

const std::string& QueryLexer::RemedyName() {
    if (m_kind == TokenKind::kRemedy) return m_text;
    Raise("type mismatch");
    return m_empty;
}

std::int32_t QueryLexer::NumberValue() {
    if (m_kind == TokenKind::kNumber) return m_value;
    Raise("type mismatch");
    return 0;
}
