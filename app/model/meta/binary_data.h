// Byte blocks: a member (or anything the record keeps) stored as raw bytes in
// children "hex" of the field's node (StorageNode::SetBinary).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

#include "model/core/exception.h"
#include "model/meta/field.h"
#include "model/meta/meta_class.h"

// A run of bytes handed between a byte-block field and its metaclass.
struct ByteBlock {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// The metaclass of byte blocks.  Load points the block at the node's bytes
// (owned by the node); Save writes the block with SetBinary.  The raw
// operations are the same.  The parameter names the handle type of the block
// and is int* throughout.
template <class P = int*>
class BinaryDataMetaClass final : public MetaClassBase<ByteBlock> {
public:
    static BinaryDataMetaClass& Instance() {
        static BinaryDataMetaClass instance;
        return instance;
    }
    void Load(StorageNode* node, ByteBlock& block) override {
        if (node != nullptr) block.data = node->GetBinary(block.size);
    }
    void Save(StorageNode* node, ByteBlock& block) override {
        if (node != nullptr) node->SetBinary(block.data, block.size);
    }
    void LoadRaw(StorageNode* node, ByteBlock& block) override { Load(node, block); }
    void SaveRaw(StorageNode* node, ByteBlock& block) override { Save(node, block); }
    void SelectVersion(const char*) override {}

private:
    BinaryDataMetaClass() = default;
};

// What a save converter did with the bytes it returns.
enum ByteBlockResult {
    kBytesNone = 0,   // nothing is written (no "hex" children)
    kBytesOwned = 1,  // the bytes are written, then released with delete[]
    kBytesKept = 2,   // the bytes are written; they belong to the object
};

// A byte-block field of record T over member M.  The converters are member
// functions of T called with the member first, so they may keep the bytes
// anywhere in the record:
//
//   void LoadConverter(M& member, const std::uint8_t* bytes, std::size_t size);
//       bytes: a copy of the node's bytes, released after the call (null with
//       size 0 when the node holds none);
//   int SaveConverter(M& member, const std::uint8_t*& bytes, std::size_t& size);
//       returns a ByteBlockResult.
//
// Without a load converter up to sizeof(M) bytes are copied into the member;
// without a save converter the member's own bytes are written.  A missing
// node leaves the record untouched.
template <class T, class M>
class BinaryDataField final : public BaseField<T> {
public:
    using LoadConverter = void (T::*)(M& member, const std::uint8_t* bytes, std::size_t size);
    using SaveConverter = int (T::*)(M& member, const std::uint8_t*& bytes, std::size_t& size);

    static constexpr bool kCopyable = std::is_trivially_copyable_v<M> && !std::is_same_v<M, bool>;

    BinaryDataField(std::string_view name, M T::*member, LoadConverter load, SaveConverter save)
        : BaseField<T>(name), m_member(member), m_load(load), m_save(save) {
        if (!kCopyable && (load == nullptr || save == nullptr)) {
            throw Exception("Byte block field '%.200s' needs both converters",
                            this->GetName().c_str());
        }
    }

    void Load(StorageNode* node, T& owner) override { Read(node, owner, false); }
    void Save(StorageNode* node, T& owner) override { Write(node, owner, false); }
    void LoadRaw(StorageNode* node, T& owner) override { Read(node, owner, true); }
    void SaveRaw(StorageNode* node, T& owner) override { Write(node, owner, true); }
    void SelectVersion(const char*) override {}

private:
    void Read(StorageNode* node, T& owner, bool raw) {
        if (node == nullptr) return;
        auto& meta = BinaryDataMetaClass<int*>::Instance();
        ByteBlock block;
        {
            ContextScope<ByteBlock> scope(meta, &owner);
            raw ? meta.LoadRaw(node, block) : meta.Load(node, block);
        }
        M& member = owner.*m_member;
        if (m_load == nullptr) {
            if constexpr (kCopyable) {
                if (block.data != nullptr)
                    std::memcpy(&member, block.data, std::min(block.size, sizeof(M)));
            }
            return;
        }
        std::unique_ptr<std::uint8_t[]> copy;
        if (block.size > 0 && block.data != nullptr) {
            copy.reset(new std::uint8_t[block.size]);
            std::memcpy(copy.get(), block.data, block.size);
        }
        (owner.*m_load)(member, copy.get(), copy ? block.size : 0);
    }

    void Write(StorageNode* node, T& owner, bool raw) {
        if (node == nullptr) return;
        auto& meta = BinaryDataMetaClass<int*>::Instance();
        ContextScope<ByteBlock> scope(meta, &owner);
        M& member = owner.*m_member;
        node->BeginBlock();
        ByteBlock block;
        int result = kBytesKept;
        std::unique_ptr<const std::uint8_t[]> owned;
        if (m_save == nullptr) {
            if constexpr (kCopyable) {
                block.data = reinterpret_cast<const std::uint8_t*>(&member);
                block.size = sizeof(M);
            }
        } else {
            result = (owner.*m_save)(member, block.data, block.size);
            if (result == kBytesOwned) owned.reset(block.data);
        }
        if (result == kBytesOwned || result == kBytesKept)
            raw ? meta.SaveRaw(node, block) : meta.Save(node, block);
        node->EndBlock();
    }

    M T::*m_member;
    LoadConverter m_load;
    SaveConverter m_save;
};
