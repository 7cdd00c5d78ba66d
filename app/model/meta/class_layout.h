// ClassLayout<T>: the ordered field list of a persistent record T, per named
// version ("Default" first).  Declared once per class as a nested T::Layout
// whose constructor lists the fields in storage order (see layout.h for the
// declaration style).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/meta/binary_data.h"
#include "model/meta/container_field.h"
#include "model/meta/default_value.h"
#include "model/meta/field.h"
#include "model/meta/mem_fun_call_field.h"
#include "model/meta/type_registry.h"
#include "model/meta/value_field.h"

template <class T>
class ClassMetaClass;

// What Value() returns: adds a default or an item callback to the field.
template <class T, class V>
class ValueDeclaration {
public:
    explicit ValueDeclaration(ValueField<T, V>& field) : m_field(field) {}

    // The value written when the field's node is missing, converted to the
    // member's type.  A second default for one field raises "Multiple default
    // value macros for field".
    template <class X>
    ValueDeclaration& Default(const X& value) {
        m_field.SetDefault(std::make_unique<DefaultValueHolderImpl<V>>(ConvertDefault<V>(value)));
        return *this;
    }
    // A function called with the member after each load and before each save;
    // its result is ignored.
    ValueDeclaration& OnItem(int (T::*callback)(V&)) {
        m_field.SetItemCallback(callback, nullptr);
        return *this;
    }
    ValueDeclaration& OnItem(int (*callback)(V&)) {
        m_field.SetItemCallback(nullptr, callback);
        return *this;
    }

private:
    ValueField<T, V>& m_field;
};

// What Container() returns: binds an element callback.
template <class T, class C>
class ContainerDeclaration {
public:
    using Item = typename C::value_type;
    explicit ContainerDeclaration(ContainerField<T, C>& field) : m_field(field) {}

    // `mode` is an ItemCallbackMode; see item_callback.h.
    ContainerDeclaration& OnItem(int (T::*callback)(Item&), int mode) {
        m_field.SetCallback(callback, nullptr, mode);
        return *this;
    }
    ContainerDeclaration& OnItem(int (*callback)(Item&), int mode) {
        m_field.SetCallback(nullptr, callback, mode);
        return *this;
    }

private:
    ContainerField<T, C>& m_field;
};

template <class T>
class ClassLayout {
public:
    struct LayoutVersion {
        std::string name;
        std::vector<std::unique_ptr<Field<T>>> fields;
    };

    // `className` names the class in the type registry (Register()).
    explicit ClassLayout(const char* className)
        : m_className(className != nullptr ? className : "") {
        m_versions.push_back(std::make_unique<LayoutVersion>());
        m_versions.back()->name = "Default";
    }
    virtual ~ClassLayout() = default;
    ClassLayout(const ClassLayout&) = delete;
    ClassLayout& operator=(const ClassLayout&) = delete;

    // Called by the class metaclass before the fields; runs the declared base
    // record's layout (Base<B>()) on the same node and object, otherwise
    // nothing.  A layout may override it.
    virtual void ProcessBase(StorageNode* node, T& object, bool raw, bool isLoad,
                             const char* versionName) {
        if (m_processBase != nullptr) m_processBase(node, object, raw, isLoad, versionName);
    }

    const std::string& GetClassName() const { return m_className; }

    // Null selects the first version ("Default"); an unknown name is added as
    // a new version with no fields and selected.
    void SelectVersion(const char* name) {
        if (name == nullptr) {
            m_current = 0;
            return;
        }
        for (std::size_t i = 0; i < m_versions.size(); ++i) {
            if (m_versions[i]->name == name) {
                m_current = i;
                return;
            }
        }
        m_versions.push_back(std::make_unique<LayoutVersion>());
        m_versions.back()->name = name;
        m_current = m_versions.size() - 1;
    }

    const LayoutVersion& GetCurrentVersion() const { return *m_versions[m_current]; }
    std::size_t GetVersionCount() const { return m_versions.size(); }
    const std::string& GetVersionName(std::size_t index) const {
        return m_versions.at(index)->name;
    }
    // The fields of the current version, in storage order.
    std::size_t GetFieldCount() const { return GetCurrentVersion().fields.size(); }
    const Field<T>& GetField(std::size_t index) const {
        return *GetCurrentVersion().fields.at(index);
    }

protected:
    // ---- Declaration, in the constructor of T::Layout, in storage order. ----

