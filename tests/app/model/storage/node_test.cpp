// The in-memory tree: children, byte blocks and node names.
#include <gtest/gtest.h>

#include <vector>

#include "model/storage/node_name.h"
#include "model/storage/text_storage.h"

namespace {

using TextNode = TextStorage::TextNode;

TEST(TextNode, ChildrenKeepOrderAndDuplicateNames) {
    TextNode root("Root");
    StorageNode* first = root.AddChild("Item");
    root.AddChild("Other");
    StorageNode* second = root.AddChild("Item");
    EXPECT_EQ(root.GetChildCount(), 3u);
    EXPECT_EQ(root.FindChild("Item"), first);
    EXPECT_EQ(root.GetChildAt(2), second);
    EXPECT_EQ(root.GetChildAt(3), nullptr);
    EXPECT_EQ(root.FindChild("Missing"), nullptr);

    root.RemoveChild("Item");
    EXPECT_EQ(root.FindChild("Item"), second);
    root.RemoveChild("Missing");
    root.RemoveChildAt(7);
    EXPECT_EQ(root.GetChildCount(), 2u);
    root.RemoveChildAt(0);
    EXPECT_EQ(root.GetChildAt(0), second);
    root.RemoveAllChildren();
    EXPECT_EQ(root.GetChildCount(), 0u);
}

TEST(TextNode, BinaryIsHexInChunksOf32Bytes) {
    std::vector<std::uint8_t> bytes(33);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 0xA0);
    TextNode node("Block");
    node.SetBinary(bytes.data(), bytes.size());
    ASSERT_EQ(node.GetChildCount(), 2u);
    EXPECT_EQ(node.GetChildAt(0)->GetName(), "hex");
    EXPECT_EQ(node.GetChildAt(0)->GetValue().size(), 64u);
    EXPECT_EQ(node.GetChildAt(0)->GetValue().substr(0, 6), "A0A7AE");
    EXPECT_EQ(node.GetChildAt(1)->GetValue(), "80");  // (32 * 7 + 0xA0) & 0xFF

    std::size_t size = 0;
    const std::uint8_t* back = node.GetBinary(size);
    ASSERT_EQ(size, bytes.size());
    EXPECT_EQ(std::vector<std::uint8_t>(back, back + size), bytes);
}

TEST(TextNode, EmptyBinaryIsOneEmptyHexChild) {
    TextNode node("Block");
    node.SetBinary(nullptr, 0);
    ASSERT_EQ(node.GetChildCount(), 1u);
    EXPECT_EQ(node.GetChildAt(0)->GetValue(), "");
    std::size_t size = 7;
    EXPECT_EQ(node.GetBinary(size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(TextNode, GetBinaryReadsAnyChildrenAndOddDigits) {
    TextNode node("Block");
    node.AddChild("hex")->SetValue("0aFf");
    node.AddChild("other")->SetValue("123");                    // odd: the last digit is dropped
    node.AddChild("nested")->AddChild("deep")->SetValue("EE");  // no value of its own
    std::size_t size = 0;
    const std::uint8_t* bytes = node.GetBinary(size);
    ASSERT_EQ(size, 3u);
    EXPECT_EQ(bytes[0], 0x0A);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0x12);
}

TEST(MakeNodeName, ReplacesTheTenCharactersOnly) {
    EXPECT_EQ(MakeNodeName("Symptom Version"), "Symptom_Version");
    EXPECT_EQ(MakeNodeName("a{b}c,d\\e/f\"g!h:i.j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(MakeNodeName("Keep-these_#1?"), "Keep-these_#1?");
    EXPECT_EQ(MakeNodeName("Meridane Suite Software Project"), "Meridane_Suite_Software_Project");
}

}  // namespace
