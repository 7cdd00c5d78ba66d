// Writing one section of a configuration (INI) file, keeping the rest.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Replaces the body of section [name] of the file at path with lines (each a
// whole line such as "key=value", without its line end).  The section is found
// by name regardless of ASCII case; when the file has none, the section is
// appended at the end; a missing file is created.  Every other line, sections
// before and after included, is kept byte for byte, and the new lines use the
// file's line end (CR LF when the file already uses it, else LF).  The file is
// replaced atomically.  False when it cannot be written (then unchanged, and
// *error, when given, names the file and the reason).
bool WriteIniSection(const std::string& path, std::string_view name,
                     const std::vector<std::string>& lines, std::string* error = nullptr);
