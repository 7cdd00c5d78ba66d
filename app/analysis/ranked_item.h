// One entry of the ranked list of an analysis: a remedy with its rubric
// count and weighted grade sum, and the boxes where the remedy column last
// drew it (for hit testing; empty after every calculation).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rectangle in view coordinates; all zero when nothing was drawn.
struct RankBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class CItems {
public:
    std::string m_name;          // the remedy's short name; empty when the catalogue lacks it
    std::uint32_t m_remedy = 0;  // the engine's remedy number
    int m_weight = 0;            // sum of grade x symptom weight over the counted entries
    int m_count = 0;             // counted entries naming the remedy
    RankBox m_nameBox;
    RankBox m_figuresBox;
};

// The ranked list, in display order; owned by the ranking view.
using RankedList = std::vector<CItems>;