    // A member stored with the metaclass of its type: int, float, bool,
    // std::string; a nested record (by value); an owning pointer to a
    // polymorphic record; a container of records.  `nodeName` passes
    // through MakeNodeName ("Symptom Version" is stored as Symptom_Version).
    template <class V, class Owner>
    ValueDeclaration<T, V> Value(std::string_view nodeName, V Owner::*member) {
        static_assert(std::is_base_of_v<Owner, T>,
                      "the member must belong to the record or a base of it");
        auto field = std::make_unique<ValueField<T, V>>(nodeName, static_cast<V T::*>(member));
        ValueField<T, V>& added = *field;
        AddField(std::move(field));
        return ValueDeclaration<T, V>(added);
    }

    // A container member (std::vector, std::list ...) that takes an element
    // callback with OnItem(function, mode).
    template <class C, class Owner>
    ContainerDeclaration<T, C> Container(std::string_view nodeName, C Owner::*member) {
        static_assert(std::is_base_of_v<Owner, T>,
                      "the member must belong to the record or a base of it");
        static_assert(kIsContainer<C>, "Container() takes a container member");
        auto field = std::make_unique<ContainerField<T, C>>(nodeName, static_cast<C T::*>(member));
        ContainerField<T, C>& added = *field;
        AddField(std::move(field));
        return ContainerDeclaration<T, C>(added);
    }

    // A byte block (children "hex") over `member`, with optional converters
    // (see BinaryDataField).
    template <class M, class Owner>
    void Bytes(std::string_view nodeName, M Owner::*member,
               typename BinaryDataField<T, M>::LoadConverter load = nullptr,
               typename BinaryDataField<T, M>::SaveConverter save = nullptr) {
        static_assert(std::is_base_of_v<Owner, T>,
                      "the member must belong to the record or a base of it");
        AddField(std::make_unique<BinaryDataField<T, M>>(nodeName, static_cast<M T::*>(member),
                                                         load, save));
    }

    // Member functions called at this place in the field order: `onLoad` when
    // loading, `onSave` when saving (either may be nullptr).
    template <class F>
    void Call(F onLoad, F onSave) {
        static_assert(std::is_member_function_pointer_v<F>, "Call() takes member functions");
        AddField(std::make_unique<MemFunCallField<T, F>>(onLoad, onSave));
    }
    template <class F>
    void Call(F onLoad, std::nullptr_t) {
        Call<F>(onLoad, F{});
    }
    template <class F>
    void Call(std::nullptr_t, F onSave) {
        Call<F>(F{}, onSave);
    }

    // The record's node holds the fields of base record B (run through B's
    // own layout, same version) before its own.
    template <class B>
    void Base() {
        static_assert(std::is_base_of_v<B, T> && !std::is_same_v<B, T>,
                      "Base<B>() takes a base class of the record");
        m_processBase = &RunBase<B>;
    }

    // Registers T under the class name given to the constructor; the first
    // registration of a name wins.
    void Register() { RegisterType<T>(m_className); }
    // Registers another class X under `typeName`.
    template <class X>
    void Register(const char* typeName) {
        RegisterType<X>(typeName);
    }

    // Later declarations go to the version `name` (added when new).
    void BeginVersion(const char* name) { SelectVersion(name); }

    void AddField(std::unique_ptr<Field<T>> field) {
        m_versions[m_current]->fields.push_back(std::move(field));
    }

private:
    using BaseRunner = void (*)(StorageNode*, T&, bool, bool, const char*);

    template <class B>
    static void RunBase(StorageNode* node, T& object, bool raw, bool isLoad,
                        const char* versionName) {
        ClassMetaClass<B>& meta = ClassMetaClass<B>::Instance();
        meta.SelectVersion(versionName);
        B& base = object;
        if (raw) {
            isLoad ? meta.LoadRaw(node, base) : meta.SaveRaw(node, base);
        } else {
            isLoad ? meta.Load(node, base) : meta.Save(node, base);
        }
    }

    std::string m_className;
    std::vector<std::unique_ptr<LayoutVersion>> m_versions;
    std::size_t m_current = 0;
    BaseRunner m_processBase = nullptr;
};
