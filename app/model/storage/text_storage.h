// The text storage: the program's one file format for structured data (case
// files, practitioner.txt, language files).  A tree of named nodes written as
// indented text; see docs/formats/text-storage.md.  The tree lives in
// TextStorage::TextNode; the writer is WriteNode (writer.h), the reader the
// Tokenizer and the Parser (tokenizer.h, parser.h); LoadObject and SaveObject
// (object_file.h) tie a file to an object through its field layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/storage/storage_node_base.h"

class TextStorage {
public:
    class TextNode;

    // Files of the text storage may not nest blocks deeper than this; the
    // parser refuses deeper files and the writer refuses deeper trees, so that
    // every file written can be read again.
    static constexpr int kMaxDepth = 10000;

    TextStorage() = delete;
};

// A node of the text storage: the name and children of StorageNodeBase, the
// value string with its has-value flag, and the buffer GetBinary fills.
class TextStorage::TextNode final : public StorageNodeBase {
public:
    TextNode() = default;
    explicit TextNode(const std::string& name) { SetName(name); }

    const std::string& GetValue() const override { return m_value; }
    void SetValue(const std::string& value) override {
        m_value = value;
        m_hasValue = true;
    }
    // False until SetValue is called.
    bool HasValue() const { return m_hasValue; }

    const std::uint8_t* GetBinary(std::size_t& size) override;
    void SetBinary(const void* bytes, std::size_t size) override;

    bool IsLeaf() const override { return m_hasValue && GetChildCount() == 0; }

protected:
    std::unique_ptr<StorageNode> CreateNode() const override {
        return std::make_unique<TextNode>();
    }

private:
    std::string m_value;
    bool m_hasValue = false;
    std::vector<std::uint8_t> m_binary;
};
