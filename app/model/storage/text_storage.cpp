#include "model/storage/text_storage.h"

#include <algorithm>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::size_t kBytesPerHexChild = 32;

// The value of one hexadecimal digit; upper and lower case are read alike and
// anything else counts as 0.
unsigned HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return static_cast<unsigned>(digit - '0');
    if (digit >= 'A' && digit <= 'F') return static_cast<unsigned>(digit - 'A' + 10);
    if (digit >= 'a' && digit <= 'f') return static_cast<unsigned>(digit - 'a' + 10);
    return 0;
}

}  // namespace

const std::uint8_t* TextStorage::TextNode::GetBinary(std::size_t& size) {
    m_binary.clear();
    for (std::size_t i = 0; i < GetChildCount(); ++i) {
        const std::string& digits = GetChildAt(i)->GetValue();
        for (std::size_t d = 0; d + 1 < digits.size(); d += 2) {
            m_binary.push_back(
                static_cast<std::uint8_t>(HexValue(digits[d]) << 4 | HexValue(digits[d + 1])));
        }
    }
    size = m_binary.size();
    return m_binary.empty() ? nullptr : m_binary.data();
}

void TextStorage::TextNode::SetBinary(const void* bytes, std::size_t size) {
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    if (size == 0 || data == nullptr) {
        AddChild("hex")->SetValue(std::string());
        return;
    }
    for (std::size_t start = 0; start < size; start += kBytesPerHexChild) {
        const std::size_t count = std::min(kBytesPerHexChild, size - start);
        std::string digits;
        digits.reserve(count * 2);
        for (std::size_t i = 0; i < count; ++i) {
            digits.push_back(kHexDigits[data[start + i] >> 4]);
            digits.push_back(kHexDigits[data[start + i] & 0x0F]);
        }
        AddChild("hex")->SetValue(digits);
    }
}
