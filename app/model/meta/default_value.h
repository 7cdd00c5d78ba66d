// Default values of fields, written into the member when its node is missing.
#pragma once

#include <string>
#include <type_traits>
#include <utility>

class DefaultValueHolder {
public:
    virtual ~DefaultValueHolder() = default;
    // Writes the default into `member`, which has the holder's type.
    virtual void Write(void* member) const = 0;
};

// The holder of a member of type X (int, float, double, text ...); the
// declared constant is converted to X when the holder is made, so a float
// field declared with 1.0 holds the float 1.0.
template <class X>
class DefaultValueHolderImpl final : public DefaultValueHolder {
public:
    explicit DefaultValueHolderImpl(X value) : m_value(std::move(value)) {}
    void Write(void* member) const override { *static_cast<X*>(member) = m_value; }
    const X& GetValue() const { return m_value; }

private:
    X m_value;
};

// `value` converted to a member of type X (a null text gives an empty string).
template <class X, class From>
X ConvertDefault(const From& value) {
    if constexpr (std::is_same_v<X, std::string> &&
                  (std::is_pointer_v<std::decay_t<From>> || std::is_array_v<From>)) {
        const char* text = value;
        return text != nullptr ? std::string(text) : std::string();
    } else {
        return static_cast<X>(value);
    }
}
