// What a compilation through one of the engine's builders gave.
#pragma once

#include <string>
#include <vector>

namespace corvela_sources {

struct CompileResult {
    bool saved = false;                        // both files written
    std::string error;                         // why not, as the engine says (code page
                                               // 1251); may be empty
    std::vector<std::string> unknownRemedies;  // names this compilation added to the
                                               // builder's unknown list (code page 1251)
};

}  // namespace corvela_sources
