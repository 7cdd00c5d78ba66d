// PrimMetaClass<V>: the metaclasses of the primitive values and their text
// forms in a node.
//
//   int          decimal text; read like the C library's atoi (leading blanks,
//                optional sign, digits; anything else gives 0; clamped to int)
//   float        written "%f" (six decimals: 1 is "1.000000"); read like atof
//   bool         "true" or "false"; any other text reads as false
//   std::string  the text unchanged (the program's CString and CStdString)
//
// The raw forms: an int or a float as its 4 bytes, a bool as one byte, a
// string as its characters without terminator.
#pragma once

#include <string>
#include <type_traits>

#include "model/meta/meta_class.h"

// The program's two narrow string classes are the same type here; both names
// stay usable in declarations.
using CString = std::string;
using CStdString = std::string;

namespace prim_form {
void FromText(const std::string& text, int& value);
void FromText(const std::string& text, float& value);
void FromText(const std::string& text, bool& value);
void FromText(const std::string& text, std::string& value);
std::string ToText(int value);
std::string ToText(float value);
std::string ToText(bool value);
std::string ToText(const std::string& value);
void FromBytes(StorageNode& node, int& value);
void FromBytes(StorageNode& node, float& value);
void FromBytes(StorageNode& node, bool& value);
void FromBytes(StorageNode& node, std::string& value);
void ToBytes(StorageNode& node, int value);
void ToBytes(StorageNode& node, float value);
void ToBytes(StorageNode& node, bool value);
void ToBytes(StorageNode& node, const std::string& value);
}  // namespace prim_form

template <class V>
inline constexpr bool kIsPrimitive = std::is_same_v<V, int> || std::is_same_v<V, float> ||
                                     std::is_same_v<V, bool> || std::is_same_v<V, std::string>;

template <class V>
class PrimMetaClass final : public MetaClassBase<V> {
    static_assert(kIsPrimitive<V>, "primitive values are int, float, bool and std::string");

public:
    static PrimMetaClass& Instance() {
        static PrimMetaClass instance;
        return instance;
    }

    void Load(StorageNode* node, V& value) override {
        if (node != nullptr) prim_form::FromText(node->GetValue(), value);
    }
    void Save(StorageNode* node, V& value) override {
        if (node != nullptr) node->SetValue(prim_form::ToText(value));
    }
    void LoadRaw(StorageNode* node, V& value) override {
        if (node != nullptr) prim_form::FromBytes(*node, value);
    }
    void SaveRaw(StorageNode* node, V& value) override {
        if (node != nullptr) prim_form::ToBytes(*node, value);
    }
    void SelectVersion(const char*) override {}

private:
    PrimMetaClass() = default;
};
