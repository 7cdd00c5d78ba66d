// Writing text storage: layout of the lines, long values, code page line,
// and that whatever is written reads back as it was.
#include "model/storage/writer.h"

#include <gtest/gtest.h>

#include <string>

#include "model/core/exception.h"
#include "model/storage/text_storage.h"
#include "model/storage/tree_file.h"

namespace {

using TextNode = TextStorage::TextNode;

std::string Written(const StorageNode& node, int level = 0, int codePage = -1) {
    std::string out;
    WriteNode(out, node, level, codePage);
    return out;
}

TEST(WriteNode, IndentsFourSpacesPerLevelWithCrLf) {
    TextNode root("Meridane_Suite_Software_Project");
    root.AddChild("PatientInfo")->AddChild("Name")->SetValue("John Doe");
    root.AddChild("Next_Item");
    EXPECT_EQ(Written(root),
              "Meridane_Suite_Software_Project\r\n{\r\n"
              "    PatientInfo\r\n    {\r\n        Name \"John Doe\"\r\n    }\r\n"
              "    Next_Item\r\n    {\r\n    }\r\n"
              "}\r\n");
}

TEST(WriteNode, EmptyValueIsQuotedAndNodeWithoutValueIsABlock) {
    TextNode root("Root");
    root.AddChild("Empty")->SetValue("");
    root.AddChild("NoValue");
    const std::string text = Written(root);
    EXPECT_NE(text.find("    Empty \"\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("    NoValue\r\n    {\r\n    }\r\n"), std::string::npos);

    TextNode back;
    ParseTree(text, back, nullptr);
    EXPECT_TRUE(back.FindChild("Empty")->IsLeaf());
    EXPECT_EQ(back.FindChild("Empty")->GetValue(), "");
    EXPECT_FALSE(static_cast<TextNode*>(back.FindChild("NoValue"))->HasValue());
}

TEST(WriteNode, SixtyFourBytesStayOnOneLine) {
    TextNode node("Text");
    node.SetValue(std::string(64, 'a'));
    EXPECT_EQ(Written(node, 1), "    Text \"" + std::string(64, 'a') + "\"\r\n");
}

TEST(WriteNode, LongerValuesAreCutInto64BytePieces) {
    TextNode node("Text");
    node.SetValue(std::string(64, 'a') + "b");
    EXPECT_EQ(Written(node, 1),
              "    Text \"" + std::string(64, 'a') + "\" \\\r\n        \"b\"\r\n");

    // Each piece is escaped by itself, so an escape never straddles two pieces.
    node.SetValue(std::string(63, 'x') + "\"\n" + std::string(70, 'y'));
    const std::string text = Written(node, 0);
    EXPECT_NE(text.find(std::string(63, 'x') + "\\\"\" \\\r\n    \"\\n"), std::string::npos);
}

TEST(WriteNode, CodePageLineFollowsTheRootBrace) {
    TextNode root("Root");
    root.AddChild("Sub")->AddChild("a")->SetValue("1");
    EXPECT_EQ(
        Written(root, 0, 1251),
        "Root\r\n{\r\nCodePage_ \"1251\"\r\n    Sub\r\n    {\r\n        a \"1\"\r\n    }\r\n}\r\n");
    EXPECT_EQ(Written(root, 0, -1).find("CodePage_"), std::string::npos);
}

TEST(WriteNode, RefusesNamesThatCouldNotBeReadBack) {
    for (const char* name : {"", "1abc", "two words", "dash-ed", "_under"}) {
        TextNode root("Root");
        root.AddChild(name)->SetValue("v");
        EXPECT_THROW(Written(root), Exception) << '"' << name << '"';
    }
}

TEST(WriteNode, RefusesTreesDeeperThanTheParserReads) {
    // Written from just below the limit, so the test need not build (and
    // indent) ten thousand levels.
    const int lastBlockLevel = TextStorage::kMaxDepth - 1;
    TextNode node("b");
    node.AddChild("leaf")->SetValue("a value adds no block");
    EXPECT_NO_THROW(Written(node, lastBlockLevel));
    node.AddChild("block");
    EXPECT_THROW(Written(node, lastBlockLevel), Exception);
}

TEST(WriteNode, EveryValueReadsBackUnchanged) {
    const std::string values[] = {
        "quote \" backslash \\ tab \t newline \n return \r",
        std::string("\x01\x07\x1B\x1F"
                    "7after",
                    10),
        std::string("\x02") + "123",
        std::string(200, '\\'),
        "\xC0\xE0\xFF\x98 high bytes",
        std::string(64, 'z'),
        std::string(65, 'z'),
        std::string(129, '"'),
        "",
    };
    TextNode root("Root");
    for (const std::string& value : values) root.AddChild("v")->SetValue(value);
    TextNode back;
    ParseTree(WriteTree(root, -1), back, nullptr);
    ASSERT_EQ(back.GetChildCount(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.GetChildAt(i)->GetValue(), values[i]) << i;
}

}  // namespace
