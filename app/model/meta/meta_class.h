// MetaClass<V>: knows how to move a value of type V into a storage node and
// back.  One metaclass per type, created on first use and kept for the run.
#pragma once

#include "model/storage/storage_node.h"

template <class V>
class MetaClass {
public:
    // Reads the value from `node`; a null node leaves the value untouched.
    virtual void Load(StorageNode* node, V& value) = 0;
    // Writes the value into `node` (nothing for a null node).
    virtual void Save(StorageNode* node, V& value) = 0;
    // The same through the node's byte operations (GetBinary, SetBinary).
    virtual void LoadRaw(StorageNode* node, V& value) = 0;
    virtual void SaveRaw(StorageNode* node, V& value) = 0;
    // The object that owns the value being processed; null outside a field's
    // operation.
    virtual void SetContext(void* owner) = 0;
    virtual void* GetContext() const = 0;
    // Selects the layout version by name (null: the first, "Default") for
    // records and passes it on to nested values; primitives ignore it.
    virtual void SelectVersion(const char* name) = 0;

protected:
    ~MetaClass() = default;
};

// The context slot shared by every metaclass.
template <class V>
class MetaClassBase : public MetaClass<V> {
public:
    void SetContext(void* owner) override { m_context = owner; }
    void* GetContext() const override { return m_context; }

protected:
    MetaClassBase() = default;
    ~MetaClassBase() = default;

private:
    void* m_context = nullptr;
};

// Sets a metaclass's context for one operation and puts the previous one back.
template <class V>
class ContextScope {
public:
    ContextScope(MetaClass<V>& meta, void* owner) : m_meta(meta), m_previous(meta.GetContext()) {
        meta.SetContext(owner);
    }
    ~ContextScope() { m_meta.SetContext(m_previous); }
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;

private:
    MetaClass<V>& m_meta;
    void* m_previous;
};
