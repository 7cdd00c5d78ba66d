// Private heaps for record classes that live in chains (case items, symptoms):
// the objects of one class come from a heap of its own, created with the first
// object and destroyed with the last one (a count of live objects decides).
//
// Usage, in the public part of the class:
//
//     class CSympthom {
//     public:
//         MERIDANE_PRIVATE_HEAP(CSympthom)
//         ...
//     };
//
// A derived class that does not repeat the macro shares its base's heap; one
// that repeats it gets a heap of its own.  Arrays (new[]) use the global heap.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>

// A pool of blocks of a few sizes, carved from larger slabs; destroying the
// heap releases every slab at once.
class PrivateHeap {
public:
    PrivateHeap();
    ~PrivateHeap();
    PrivateHeap(const PrivateHeap&) = delete;
    PrivateHeap& operator=(const PrivateHeap&) = delete;

    // A block of at least `size` bytes, aligned for any standard type; throws
    // std::bad_alloc when the system has no memory.
    void* Allocate(std::size_t size);
    // Returns a block from Allocate(size) with the same size.
    void Free(void* block, std::size_t size) noexcept;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The heap of `Class`, with its count of live objects.
template <class Class>
class PrivateHeapOf {
public:
    static void* Allocate(std::size_t size) {
        std::lock_guard<std::mutex> lock(s_mutex);
        if (s_heap == nullptr) s_heap = new PrivateHeap;
        void* block = s_heap->Allocate(size);
        ++s_live;
        return block;
    }

    static void Free(void* block, std::size_t size) noexcept {
        if (block == nullptr) return;
        std::lock_guard<std::mutex> lock(s_mutex);
        s_heap->Free(block, size);
        if (--s_live == 0) {
            delete s_heap;
            s_heap = nullptr;
        }
    }

    // Objects of the class allocated and not yet freed.
    static std::size_t LiveCount() {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_live;
    }

    // True while the heap exists (from the first object to the last).
    static bool Exists() {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_heap != nullptr;
    }

private:
    static inline std::mutex s_mutex;
    static inline PrivateHeap* s_heap = nullptr;
    static inline std::size_t s_live = 0;
};

// Gives `Class` its own operator new and delete over PrivateHeapOf<Class>.
#define MERIDANE_PRIVATE_HEAP(Class)                                          \
    static void* operator new(std::size_t size) {                             \
        static_assert(alignof(Class) <= alignof(std::max_align_t),            \
                      "private heaps serve ordinarily aligned classes only"); \
        return ::PrivateHeapOf<Class>::Allocate(size);                        \
    }                                                                         \
    static void operator delete(void* block, std::size_t size) noexcept {     \
        ::PrivateHeapOf<Class>::Free(block, size);                            \
    }
