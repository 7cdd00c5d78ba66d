// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <vector>

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of `name` inside the folder.
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    void Write(const std::string& name, const std::string& content) const;
    // The file's content; empty when it cannot be read.
    std::string Read(const std::string& name) const;
    // The names in the folder, sorted (hidden ones included).
    std::vector<std::string> List() const;

private:
    std::string m_path;
};
