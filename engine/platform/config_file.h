// Configuration files the engine writes beside the program, with the user's
// configuration folder to fall back on when the program directory is
// read-only (an installed program).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Replaces section [section] of the file `name` in programDirectory (see
// WriteIniSection).  When that file cannot be written, the section goes to
// `name` in configDirectory instead (created when missing), and the first
// such fall-back of the run for `name` is said on standard error.  Returns
// the path written; "" when neither could be written, which is said on
// standard error too (once a run for `name`).
std::string WriteConfigSection(const std::string& programDirectory,
                               const std::string& configDirectory, const std::string& name,
                               std::string_view section, const std::vector<std::string>& lines);
