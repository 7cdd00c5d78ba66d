#include "tool_runner.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

ToolRun RunTool(const std::vector<std::string>& args) {
    return RunProgram(CORVELA_TOOL_PATH, args);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvela-tool-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = std::filesystem::canonical(pattern);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(m_path / name, std::ios::binary);
    file << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}
