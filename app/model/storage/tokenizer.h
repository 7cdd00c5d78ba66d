// The tokenizer of the text storage.  It reads the text one line at a time
// (line ends CR LF or LF) and knows six kinds of token; spaces and tabs between
// tokens are skipped, and an end of line or a '#' moves on to the next line.
//
// Lines and tokens are not limited in length: a value written in many 64-byte
// pieces, or a deeply indented line of a long item chain, reads back whole.
#pragma once

#include <string>
#include <string_view>

enum class TokenKind {
    Integer,      // optional '+' or '-', digits
    Real,         // the same with a '.' and more digits
    String,       // a quoted text; `text` holds the raw pieces joined, escapes in place
    Identifier,   // a letter, then letters, digits and underscores
    Punctuation,  // one of ':' ';' '{' '}'
    End,          // no more text
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    int row = 0;  // the line the token starts on, counted from 1
    int col = 0;  // its position in that line, counted from 1

    bool Is(TokenKind k) const { return kind == k; }
    bool IsPunctuation(char c) const {
        return kind == TokenKind::Punctuation && text.size() == 1 && text[0] == c;
    }
    // The number of an Integer token (clamped to int) or of a Real token.
    long AsInteger() const;
    double AsReal() const;
};

class Tokenizer {
public:
    // Tokenizes `text`, which must outlive the tokenizer.
    explicit Tokenizer(std::string_view text);

    // The next token.  Throws Exception "Tokenizer:: %s, at row %d, col %d"
    // with "unknown character" (a character that starts no token) or "bad
    // string" (a line end or the end of the text inside a string).
    //
    // After a string's closing quote the rest of the line is ignored, unless a
    // backslash stands there: then the string goes on with the next quoted
    // piece, which may follow blank and comment lines.
    Token Next();

    // Lines read so far.
    int GetRow() const { return m_row; }

private:
    bool ReadLine();
    void SkipBlanks();
    [[noreturn]] void Fail(const char* what, std::size_t position) const;
    Token ReadString();

    std::string_view m_text;
    std::size_t m_offset = 0;  // start of the next line in m_text
    std::string_view m_line;
    std::size_t m_pos = 0;  // position in m_line
    bool m_haveLine = false;
    int m_row = 0;
};
