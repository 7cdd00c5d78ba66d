// Replacing a file whole: the new content goes to a temporary file in the
// target's folder, is flushed to the disk (fsync) and only then renamed over the
// target.  Whatever fails, the previous file stays as it was and no temporary
// file is left behind.
#pragma once

#include <string>
#include <string_view>

// Writes `content` as the file at `path`.  True on success; false (errno set)
// when the folder cannot take the temporary file, a write or the flush fails
// (a full disk, a size limit) or the rename fails.  The new file keeps the
// permission bits of the file it replaces (a new file: 0666 less the umask).
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Reads the whole file at `path` into `content`; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& content);
