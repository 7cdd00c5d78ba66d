// PlmClassPtrMetaClass<T, T*>: an owning pointer to a polymorphic record
// derived from T, stored as a block holding one child named by the pointee's
// type name.
//
// T (and every class registered for it) provides, usually as virtual
// functions defined with LoadWithLayout and friends (layout.h):
//   const char* GetTypeName();                          the registered name
//   void Load(StorageNode* node, const char* version);  and Save, LoadRaw, SaveRaw
#pragma once

#include <string>
#include <type_traits>

#include "model/core/exception.h"
#include "model/meta/meta_class.h"
#include "model/meta/type_registry.h"

template <class T, class P = T*>
class PlmClassPtrMetaClass final : public MetaClassBase<P> {
    static_assert(std::is_same_v<P, T*> && std::is_class_v<T>,
                  "owning pointers are stored as pointers to records");

public:
    static PlmClassPtrMetaClass& Instance() {
        static PlmClassPtrMetaClass instance;
        return instance;
    }

    // Takes the node's first child, creates an object of the class registered
    // under the child's name, stores it in `pointer` (a previous pointee is not
    // released) and loads it from the child.  No child: the pointer stays.
    // Throws "Type '%s' was not registered" for an unknown name and "Type '%s'
    // is not a kind of the stored pointer" for a registered class not derived
    // from T.
    void Load(StorageNode* node, P& pointer) override { Read(node, pointer, false); }
    // Nothing for a null pointer (the field's node stays an empty block); else a
    // child named by GetTypeName holding the object.
    void Save(StorageNode* node, P& pointer) override { Write(node, pointer, false); }
    void LoadRaw(StorageNode* node, P& pointer) override { Read(node, pointer, true); }
    void SaveRaw(StorageNode* node, P& pointer) override { Write(node, pointer, true); }

    void SelectVersion(const char* name) override {
        m_hasVersion = name != nullptr;
        m_version = name != nullptr ? name : "";
    }

private:
    PlmClassPtrMetaClass() = default;

    void Read(StorageNode* node, P& pointer, bool raw) {
        if (node == nullptr) return;
        StorageNode* child = node->GetChildAt(0);
        if (child == nullptr) return;
        const std::string& typeName = child->GetName();
        const TypeCreator* creator = FindTypeCreator(typeName);
        if (creator == nullptr)
            throw Exception("Type '%.900s' was not registered", typeName.c_str());
        T* object = CreateRegisteredAs<T>(*creator);
        if (object == nullptr)
            throw Exception("Type '%.900s' is not a kind of the stored pointer", typeName.c_str());
        pointer = object;
        // A copy: a nested pointer of the same kind selects versions too.
        const std::string version = m_version;
        const char* name = m_hasVersion ? version.c_str() : nullptr;
        raw ? object->LoadRaw(child, name) : object->Load(child, name);
    }

    void Write(StorageNode* node, P& pointer, bool raw) {
        if (node == nullptr || pointer == nullptr) return;
        StorageNode* child = node->AddChild(pointer->GetTypeName());
        const std::string version = m_version;
        const char* name = m_hasVersion ? version.c_str() : nullptr;
        child->BeginBlock();
        raw ? pointer->SaveRaw(child, name) : pointer->Save(child, name);
        child->EndBlock();
    }

    bool m_hasVersion = false;
    std::string m_version;
};
