// Writing files so that a reader never sees half of one: each file is written
// to a temporary file beside its target, flushed to the disk (fsync) and
// renamed over the target only when every file of the set has been written
// completely; the folders are flushed after the renames.  Whatever fails, the
// previous files stay as they were and no temporary file is left behind.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace base {

struct PendingFile {
    std::string path;                 // the target
    std::vector<std::uint8_t> bytes;  // its whole new content
};

// Writes every file of the set, then renames them into place in order.  A file
// that replaces another keeps its permission bits; a new one gets 0666 less
// the umask.  On failure no target has been touched (a target that is a
// directory is refused before anything is written), errno holds the cause,
// *error (when given) names the file and the reason ("cannot write \"PATH\":
// No space left on device"), and the answer is false.
bool WriteFilesAtomically(std::span<const PendingFile> files, std::string* error);

// The same for one file.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr);
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         std::string* error = nullptr);

// Reads the whole file at `path` into *content.  False when it cannot be read:
// errno holds the cause, *content is empty and *error (when given) says
// "cannot read PATH: REASON".
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error = nullptr);

}  // namespace base
