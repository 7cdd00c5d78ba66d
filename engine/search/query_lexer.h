// Splits a query into tokens: words, "@remedy" names, numbers, the operators
// - + ? and the comparisons = < >, and single other bytes.  Only spaces are
// skipped between tokens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class TokenKind {
    kWord = 0,
    kRemedy = 1,  // the name after '@'
    kNumber = 2,  // a word made of digits only
    kMinus = 3,
    kPlus = 4,
    kQuestion = 5,
    kEqual = 6,
    kLess = 7,
    kGreater = 8,
    kOther = 9,  // any other byte, one byte long
    kEnd = 10,
};

// The query language's word characters: digits, Latin letters and the
// Cyrillic letters of code page 1251 (Ё ё А-я).
bool IsQueryWordChar(unsigned char c);

class QueryLexer {
public:
    // The longest token text kept; a query holds at most 255 bytes anyway.
    static constexpr std::size_t kMaxTokenText = 1024;

    // Starts over text (it is copied); Next() then reads the first token.
    explicit QueryLexer(std::string_view text = {});
    void Reset(std::string_view text);

    // Reads the next token.  An '@' without a name raises "invalid remedy";
    // after an error the lexer stays on an end token.
    void Next();

    TokenKind Kind() const { return m_kind; }
    // Byte positions of the current token in the text: [Start, End).  An end
    // token is empty and sits where the text ends.
    int Start() const { return m_start; }
    int End() const { return m_end; }
    // The current token's bytes (for a remedy without the '@').
    const std::string& Text() const { return m_text; }

    // Typed accessors: they raise "type mismatch" and answer an empty text or
    // 0 when the current token is of another kind.
    const std::string& WordText();    // kWord
    const std::string& RemedyName();  // kRemedy
    std::int32_t NumberValue();       // kNumber, saturated at INT32_MAX

    bool HasError() const { return m_error; }
    // "query syntax error '<what>', near : <query> <<" after an error, else empty.
    const std::string& ErrorText() const { return m_errorText; }

private:
    void Raise(const char* what);
    void Finish(TokenKind kind, std::size_t end);

    std::string m_query;
    std::size_t m_position = 0;
    TokenKind m_kind = TokenKind::kEnd;
    std::string m_text;
    std::int32_t m_value = 0;
    int m_start = 0;
    int m_end = 0;
    bool m_error = false;
    std::string m_errorText;
    std::string m_empty;
};
