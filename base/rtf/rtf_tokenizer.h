// Splits RTF bytes into tokens: braces, control words with their optional
// numeric parameter, control symbols, \'hh bytes and single text bytes.
// Line breaks and NUL bytes in the source are not text and are dropped.
#pragma once

#include <cstddef>
#include <string_view>

namespace rtf {

struct Token {
    enum class Kind { End, GroupOpen, GroupClose, Word, Symbol, HexByte, Text };
    Kind kind = Kind::End;
    std::string_view word;  // Word: the letters, at most kMaxWordLength of them
    bool hasParameter = false;
    int parameter = 0;       // Word: saturated to the int range
    char symbol = 0;         // Symbol: the character after the backslash
    unsigned char byte = 0;  // HexByte and Text
};

class Tokenizer {
public:
    static constexpr std::size_t kMaxWordLength = 32;

    explicit Tokenizer(std::string_view source) : m_source(source) {}

    // The next token; Kind::End once the source is exhausted (and ever after).
    Token Next();

    // Skips `count` raw bytes (the data of \binN), or the rest of the source.
    void SkipBytes(std::size_t count);

private:
    // Reads what follows a backslash into `token`; false when it yields nothing.
    bool ReadControl(Token& token);

    std::string_view m_source;
    std::size_t m_pos = 0;
};

}  // namespace rtf
