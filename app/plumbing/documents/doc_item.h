// CDocItem: the record a document shows (a case item, an analysis, ...),
// borrowed, together with the type it was given as.  Whoever opens a document
// for a record passes it in (CDocManager::OpenNew, OpenOrActivate); the view
// factory reads it back with the type it expects, and gets null for a record
// of any other type.
//
//     CDocument* document = documents.OpenOrActivate(slot, analysis, title);
//     CAnalysis* shown = document->ItemAs<CAnalysis>();
//
// The type is the one the pointer had where it was passed: a CEpisode passed
// as a COneItem* is read back as COneItem only.
#pragma once

#include <cstddef>
#include <type_traits>
#include <typeinfo>

// What a document can carry: a record of a named, modifiable type (not void,
// not const), so that it can be read back as the same type.
template <class T>
concept DocRecord = !std::is_void_v<T> && !std::is_const_v<T>;

class CDocItem {
public:
    CDocItem() = default;
    CDocItem(std::nullptr_t) {}  // NOLINT: null converts like a pointer
    template <DocRecord T>
    CDocItem(T* item)  // NOLINT: records convert like pointers
        : m_address(item), m_type(item != nullptr ? &typeid(T) : nullptr) {}

    // The record as `T`; null when empty or recorded with another type.
    template <class T>
    T* As() const {
        return m_type != nullptr && *m_type == typeid(T) ? static_cast<T*>(m_address) : nullptr;
    }

    // The record's address, for finding a document by its record.
    void* Address() const { return m_address; }
    bool IsEmpty() const { return m_address == nullptr; }

private:
    void* m_address = nullptr;
    const std::type_info* m_type = nullptr;
};
