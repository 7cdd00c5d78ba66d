// The repertory source (.rps): header lines, then one rubric per line, its
// depth given by leading TABs, its text, and optionally a TAB and the remedy
// list "NAME:GRADE NAME:GRADE ...".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "source_error.h"
#include "source_header.h"

namespace corvela_sources {

struct SourceRemedy {
    std::string name;  // as written, code page 1251
    int grade = 0;     // 0..255
};

struct SourceRubric {
    int line = 0;      // where it stands in the source
    int depth = 0;     // 0 for the root
    std::string text;  // code page 1251, trailing spaces dropped
    std::vector<SourceRemedy> remedies;
};

struct RepertorySource {
    SourceHeader header;
    std::vector<SourceRubric> rubrics;  // root first, pre-order
};

// Parses a whole source text (UTF-8).  file names the source in errors.
// False with the first error found, in line order.
bool ParseRepertorySource(std::string_view text, const std::string& file, RepertorySource* out,
                          SourceError* error);

}  // namespace corvela_sources
