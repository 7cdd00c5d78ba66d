// A small reader of private profile (INI) files, answering like the system's
// profile readers: section and key names compare without regard to ASCII case,
// blanks around names and values are dropped, a value in matching quotes loses
// them, lines starting with ';' or '#' are comments, and the first occurrence
// of a key wins.  WriteProfileString changes one key of a file and keeps the
// rest of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    IniFile() = default;

    // Reads the file at `path`; false (and an empty file) when it cannot be read.
    bool Load(const std::string& path);
    // Reads the text of a file.
    void Parse(std::string_view text);

    // The value of `key` in `section`, or `fallback` when either is absent.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    // The value read as a decimal integer (leading digits with an optional
    // sign; 0 when there are none), or `fallback` when the key is absent.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    // True when the key is present in the section.
    bool HasKey(std::string_view section, std::string_view key) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    const Entry* Find(std::string_view section, std::string_view key) const;

    std::vector<Entry> m_entries;
};

// One value read from the file at `path` (an unreadable file gives `fallback`).
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
int ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int fallback);

// Sets `key` of `section` to `value` in the file at `path` and keeps every
// other line byte for byte: the key's first line in the section is replaced,
// a missing key is added behind the section's last entry, a missing section
// (or file) is appended.  Names compare as the reader compares them; a new
// line takes the file's line end (CR LF when it uses them).  A value that the
// reader would trim or unquote is written in double quotes, so that it reads
// back as given.  The file is replaced whole (base/files/atomic_file.h).  False, with
// errno set, when it cannot be written or `value` holds a line break.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
