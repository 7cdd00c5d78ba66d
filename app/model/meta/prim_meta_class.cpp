#include "model/meta/prim_meta_class.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace prim_form {

void FromText(const std::string& text, int& value) {
    const long number = std::strtol(text.c_str(), nullptr, 10);
    value = number > INT_MAX ? INT_MAX : number < INT_MIN ? INT_MIN : static_cast<int>(number);
}

void FromText(const std::string& text, float& value) {
    value = std::strtof(text.c_str(), nullptr);
}

void FromText(const std::string& text, bool& value) {
    value = text == "true";
}

void FromText(const std::string& text, std::string& value) {
    value = text;
}

std::string ToText(int value) {
    return std::to_string(value);
}

std::string ToText(float value) {
    const int length = std::snprintf(nullptr, 0, "%f", static_cast<double>(value));
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, "%f", static_cast<double>(value));
    return text;
}

std::string ToText(bool value) {
    return value ? "true" : "false";
}

std::string ToText(const std::string& value) {
    return value;
}

namespace {

template <class N>
void CopyBytes(StorageNode& node, N& value) {
    std::size_t size = 0;
    const std::uint8_t* bytes = node.GetBinary(size);
    if (bytes != nullptr && size > 0) std::memcpy(&value, bytes, std::min(size, sizeof value));
}

}  // namespace

void FromBytes(StorageNode& node, int& value) {
    CopyBytes(node, value);
}

void FromBytes(StorageNode& node, float& value) {
    CopyBytes(node, value);
}

void FromBytes(StorageNode& node, bool& value) {
    std::size_t size = 0;
    const std::uint8_t* bytes = node.GetBinary(size);
    if (bytes != nullptr && size > 0) value = bytes[0] != 0;
}

void FromBytes(StorageNode& node, std::string& value) {
    std::size_t size = 0;
    const std::uint8_t* bytes = node.GetBinary(size);
    if (bytes == nullptr) {
        value.clear();  // the node is there, so an empty string was stored
    } else {
        value.assign(reinterpret_cast<const char*>(bytes), size);
    }
}

void ToBytes(StorageNode& node, int value) {
    node.SetBinary(&value, sizeof value);
}

void ToBytes(StorageNode& node, float value) {
    node.SetBinary(&value, sizeof value);
}

void ToBytes(StorageNode& node, bool value) {
    const std::uint8_t byte = value ? 1 : 0;
    node.SetBinary(&byte, 1);
}

void ToBytes(StorageNode& node, const std::string& value) {
    node.SetBinary(value.data(), value.size());
}

}  // namespace prim_form
