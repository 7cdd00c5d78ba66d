// ClassMetaClass<T>: stores a record T through its layout (T::GetLayout()) as a
// block whose children are the record's fields.
#pragma once

#include <type_traits>

#include "model/meta/class_layout.h"
#include "model/meta/meta_class.h"

template <class T>
class ClassMetaClass final : public MetaClassBase<T> {
public:
    // The metaclass of T; building it builds T's layout (which may throw
    // Exception, e.g. "Multiple default value macros for field").
    static ClassMetaClass& Instance() {
        static ClassMetaClass instance;
        return instance;
    }

    void Load(StorageNode* node, T& object) override { Walk(node, object, false, true); }
    void Save(StorageNode* node, T& object) override { Walk(node, object, false, false); }
    void LoadRaw(StorageNode* node, T& object) override { Walk(node, object, true, true); }
    void SaveRaw(StorageNode* node, T& object) override { Walk(node, object, true, false); }
    void SelectVersion(const char* name) override { m_layout.SelectVersion(name); }

    ClassLayout<T>& GetLayout() const { return m_layout; }

private:
    ClassMetaClass() : m_layout(T::GetLayout()) { m_layout.SelectVersion(nullptr); }

    // 1. nothing for a null node; 2. the layout's ProcessBase (a base record's
    // fields); 3. each field of the current version in order, with the child
    // of its name (found on load, added on save; none for call fields).
    void Walk(StorageNode* node, T& object, bool raw, bool isLoad) {
        if (node == nullptr) return;
        // The version is held by pointer: a nested record of the same class
        // may select versions while this walk runs.
        const auto& version = m_layout.GetCurrentVersion();
        const char* versionName = version.name.c_str();
        m_layout.ProcessBase(node, object, raw, isLoad, versionName);
        for (const auto& field : version.fields) {
            const std::string& name = field->GetName();
            StorageNode* child = nullptr;
            if (!name.empty()) child = isLoad ? node->FindChild(name) : node->AddChild(name);
            field->SelectVersion(versionName);
            if (raw) {
                isLoad ? field->LoadRaw(child, object) : field->SaveRaw(child, object);
            } else {
                isLoad ? field->Load(child, object) : field->Save(child, object);
            }
        }
    }

    ClassLayout<T>& m_layout;
};
