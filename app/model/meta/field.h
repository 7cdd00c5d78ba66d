// Field<T>: one entry of the layout of record T, moving one member (or calling
// one member function) at its place in the field order.
#pragma once

#include <string>
#include <string_view>

#include "model/storage/node_name.h"
#include "model/storage/storage_node.h"

template <class T>
class Field {
public:
    virtual ~Field() = default;
    // The node name (already through MakeNodeName); empty for a call field.
    virtual const std::string& GetName() const = 0;
    // `node` is the field's child of the record's node: on load the child of
    // that name or null, on save a new child (null for call fields).
    virtual void Load(StorageNode* node, T& owner) = 0;
    virtual void Save(StorageNode* node, T& owner) = 0;
    virtual void LoadRaw(StorageNode* node, T& owner) = 0;
    virtual void SaveRaw(StorageNode* node, T& owner) = 0;
    // Passes the record's version on to the metaclass of the value.
    virtual void SelectVersion(const char* name) = 0;
};

// The name of a field, stored already converted by MakeNodeName.
template <class T>
class BaseField : public Field<T> {
public:
    explicit BaseField(std::string_view name) : m_name(MakeNodeName(name)) {}
    const std::string& GetName() const override { return m_name; }

private:
    std::string m_name;
};
