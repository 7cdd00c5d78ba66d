// Item-number lists as sorted vectors without repeats, and the two set
// operations the query combination needs.
#pragma once

#include <cstdint>
#include <vector>

using NumberList = std::vector<std::int32_t>;

// Sorts list ascending and removes repeats.
void SortUnique(NumberList& list);
// The same for item numbers read from an index: numbers outside 0..0x3FFFFF
// (what an item identifier holds) are dropped, and a long list is sorted by
// marking the numbers present instead of comparing them.
void NormalizeItemNumbers(NumberList& list);
// Both inputs sorted without repeats; a becomes a ∩ b.
void IntersectInto(NumberList& a, const NumberList& b);
// Both inputs sorted without repeats; a becomes a \ b.
void SubtractFrom(NumberList& a, const NumberList& b);
