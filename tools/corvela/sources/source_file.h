// Reading a whole source file.
#pragma once

#include <string>

namespace corvela_sources {

// Reads the file's bytes into out; false with the reason (from the system,
// naming the path) in error.
bool ReadWholeFile(const std::string& path, std::string* out, std::string* error);

}  // namespace corvela_sources
