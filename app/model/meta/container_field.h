// ContainerField<T, C, Item>: a container member of record T whose elements
// may pass through an element callback (a member function of T or a free
// function) in one of the ItemCallbackMode modes.
#pragma once

#include "model/meta/container_meta_class.h"
#include "model/meta/field.h"
#include "model/meta/item_callback.h"

template <class T, class C, class Item = typename C::value_type>
class ContainerField final : public BaseField<T> {
public:
    using MemberCallback = int (T::*)(Item&);
    using FreeCallback = int (*)(Item&);
    using Meta = ContainerMetaClass<C, Item>;

    ContainerField(std::string_view name, C T::*member) : BaseField<T>(name), m_member(member) {}

    void SetCallback(MemberCallback member, FreeCallback free, int mode) {
        m_memberCallback = member;
        m_freeCallback = free;
        m_mode = mode;
    }

    void Load(StorageNode* node, T& owner) override { Run(node, owner, false, true); }
    void Save(StorageNode* node, T& owner) override { Run(node, owner, false, false); }
    void LoadRaw(StorageNode* node, T& owner) override { Run(node, owner, true, true); }
    void SaveRaw(StorageNode* node, T& owner) override { Run(node, owner, true, false); }
    void SelectVersion(const char* name) override { Meta::Instance().SelectVersion(name); }

private:
    // Builds the callback for this one operation and hands it to the metaclass.
    void Run(StorageNode* node, T& owner, bool raw, bool isLoad) {
        if (node == nullptr) return;
        Meta& meta = Meta::Instance();
        ContItemCallback<T, Item> callback(owner, m_memberCallback, m_freeCallback, m_mode);
        const bool bound = m_memberCallback != nullptr || m_freeCallback != nullptr;
        ItemCallback<Item>* previous = meta.GetCallback();
        meta.SetCallback(bound ? &callback : nullptr);
        struct Restore {
            Meta& meta;
            ItemCallback<Item>* previous;
            ~Restore() { meta.SetCallback(previous); }
        } restore{meta, previous};
        ContextScope<C> scope(meta, &owner);
        C& container = owner.*m_member;
        if (raw) {
            if (isLoad) {
                meta.LoadRaw(node, container);
            } else {
                node->BeginBlock();
                meta.SaveRaw(node, container);
                node->EndBlock();
            }
        } else {
            isLoad ? meta.Load(node, container) : meta.Save(node, container);
        }
    }

    C T::*m_member;
    MemberCallback m_memberCallback = nullptr;
    FreeCallback m_freeCallback = nullptr;
    int m_mode = kCallOnLoad;
};
