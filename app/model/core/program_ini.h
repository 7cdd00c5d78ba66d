// The program's settings, meridane.ini, in two layers: the program
// directory's file holds the defaults that come with the program, the user's
// file (in the user configuration folder) the user's own settings, which win
// key by key.  Every read goes to the files afresh, so editing either takes
// effect without a restart.
#pragma once

#include <string>
#include <string_view>

class ProgramIni {
public:
    // ProgramIniPath() over UserIniPath().
    ProgramIni();
    // Explicit files; an empty userPath means no user layer (reads and
    // writes then go to defaultsPath only).
    ProgramIni(std::string defaultsPath, std::string userPath);

    // The user's value when the user's file holds the key, else the
    // defaults' value, else `fallback`.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    int GetInt(std::string_view section, std::string_view key, int fallback) const;

    // Stores a setting.  It goes to the user's file when that holds the key
    // already (so that it stays the one read); otherwise to the program
    // directory's file, as it always did, and when that cannot take it (an
    // installed, read-only program directory) to the user's file, creating
    // the folder, which standard error mentions once in a run.  False when no
    // file could take it, which standard error says too.
    bool SetString(std::string_view section, std::string_view key, std::string_view value) const;

    const std::string& DefaultsPath() const { return m_defaultsPath; }
    const std::string& UserPath() const { return m_userPath; }

private:
    std::string m_defaultsPath;
    std::string m_userPath;
};
