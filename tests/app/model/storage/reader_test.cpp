// Reading text storage: tokens, grammar, errors with their positions, code
// pages.
#include <gtest/gtest.h>

#include <string>

#include "model/core/exception.h"
#include "model/storage/parser.h"
#include "model/storage/text_storage.h"
#include "model/storage/tokenizer.h"
#include "model/storage/tree_file.h"

namespace {

using TextNode = TextStorage::TextNode;

// The message of the Exception that parsing `text` raises; empty when none.
std::string ParseError(const std::string& text) {
    TextNode root;
    try {
        ParseTree(text, root, nullptr);
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return std::string();
}

std::string Value(const StorageNode& root, const char* name) {
    const StorageNode* child = root.FindChild(name);
    return child != nullptr ? child->GetValue() : "<missing>";
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(Parser, ReportsEveryErrorWithRowAndColumn) {
    const ErrorCase cases[] = {
        {"Root\n{\n    a @\n}\n", "Tokenizer:: unknown character, at row 3, col 7"},
        {"Root\n{\n    a \"abc\n}\n", "Tokenizer:: bad string, at row 3, col 11"},
        {"Root { a \"abc", "Tokenizer:: bad string, at row 1, col 14"},
        {"Root { a \"ends in backslash\\\n\" }", "Tokenizer:: bad string, at row 1, col 29"},
        {"\"value\"\n", "Parser:: Missing tag!, at row 1, col 1"},
        {"Root\n{\n  {\n}\n", "Parser:: Missing tag!, at row 3, col 3"},
        {"Root\n{\n    Age 1914\n}\n",
         "Parser:: Missing attr value or childs elements, at row 3, col 9"},
        {"Root :\n", "Parser:: Missing attr value or childs elements, at row 1, col 6"},
        {"Root\n", "Parser:: Missing attr value or childs elements, at row 1, col 1"},
        {"Root\n{\n    a \"1\"\n", "Parser:: node parsing error, '}' missing, at row 3, col 1"},
        {"Root\r\n{\r\n    Sub\r\n    {\r\n",
         "Parser:: node parsing error, '}' missing, at row 4, col 1"},
    };
    for (const ErrorCase& c : cases) EXPECT_EQ(ParseError(c.text), c.message) << c.text;
}

TEST(Parser, ValueTokenMustBeAString) {
    TextNode node("n");
    Tokenizer tokenizer("12");
    Parser parser(tokenizer);
    const Token number = tokenizer.Next();
    try {
        parser.SetValue(node, "n", number);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.GetMessage(), "Parser:: type mismatch, at row 1, col 1");
    }
}

TEST(Parser, RefusesBlocksNestedDeeperThanTheWriterWrites) {
    std::string deep;
    for (int i = 0; i < TextStorage::kMaxDepth; ++i) deep += "b {\n";
    std::string closing(TextStorage::kMaxDepth, '}');
    EXPECT_EQ(ParseError(deep + closing), "");
    const std::string tooDeep = "b {\n" + deep + closing + "}";
    EXPECT_EQ(ParseError(tooDeep), "Parser:: blocks nested too deeply, at row " +
                                       std::to_string(TextStorage::kMaxDepth + 1) + ", col 3");
}

TEST(Parser, BuildsTheTree) {
    TextNode root;
    ParseTree(
        "Root\n{\n    Name \"John\"\n    Empty \"\"\n    Block\n    {\n    }\n"
        "    Twin \"1\"\n    Twin \"2\"\n}\n",
        root, nullptr);
    EXPECT_EQ(root.GetName(), "Root");
    ASSERT_EQ(root.GetChildCount(), 5u);
    EXPECT_EQ(Value(root, "Name"), "John");
    EXPECT_TRUE(root.FindChild("Empty")->IsLeaf());
    EXPECT_FALSE(root.FindChild("Block")->IsLeaf());
    EXPECT_FALSE(static_cast<TextNode*>(root.FindChild("Block"))->HasValue());
    EXPECT_EQ(root.GetChildAt(4)->GetValue(), "2");
}

TEST(Parser, StringFollowedByOtherTextIsTheStringAlone) {
    TextNode root;
    ParseTree("Root\n{\n    a \"x\" } trailing junk @ {\n    b \"y\"\n}\n", root, nullptr);
    EXPECT_EQ(Value(root, "a"), "x");
    EXPECT_EQ(Value(root, "b"), "y");
}

TEST(Parser, HashStartsAComment) {
    TextNode root;
    ParseTree(
        "# a comment line\nRoot # after the name\n{\n# indented \"comment\"\n"
        "    a # between name and value\n    \"v\"\n}\n",
        root, nullptr);
    EXPECT_EQ(root.GetName(), "Root");
    EXPECT_EQ(Value(root, "a"), "v");
}

TEST(Parser, BackslashAfterStringJoinsPieces) {
    TextNode root;
    ParseTree(
        "Root\n{\n    a \"abc\" \\\n\n# comment between pieces\n        \"def\" \\\n  "
        "\"\\\"g\"\n}\n",
        root, nullptr);
    EXPECT_EQ(Value(root, "a"), "abcdef\"g");
    // A quoted piece without a backslash before it is a token of its own.
    EXPECT_EQ(ParseError("Root\n{\n    b \"no join\"\n    \"x\"\n}\n"),
              "Parser:: Missing tag!, at row 4, col 5");
}

TEST(Parser, ReadsCrLfAndLfAlike) {
    TextNode lf;
    TextNode crlf;
    ParseTree("Root\n{\n    a \"1\"\n    b\n    {\n    }\n}\n", lf, nullptr);
    ParseTree("Root\r\n{\r\n    a \"1\"\r\n    b\r\n    {\r\n    }\r\n}\r\n", crlf, nullptr);
    EXPECT_EQ(Value(lf, "a"), Value(crlf, "a"));
    EXPECT_EQ(crlf.GetChildCount(), 2u);
}

TEST(Parser, AcceptsLinesAndValuesBeyond4095Characters) {
    const std::string longValue(5000, 'x');
    std::string pieces;
    for (int i = 0; i < 100; ++i)
        pieces += "\"" + std::string(64, static_cast<char>('a' + i % 26)) + "\" \\\n";
    const std::string text = "Root\n{\n" + std::string(6000, ' ') + "a \"" + longValue +
                             "\"\n    b " + pieces + "\"end\"\n}\n";
    TextNode root;
    ParseTree(text, root, nullptr);
    EXPECT_EQ(Value(root, "a"), longValue);
    EXPECT_EQ(Value(root, "b").size(), 100u * 64 + 3);
}

TEST(Parser, TopLevelBlocksReadIntoOneRoot) {
    TextNode root;
    ParseTree("First\n{\n    a \"1\"\n}\nSecond\n{\n    b \"2\"\n}\nOwn \"v\"\n", root, nullptr);
    EXPECT_EQ(root.GetName(), "Second");
    EXPECT_EQ(root.GetChildCount(), 2u);
    EXPECT_EQ(root.GetValue(), "v");
}

TEST(Parser, CodePageAttributeSwitchesDecodingFromThereOn) {
    // "\161" is U+00A1, one byte without code page, but not in code page 1251.
    const std::string text =
        "Root\n{\n    before \"\\161\xC0\"\n    CodePage_ \"1251\"\n    after "
        "\"\xC0\xE1\xE2\"\n}\n";
    TextNode root;
    int codePage = 0;
    ParseTree(text, root, &codePage);
    EXPECT_EQ(codePage, 1251);
    EXPECT_EQ(Value(root, "before"), "\xA1\xC0");
    EXPECT_EQ(Value(root, "CodePage_"), "1251");
    EXPECT_EQ(Value(root, "after"), "\xC0\xE1\xE2");

    EXPECT_EQ(ParseError("Root\n{\n    CodePage_ \"1251\"\n    after \"\\161\"\n}\n")
                  .rfind("WideCharToMultiByte error = ", 0),
              0u);
    // In UTF-8 the same escape is two bytes.
    TextNode utf8;
    ParseTree("Root\n{\n    a \"\\169\"\n    CodePage_ \"65001\"\n    b \"\\169\"\n}\n", utf8,
              nullptr);
    EXPECT_EQ(Value(utf8, "a"), "\xA9");
    EXPECT_EQ(Value(utf8, "b"), "\xC2\xA9");
}

TEST(Parser, UnknownCodePageFailsTheConversion) {
    EXPECT_EQ(ParseError("Root\n{\n    CodePage_ \"98765\"\n}\n"),
              "MultiByteToWideChar error = 16");
    EXPECT_EQ(ParseError("Root\n{\n    CodePage_ \"65001\"\n    a \"\xFF\"\n}\n")
                  .rfind("MultiByteToWideChar error = ", 0),
              0u);
}

TEST(Parser, NoCodePageKeepsEveryByte) {
    std::string all;
    for (int byte = 32; byte < 256; ++byte) {
        if (byte != '"' && byte != '\\') all += static_cast<char>(byte);
    }
    TextNode root;
    int codePage = 0;
    ParseTree("Root\n{\n    a \"" + all + "\"\n}\n", root, &codePage);
    EXPECT_EQ(codePage, -1);
    EXPECT_EQ(Value(root, "a"), all);
}

}  // namespace
