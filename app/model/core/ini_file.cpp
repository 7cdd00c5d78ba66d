#include "model/core/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "base/files/atomic_file.h"
#include "base/text/ascii.h"

bool IniFile::Load(const std::string& path) {
    m_entries.clear();
    std::string text;
    if (!base::ReadWholeFile(path, &text)) return false;
    Parse(text);
    return true;
}

void IniFile::Parse(std::string_view text) {
    m_entries.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = base::TrimAsciiSpace(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(base::TrimAsciiSpace(
                line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        std::string_view value = base::TrimAsciiSpace(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        m_entries.push_back(Entry{section,
                                  std::string(base::TrimAsciiSpace(line.substr(0, equals))),
                                  std::string(value)});
    }
}

const IniFile::Entry* IniFile::Find(std::string_view section, std::string_view key) const {
    for (const Entry& entry : m_entries) {
        if (base::EqualsIgnoringAsciiCase(entry.section, section) &&
            base::EqualsIgnoringAsciiCase(entry.key, key))
            return &entry;
    }
    return nullptr;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    const Entry* entry = Find(section, key);
    return entry != nullptr ? entry->value : std::string(fallback);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const Entry* entry = Find(section, key);
    if (entry == nullptr) return fallback;
    errno = 0;
    const long value = std::strtol(entry->value.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    IniFile file;
    file.Load(path);
    return file.GetString(section, key, fallback);
}

int ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int fallback) {
    IniFile file;
    file.Load(path);
    return file.GetInt(section, key, fallback);
}
