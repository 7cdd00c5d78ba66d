// Runs the real corvela tool binary and captures what it printed, and builds
// small program directories for it in temporary folders.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "program_run.h"

using ToolRun = ProgramRun;

// Runs "corvela ARGS..." (no shell involved).
ToolRun RunTool(const std::vector<std::string>& args);

// A temporary directory, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The canonical path (no symbolic links), as the tool reports files.
    const std::filesystem::path& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    // Writes bytes as they are.
    void Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
