// A small family of records declared with field layouts, shaped like the case
// records: a chain of polymorphic items owned through "Next Item" pointers, a
// derived item with a container whose elements pass a callback and a 16-byte
// block, all inside a root record that holds the first item by value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/core/private_heap.h"
#include "model/meta/layout_fwd.h"

// An element of SampleNote's container; registered as "SampleEntry" although
// it is no item (as the case's topics are).
struct SampleEntry {
    struct Layout;
    static ClassLayout<SampleEntry>& GetLayout();

    int m_kind = 0;
    std::string m_text;
};

// The base item: Name, IsOpen, Count, Next Item, then a load hook that links
// the successor back.
class SampleItem {
public:
    MERIDANE_PRIVATE_HEAP(SampleItem)
    struct Layout;
    static ClassLayout<SampleItem>& GetLayout();

    SampleItem() = default;
    explicit SampleItem(std::string name) : m_name(std::move(name)) {}
    virtual ~SampleItem();  // deletes the successor
    SampleItem(const SampleItem&) = delete;
    SampleItem& operator=(const SampleItem&) = delete;

    virtual const char* GetTypeName() { return "SampleItem"; }
    virtual void Load(StorageNode* node, const char* version);
    virtual void Save(StorageNode* node, const char* version);
    virtual void LoadRaw(StorageNode* node, const char* version);
    virtual void SaveRaw(StorageNode* node, const char* version);

    // Links `item` (owned from now on) after the last item of the chain.
    void Append(SampleItem* item);

    std::string m_name;
    bool m_isOpen = true;
    int m_count = 0;
    SampleItem* m_next = nullptr;
    SampleItem* m_previous = nullptr;  // not stored
    int m_linkCalls = 0;               // how often the load hook ran

private:
    void LinkSuccessor();
};

// A derived item: the base fields, then Text, Weight (default 1.0 when the
// node is missing), Entries (callback: entries of kind < 0 are dropped on
// load; every save call is counted) and Id (a 16-byte block with converters).
class SampleNote : public SampleItem {
public:
    MERIDANE_PRIVATE_HEAP(SampleNote)
    struct Layout;
    static ClassLayout<SampleNote>& GetLayout();

    SampleNote() = default;
    explicit SampleNote(std::string name) : SampleItem(std::move(name)) {}

    const char* GetTypeName() override { return "SampleNote"; }
    void Load(StorageNode* node, const char* version) override;
    void Save(StorageNode* node, const char* version) override;
    void LoadRaw(StorageNode* node, const char* version) override;
    void SaveRaw(StorageNode* node, const char* version) override;

    std::string m_text;
    float m_weight = 0.5f;
    std::vector<SampleEntry> m_entries;
    std::array<std::uint8_t, 16> m_id{};

    int m_saveResult = 2;  // what the Id save converter answers (0, 1 or 2)
    int m_entryLoadCalls = 0;
    int m_entrySaveCalls = 0;
    std::size_t m_lastIdSize = 99;  // the size the Id load converter was given

private:
    int OnEntry(SampleEntry& entry);
    void LoadId(std::array<std::uint8_t, 16>& id, const std::uint8_t* bytes, std::size_t size);
    int SaveId(std::array<std::uint8_t, 16>& id, const std::uint8_t*& bytes, std::size_t& size);
    bool m_saving = false;
    void BeginLoad() { m_saving = false; }
    void BeginSave() { m_saving = true; }
};

// The root: Title, First (an item by value, head of the chain), Tags (a plain
// list of strings).
struct SampleCase {
    struct Layout;
    static ClassLayout<SampleCase>& GetLayout();

    std::string m_title = "untitled";
    SampleItem m_first;
    std::vector<std::string> m_tags;
};
