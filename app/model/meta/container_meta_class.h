// ContainerMetaClass<C, Item>: a container of records (std::vector, std::list
// and the like) stored as a block holding one child "Item" per element.
#pragma once

#include <utility>

#include "model/meta/item_callback.h"
#include "model/meta/meta_class.h"
#include "model/meta/meta_class_for.h"

template <class C, class Item = typename C::value_type>
class ContainerMetaClass final : public MetaClassBase<C> {
public:
    static ContainerMetaClass& Instance() {
        static ContainerMetaClass instance;
        return instance;
    }

    // The element callback of the next operation (set by the container field
    // for one operation); it applies to this container's own elements only.
    void SetCallback(ItemCallback<Item>* callback) { m_callback = callback; }
    ItemCallback<Item>* GetCallback() const { return m_callback; }

    // For each child in order, whatever its name: a temporary element is read
    // from it and appended when there is no callback, when the callback's mode
    // is kCallOnSave, or when the callback returns kAppendItem.  Elements
    // already in the container stay.
    void Load(StorageNode* node, C& container) override { Read(node, container, false); }
    // For each element in order: the callback first (modes kCallOnSave and
    // kCallOnLoadAndSave), then a child "Item" holding the element.
    void Save(StorageNode* node, C& container) override { Write(node, container, false); }
    void LoadRaw(StorageNode* node, C& container) override { Read(node, container, true); }
    void SaveRaw(StorageNode* node, C& container) override { Write(node, container, true); }

    void SelectVersion(const char* name) override { MetaClassFor<Item>().SelectVersion(name); }

private:
    ContainerMetaClass() = default;

    // Takes the callback for one operation, so that a nested container of the
    // same type runs without it.
    class TakeCallback {
    public:
        explicit TakeCallback(ContainerMetaClass& meta)
            : m_meta(meta), m_callback(std::exchange(meta.m_callback, nullptr)) {}
        ~TakeCallback() { m_meta.m_callback = m_callback; }
        TakeCallback(const TakeCallback&) = delete;
        TakeCallback& operator=(const TakeCallback&) = delete;
        ItemCallback<Item>* Get() const { return m_callback; }

    private:
        ContainerMetaClass& m_meta;
        ItemCallback<Item>* m_callback;
    };

    void Read(StorageNode* node, C& container, bool raw) {
        if (node == nullptr) return;
        TakeCallback taken(*this);
        ItemCallback<Item>* callback = taken.Get();
        MetaClass<Item>& element = MetaClassFor<Item>();
        for (std::size_t i = 0; i < node->GetChildCount(); ++i) {
            StorageNode* child = node->GetChildAt(i);
            Item item{};
            raw ? element.LoadRaw(child, item) : element.Load(child, item);
            if (callback == nullptr || callback->GetMode() == kCallOnSave ||
                callback->Call(item) == kAppendItem) {
                container.push_back(std::move(item));
            }
        }
    }

    void Write(StorageNode* node, C& container, bool raw) {
        if (node == nullptr) return;
        TakeCallback taken(*this);
        ItemCallback<Item>* callback = taken.Get();
        const bool callOnSave = callback != nullptr && (callback->GetMode() == kCallOnSave ||
                                                        callback->GetMode() == kCallOnLoadAndSave);
        MetaClass<Item>& element = MetaClassFor<Item>();
        for (auto& item : container) {
            if (callOnSave) callback->Call(item);
            StorageNode* child = node->AddChild("Item");
            child->BeginBlock();
            raw ? element.SaveRaw(child, item) : element.Save(child, item);
            child->EndBlock();
        }
    }

    ItemCallback<Item>* m_callback = nullptr;
};
