// Element callbacks: a function of the owning record (or a free function)
// called with each element of a container field, or with the member of a
// value field.
#pragma once

// When a container's callback is called.
enum ItemCallbackMode {
    // On load: called with each element read; the element is appended only
    // when the callback returns kAppendItem.  On save: not called.
    kCallOnLoad = 0,
    // On load: not called, every element is appended.  On save: called with
    // each element before it is written.
    kCallOnSave = 1,
    // Called on load (as kCallOnLoad) and on save (as kCallOnSave).
    kCallOnLoadAndSave = 2,
};

// The result that makes the container append the element read.
inline constexpr int kAppendItem = 2;

template <class Item>
class ItemCallback {
public:
    virtual ~ItemCallback() = default;
    virtual int GetMode() const = 0;
    virtual int Call(Item& item) = 0;
};

// An ItemCallback bound to a member function of the owner or to a free
// function; without either, Call returns kAppendItem.
template <class T, class Item>
class ContItemCallback final : public ItemCallback<Item> {
public:
    using MemberFunction = int (T::*)(Item&);
    using FreeFunction = int (*)(Item&);

    ContItemCallback(T& owner, MemberFunction member, FreeFunction free, int mode)
        : m_owner(owner), m_member(member), m_free(free), m_mode(mode) {}

    int GetMode() const override { return m_mode; }
    int Call(Item& item) override {
        if (m_member != nullptr) return (m_owner.*m_member)(item);
        if (m_free != nullptr) return m_free(item);
        return kAppendItem;
    }

private:
    T& m_owner;
    MemberFunction m_member;
    FreeFunction m_free;
    int m_mode;
};
