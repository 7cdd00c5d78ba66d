// The lexer on its own: token kinds, spans, texts and values.
#include "search/query_lexer.h"

#include <gtest/gtest.h>

#include <string>

#include "printable.h"

namespace {

// The tokens of text as "kind:start-end:text" joined by spaces, up to the end.
std::string Lex(const std::string& text) {
    QueryLexer lexer(text);
    std::string tokens;
    for (int guard = 0; guard < 300; ++guard) {
        lexer.Next();
        if (lexer.HasError() || lexer.Kind() == TokenKind::kEnd) break;
        if (!tokens.empty()) tokens += ' ';
        tokens += std::to_string(static_cast<int>(lexer.Kind())) + ":" +
                  std::to_string(lexer.Start()) + "-" + std::to_string(lexer.End()) + ":" +
                  lexer.Text();
    }
    if (lexer.HasError()) tokens += " !" + lexer.ErrorText();
    return tokens;
}

struct LexCase {
    std::string text;
    std::string tokens;

    // Names the case in test listings.
    friend void PrintTo(const LexCase& c, std::ostream* os) { *os << Printable(c.text); }
};

class LexerTable : public ::testing::TestWithParam<LexCase> {};

TEST_P(LexerTable, Tokens) {
    EXPECT_EQ(Lex(GetParam().text), GetParam().tokens) << "query: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Queries, LexerTable,
    ::testing::Values(LexCase{"", ""}, LexCase{"   ", ""},
                      LexCase{"  head  pain", "0:2-6:head 0:8-12:pain"},
                      // Only spaces are skipped; a tab is a token of its own.
                      LexCase{"a\tb", "0:0-1:a 9:1-2:\t 0:2-3:b"},
                      LexCase{"+-?=<>", "4:0-1:+ 3:1-2:- 5:2-3:? 6:3-4:= 7:4-5:< 8:5-6:>"},
                      LexCase{"@lach.", "1:0-5:lach 9:5-6:."}, LexCase{"@-", "1:0-2:-"},
                      // Digits only make a number; a word may start with digits.
                      LexCase{"5 3am 007", "2:0-1:5 0:2-5:3am 2:6-9:007"},
                      // Cyrillic letters (and Ё ё) are word characters, other high bytes are not.
                      LexCase{"\xC3\xEE\xEB\xEE\xE2\xE0 \xA8\xB8",
                              "0:0-6:\xC3\xEE\xEB\xEE\xE2\xE0 0:7-9:\xA8\xB8"},
                      LexCase{"a\x96z", "0:0-1:a 9:1-2:\x96 0:2-3:z"},
                      LexCase{"@", " !query syntax error 'invalid remedy', near : @ <<"},
                      LexCase{"x @ y",
                              "0:0-1:x !query syntax error 'invalid remedy', near : x @ y <<"}));

TEST(QueryLexer, NumbersSaturateAndTypedAccessorsCheckTheKind) {
    QueryLexer lexer("007 99999999999999999999 word");
    lexer.Next();
    EXPECT_EQ(lexer.NumberValue(), 7);
    lexer.Next();
    EXPECT_EQ(lexer.NumberValue(), 2147483647);
    lexer.Next();
    EXPECT_EQ(lexer.WordText(), "word");
    EXPECT_FALSE(lexer.HasError());
    EXPECT_EQ(lexer.RemedyName(), "");
    EXPECT_TRUE(lexer.HasError());
    EXPECT_EQ(lexer.ErrorText(),
              "query syntax error 'type mismatch', near : 007 99999999999999999999 word <<");
    lexer.Next();  // nothing follows an error
    EXPECT_EQ(lexer.Kind(), TokenKind::kEnd);
}

TEST(QueryLexer, TextEndsAtItsFirstZero) {
    EXPECT_EQ(Lex(std::string("ab\0cd", 5)), "0:0-2:ab");
}

}  // namespace
