// A small table keyed by remedy number: 17 buckets, a key in bucket
// (id >> 4) mod 17, each bucket in insertion order.  Its walk (bucket by
// bucket, each in insertion order) is the ranking's production order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class V>
class IdTable {
public:
    static constexpr std::size_t kBuckets = 17;

    static std::size_t BucketOf(std::uint32_t id) { return (id >> 4) % kBuckets; }

    // The value of `id`, or null.
    V* Find(std::uint32_t id) {
        for (auto& entry : m_buckets[BucketOf(id)])
            if (entry.first == id) return &entry.second;
        return nullptr;
    }
    // Adds `id` (which must not be present) with `value`.
    void Insert(std::uint32_t id, V value) {
        m_buckets[BucketOf(id)].emplace_back(id, std::move(value));
    }
    void Clear() {
        for (auto& bucket : m_buckets) bucket.clear();
    }
    const std::vector<std::pair<std::uint32_t, V>>& Bucket(std::size_t index) const {
        return m_buckets[index];
    }

private:
    std::array<std::vector<std::pair<std::uint32_t, V>>, kBuckets> m_buckets;
};
