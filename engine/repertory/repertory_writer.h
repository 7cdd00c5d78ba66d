// Laying out a repertory file in memory, byte for byte as it goes to disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corvela/repertory.h"

// One rubric as the compiler collected it.  Rubrics are kept in pre-order
// (the order AddTopic creates them), so a rubric's index is its number.
struct CompiledRubric {
    std::string text;
    std::vector<std::int32_t> remedies;  // catalogue numbers
    std::vector<int> grades;             // parallel to remedies; the low 8 bits are stored
    std::int32_t parent = -1;            // index of the parent, -1 for the root
    std::int32_t childCount = 0;
    std::int32_t siblingIndex = 0;  // position among the parent's children
};

// Checks that everything fits the format and writes the file image into *out:
// header with its six counted strings, remedy table with its lists, then the
// rubric records in pre-order.  False, with *error naming the header text or
// the rubric (its number and text) that does not fit, when the format cannot
// hold the repertory; *out is then left empty.
bool WriteRepertoryImage(const RepertoryDescription& description,
                         const std::vector<CompiledRubric>& rubrics, std::vector<std::uint8_t>* out,
                         std::string* error);
