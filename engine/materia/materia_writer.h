// Laying out a materia medica file in memory, byte for byte as it goes to disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corvela/materia_medica.h"

// One article as the compiler collected it; its position in the list is its
// article number.  The name and title only resolved the remedy; neither is
// written.
struct CompiledArticle {
    std::int32_t remedy = -1;  // catalogue number, -1 for no remedy
    std::string name;
    std::string title;
    std::string text;  // plain text, what the word index is built from
    std::string rtf;   // empty when none was given
};

// Checks that everything fits the format and writes the file image into *out:
// header with its six counted strings, the article table, then the article
// records in list order.  False, with *error naming the header text or the
// article that does not fit, when the format cannot hold the materia medica;
// *out is then left empty.
bool WriteMateriaMedicaImage(const MateriaMedicaDescription& description,
                             const std::vector<CompiledArticle>& articles,
                             std::vector<std::uint8_t>* out, std::string* error);
