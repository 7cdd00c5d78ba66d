// Pieces shared by the source writers.
#pragma once

#include <cstdint>
#include <string>

class DataSource;

namespace corvela_sources {

// Appends the header lines of a source: @id always, @name and @text2..@text5
// when not empty, @flags (hexadecimal) when it differs from defaultFlags.
// False with the reason when a text holds a line break.
bool AppendSourceHeader(DataSource& source, std::uint32_t defaultFlags, std::string* out,
                        std::string* error);

}  // namespace corvela_sources
