// The values the tool accepts for a symptom's weight.
#pragma once

#include <string>

#include "console.h"

namespace meridane_case {

// The program keeps weights between 1 and 4 (the views cycle 1, 2, 3, 4).
inline bool ParseWeight(const std::string& text, int* weight) {
    return ParseNumber(text, weight) && *weight >= 1 && *weight <= 4;
}

}  // namespace meridane_case
