// Listing a directory the way discovery walks it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The names (not paths) of the entries of directory that are not directories
// and whose name ends with suffix (ASCII letters compared case-insensitively,
// as "*.rpb" matches "X.RPB"), sorted byte-wise.  Empty when the directory
// cannot be read.
std::vector<std::string> ListFilesWithSuffix(const std::string& directory, std::string_view suffix);
