#include "model/core/private_heap.h"

#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define MERIDANE_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define MERIDANE_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define MERIDANE_POISON(p, n) ((void)(p), (void)(n))
#define MERIDANE_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);
constexpr std::size_t kSlabBytes = 16 * 1024;

std::size_t RoundUp(std::size_t size) {
    if (size == 0) size = 1;
    return (size + kAlignment - 1) / kAlignment * kAlignment;
}

// Blocks of one size: the slabs they were cut from and the free ones.  Free
// blocks are kept in a separate list, so that freed memory can stay poisoned
// under AddressSanitizer.
struct SizeClass {
    std::size_t blockSize = 0;
    std::vector<unsigned char*> slabs;
    std::vector<std::size_t> slabSizes;
    std::vector<void*> freeBlocks;
    std::size_t totalBlocks = 0;
};

}  // namespace

struct PrivateHeap::Impl {
    std::vector<SizeClass> classes;

    SizeClass& ClassFor(std::size_t blockSize) {
        for (SizeClass& sizeClass : classes) {
            if (sizeClass.blockSize == blockSize) return sizeClass;
        }
        classes.push_back(SizeClass{});
        classes.back().blockSize = blockSize;
        return classes.back();
    }

    static void Grow(SizeClass& sizeClass) {
        const std::size_t count =
            sizeClass.blockSize >= kSlabBytes / 4 ? 1 : kSlabBytes / sizeClass.blockSize;
        const std::size_t bytes = count * sizeClass.blockSize;
        auto* slab =
            static_cast<unsigned char*>(::operator new (bytes, std::align_val_t{kAlignment}));
        sizeClass.slabs.push_back(slab);
        sizeClass.slabSizes.push_back(bytes);
        sizeClass.totalBlocks += count;
        sizeClass.freeBlocks.reserve(sizeClass.totalBlocks);
        for (std::size_t i = count; i-- > 0;)
            sizeClass.freeBlocks.push_back(slab + i * sizeClass.blockSize);
        MERIDANE_POISON(slab, bytes);
    }
};

PrivateHeap::PrivateHeap() : m_impl(std::make_unique<Impl>()) {}

PrivateHeap::~PrivateHeap() {
    for (SizeClass& sizeClass : m_impl->classes) {
        for (std::size_t i = 0; i < sizeClass.slabs.size(); ++i) {
            MERIDANE_UNPOISON(sizeClass.slabs[i], sizeClass.slabSizes[i]);
            ::operator delete (sizeClass.slabs[i], std::align_val_t{kAlignment});
        }
    }
}

void* PrivateHeap::Allocate(std::size_t size) {
    SizeClass& sizeClass = m_impl->ClassFor(RoundUp(size));
    if (sizeClass.freeBlocks.empty()) Impl::Grow(sizeClass);
    void* block = sizeClass.freeBlocks.back();
    sizeClass.freeBlocks.pop_back();
    MERIDANE_UNPOISON(block, sizeClass.blockSize);
    return block;
}

void PrivateHeap::Free(void* block, std::size_t size) noexcept {
    SizeClass& sizeClass = m_impl->ClassFor(RoundUp(size));
    MERIDANE_POISON(block, sizeClass.blockSize);
    // Never reallocates: the list was reserved for every block of the class.
    sizeClass.freeBlocks.push_back(block);
}
