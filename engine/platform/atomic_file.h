// Writing files so that a reader never sees half of one: each file is written
// to a temporary file beside its target and renamed over the target only when
// every file of the set has been written completely.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PendingFile {
    std::string path;                 // the target
    std::vector<std::uint8_t> bytes;  // its whole new content
};

// Writes every file of the set, then renames them into place in order.  On
// failure no target has been touched (a target that is a directory is refused
// before anything is written), no temporary file is left behind, *error (when
// given) names the file and the reason, and the answer is false.
bool WriteFilesAtomically(std::span<const PendingFile> files, std::string* error);

// The same for one file.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error);
