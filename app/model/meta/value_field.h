// ValueField<T, V>: a member of type V of record T, stored with the metaclass
// of V (a primitive, a nested record, an owning pointer or a container).
#pragma once

#include <memory>

#include "model/core/exception.h"
#include "model/meta/default_value.h"
#include "model/meta/field.h"
#include "model/meta/meta_class_for.h"

template <class T, class V>
class ValueField final : public BaseField<T> {
public:
    using MemberCallback = int (T::*)(V&);
    using FreeCallback = int (*)(V&);

    ValueField(std::string_view name, V T::*member) : BaseField<T>(name), m_member(member) {}

    // The value written when the node is missing.  At most one per field:
    // a second raises "Multiple default value macros for field".
    void SetDefault(std::unique_ptr<DefaultValueHolder> holder) {
        if (m_default) throw Exception("Multiple default value macros for field");
        m_default = std::move(holder);
    }
    const DefaultValueHolder* GetDefault() const { return m_default.get(); }

    // Called with the member after every load and before every save.
    void SetItemCallback(MemberCallback member, FreeCallback free) {
        m_memberCallback = member;
        m_freeCallback = free;
    }

    // A missing node writes the default (if any); a present one is read by the
    // metaclass of V.  Then the item callback.
    void Load(StorageNode* node, T& owner) override { Read(node, owner, false); }
    // The item callback, then the metaclass of V (nothing for a null node).
    void Save(StorageNode* node, T& owner) override { Write(node, owner, false); }
    void LoadRaw(StorageNode* node, T& owner) override { Read(node, owner, true); }
    // As Save, between the node's BeginBlock and EndBlock.
    void SaveRaw(StorageNode* node, T& owner) override { Write(node, owner, true); }
    void SelectVersion(const char* name) override { MetaClassFor<V>().SelectVersion(name); }

private:
    void Read(StorageNode* node, T& owner, bool raw) {
        V& member = owner.*m_member;
        if (node == nullptr) {
            if (m_default) m_default->Write(&member);
        } else {
            MetaClass<V>& meta = MetaClassFor<V>();
            ContextScope<V> scope(meta, &owner);
            raw ? meta.LoadRaw(node, member) : meta.Load(node, member);
        }
        CallItem(owner, member);
    }

    void Write(StorageNode* node, T& owner, bool raw) {
        if (node == nullptr) return;
        V& member = owner.*m_member;
        CallItem(owner, member);
        MetaClass<V>& meta = MetaClassFor<V>();
        ContextScope<V> scope(meta, &owner);
        if (raw) {
            node->BeginBlock();
            meta.SaveRaw(node, member);
            node->EndBlock();
        } else {
            meta.Save(node, member);
        }
    }

    void CallItem(T& owner, V& member) {
        if (m_memberCallback != nullptr)
            (owner.*m_memberCallback)(member);
        else if (m_freeCallback != nullptr)
            m_freeCallback(member);
    }

    V T::*m_member;
    std::unique_ptr<DefaultValueHolder> m_default;
    MemberCallback m_memberCallback = nullptr;
    FreeCallback m_freeCallback = nullptr;
};
