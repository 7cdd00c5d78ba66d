// A node of the stored tree: a name, an optional text value and ordered
// children.  The field layouts move objects into such trees and back; the text
// storage writes and reads them as files.  The order of the operations is the
// node's interface order and is kept as it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class StorageNode {
public:
    // Deletes the node and, through it, its children.
    virtual ~StorageNode() = default;

    virtual const std::string& GetName() const = 0;
    virtual void SetName(const std::string& name) = 0;

    // The node's text value; empty for a node that never had one.
    virtual const std::string& GetValue() const = 0;
    // Stores the value and marks the node as having one.
    virtual void SetValue(const std::string& value) = 0;

    // The bytes held as hexadecimal text by all children, in order, whatever
    // their names: a buffer owned by the node, valid until the next call or the
    // node's end; `size` receives its length.  Null with size 0 when there are
    // no bytes.
    virtual const std::uint8_t* GetBinary(std::size_t& size) = 0;
    // Appends children "hex", each holding up to 32 bytes as 64 upper-case
    // hexadecimal digits; size 0 appends one "hex" child with an empty value.
    virtual void SetBinary(const void* bytes, std::size_t size) = 0;

    virtual std::size_t GetChildCount() const = 0;
    // Appends a new empty node of the same kind named `name` (names need not be
    // unique) and returns it; the node owns it.
    virtual StorageNode* AddChild(const std::string& name) = 0;
    // Deletes the first child of that name; nothing when there is none.
    virtual void RemoveChild(const std::string& name) = 0;
    // Deletes the child at `index`; nothing when the index is not below the count.
    virtual void RemoveChildAt(std::size_t index) = 0;
    virtual void RemoveAllChildren() = 0;
    // The first child of that name in child order, or null.
    virtual StorageNode* FindChild(const std::string& name) const = 0;
    // The child at `index`, or null when the index is not below the count.
    virtual StorageNode* GetChildAt(std::size_t index) const = 0;

    // True when the node has a value and no children.
    virtual bool IsLeaf() const = 0;

    // Called around the writing of a nested object; nothing in the text storage.
    virtual void BeginBlock() = 0;
    virtual void EndBlock() = 0;
};
