// MemFunCallField<T, F>: a member function of record T called at its place in
// the field order, one on load and one on save (either may be absent).  F is
// a parameterless member function returning nothing or a bool (ignored).  The
// raw operations call the same functions.
#pragma once

#include "model/meta/field.h"

template <class T, class F>
class MemFunCallField final : public Field<T> {
public:
    MemFunCallField(F onLoad, F onSave) : m_onLoad(onLoad), m_onSave(onSave) {}

    const std::string& GetName() const override { return m_name; }
    void Load(StorageNode*, T& owner) override { Call(m_onLoad, owner); }
    void Save(StorageNode*, T& owner) override { Call(m_onSave, owner); }
    void LoadRaw(StorageNode*, T& owner) override { Call(m_onLoad, owner); }
    void SaveRaw(StorageNode*, T& owner) override { Call(m_onSave, owner); }
    void SelectVersion(const char*) override {}

private:
    static void Call(F function, T& owner) {
        if (function != nullptr) (owner.*function)();
    }

    std::string m_name;  // always empty: the field has no node
    F m_onLoad;
    F m_onSave;
};
