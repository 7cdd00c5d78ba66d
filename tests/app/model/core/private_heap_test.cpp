// Private heaps: one per class, alive from the first object to the last.
#include "model/core/private_heap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class HeapBase {
public:
    MERIDANE_PRIVATE_HEAP(HeapBase)
    virtual ~HeapBase() = default;
    int m_value = 1;
};

// Shares its base's heap.
class SharesHeap : public HeapBase {
public:
    char m_payload[100] = {};
};

// Has a heap of its own.
class OwnHeap : public HeapBase {
public:
    MERIDANE_PRIVATE_HEAP(OwnHeap)
    double m_values[7] = {};
};

TEST(PrivateHeap, LivesFromTheFirstObjectToTheLast) {
    EXPECT_FALSE(PrivateHeapOf<HeapBase>::Exists());
    auto* first = new HeapBase;
    auto* second = new HeapBase;
    EXPECT_TRUE(PrivateHeapOf<HeapBase>::Exists());
    EXPECT_EQ(PrivateHeapOf<HeapBase>::LiveCount(), 2u);
    delete first;
    EXPECT_TRUE(PrivateHeapOf<HeapBase>::Exists());
    delete second;
    EXPECT_FALSE(PrivateHeapOf<HeapBase>::Exists());
    EXPECT_EQ(PrivateHeapOf<HeapBase>::LiveCount(), 0u);
}

TEST(PrivateHeap, DerivedClassesUseTheHeapTheirDeclarationNames) {
    std::vector<std::unique_ptr<HeapBase>> objects;
    objects.emplace_back(new SharesHeap);
    objects.emplace_back(new OwnHeap);
    objects.emplace_back(new HeapBase);
    EXPECT_EQ(PrivateHeapOf<HeapBase>::LiveCount(), 2u);
    EXPECT_EQ(PrivateHeapOf<OwnHeap>::LiveCount(), 1u);
    objects.erase(objects.begin() + 1);  // deleted through the base pointer
    EXPECT_FALSE(PrivateHeapOf<OwnHeap>::Exists());
    objects.clear();
    EXPECT_FALSE(PrivateHeapOf<HeapBase>::Exists());
}

TEST(PrivateHeap, ManyObjectsOfMixedSizesComeAndGo) {
    std::vector<HeapBase*> objects;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 5000; ++i) {
            HeapBase* object = i % 3 == 0 ? new SharesHeap : new HeapBase;
            object->m_value = i;
            objects.push_back(object);
        }
        for (std::size_t i = 0; i < objects.size(); i += 2) {
            EXPECT_EQ(objects[i]->m_value, static_cast<int>(i % 5000));
            delete objects[i];
            objects[i] = nullptr;
        }
        for (HeapBase* object : objects) delete object;
        objects.clear();
        EXPECT_FALSE(PrivateHeapOf<HeapBase>::Exists());
    }
}

}  // namespace
