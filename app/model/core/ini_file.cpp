#include "model/core/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "base/files/atomic_file.h"
#include "base/text/ascii.h"

namespace {

using base::EqualsIgnoringAsciiCase;
using base::TrimAsciiSpace;

// The section name of a header line "[name]", or false when it is none.
bool HeaderName(std::string_view line, std::string_view* name) {
    line = TrimAsciiSpace(line);
    if (line.empty() || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    *name = TrimAsciiSpace(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
    return true;
}

// The key of an entry line "key=value", or false for anything else.
bool EntryKey(std::string_view line, std::string_view* key) {
    line = TrimAsciiSpace(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    *key = TrimAsciiSpace(line.substr(0, equals));
    return true;
}

// The value as the reader gives it back: quoted when it would lose blanks at
// its ends or a pair of quotes around it.
std::string StoredValue(std::string_view value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!value.empty() && (blank(value.front()) || blank(value.back()) || quoted))
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

// Splits into lines, each keeping its own line end.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

}  // namespace

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
        std::string_view line = TrimAsciiSpace(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(TrimAsciiSpace(
                line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        std::string_view value = TrimAsciiSpace(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        m_entries.push_back(Entry{section, std::string(TrimAsciiSpace(line.substr(0, equals))),
                                  std::string(value)});
    }
}

const IniFile::Entry* IniFile::Find(std::string_view section, std::string_view key) const {
    for (const Entry& entry : m_entries) {
        if (EqualsIgnoringAsciiCase(entry.section, section) &&
            EqualsIgnoringAsciiCase(entry.key, key))
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

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        errno = EINVAL;
        return false;
    }
    std::string old;
    if (!base::ReadWholeFile(path, &old)) {
        if (errno != ENOENT) return false;  // there, but unreadable: keep it
        old.clear();
    }
    const std::string eol = old.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string entry = std::string(key) + "=" + StoredValue(value) + eol;
    std::vector<std::string> lines = Lines(old);
    if (!lines.empty() && lines.back().back() != '\n') lines.back() += eol;

    // Where the section starts and behind its last entry; the key's line.
    std::size_t found = lines.size();
    std::size_t insertAt = lines.size();
    bool inSection = false;
    bool sectionSeen = false;
    for (std::size_t i = 0; i < lines.size() && found == lines.size(); ++i) {
        std::string_view name;
        if (HeaderName(lines[i], &name)) {
            if (inSection) break;  // the first matching section only
            inSection = EqualsIgnoringAsciiCase(name, section) && !sectionSeen;
            if (inSection) {
                sectionSeen = true;
                insertAt = i + 1;
            }
            continue;
        }
        std::string_view lineKey;
        if (!inSection || !EntryKey(lines[i], &lineKey)) continue;
        if (EqualsIgnoringAsciiCase(lineKey, key)) found = i;
        insertAt = i + 1;
    }
    if (found < lines.size()) {
        lines[found] = entry;
    } else if (sectionSeen) {
        lines.insert(lines.begin() + static_cast<long>(insertAt), entry);
    } else {
        lines.push_back("[" + std::string(section) + "]" + eol);
        lines.push_back(entry);
    }
    std::string text;
    for (const std::string& line : lines) text += line;
    return base::WriteFileAtomically(path, text);
}
