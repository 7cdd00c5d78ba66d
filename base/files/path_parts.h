// Splitting and joining '/'-separated paths, the way the program and the
// engine name their files.
#pragma once

#include <string>
#include <string_view>

namespace base {

// The part before the last '/' ("" when there is none; "/" for a file in the root).
std::string DirectoryOf(std::string_view path);
// The part after the last '/' (the whole path when there is none).
std::string FileNameOf(std::string_view path);
// The file name's extension from its last '.', the dot included ("" when none).
std::string ExtensionOf(std::string_view path);
// The file name without its extension.
std::string StemOf(std::string_view path);
// directory + '/' + name (no second '/' when directory ends in one); just
// name when directory is empty.
std::string JoinPath(std::string_view directory, std::string_view name);

}  // namespace base
