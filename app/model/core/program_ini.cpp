#include "model/core/program_ini.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/files/path_parts.h"
#include "base/files/user_folders.h"
#include "model/core/ini_file.h"
#include "model/core/program_paths.h"

namespace {

void Say(const std::string& text) {
    std::fprintf(stderr, "meridane: %s\n", text.c_str());
    std::fflush(stderr);
}

}  // namespace

ProgramIni::ProgramIni() : ProgramIni(ProgramIniPath(), UserIniPath()) {}

ProgramIni::ProgramIni(std::string defaultsPath, std::string userPath)
    : m_defaultsPath(std::move(defaultsPath)), m_userPath(std::move(userPath)) {}

std::string ProgramIni::GetString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    if (!m_userPath.empty()) {
        IniFile user;
        if (user.Load(m_userPath) && user.HasKey(section, key))
            return user.GetString(section, key, fallback);
    }
    return ReadProfileString(m_defaultsPath, section, key, fallback);
}

int ProgramIni::GetInt(std::string_view section, std::string_view key, int fallback) const {
    if (!m_userPath.empty()) {
        IniFile user;
        if (user.Load(m_userPath) && user.HasKey(section, key))
            return user.GetInt(section, key, fallback);
    }
    return ReadProfileInt(m_defaultsPath, section, key, fallback);
}

bool ProgramIni::SetString(std::string_view section, std::string_view key,
                           std::string_view value) const {
    if (!m_userPath.empty()) {
        IniFile user;
        if (user.Load(m_userPath) && user.HasKey(section, key)) {
            if (WriteProfileString(m_userPath, section, key, value)) return true;
            Say("cannot save the setting in \"" + m_userPath + "\": " + std::strerror(errno));
            return false;
        }
    }
    if (WriteProfileString(m_defaultsPath, section, key, value)) return true;
    std::string reason =
        "cannot save the setting in \"" + m_defaultsPath + "\": " + std::strerror(errno);
    if (m_userPath.empty()) {
        Say(reason);
        return false;
    }
    std::string folderError;
    if (base::MakeDirectories(base::DirectoryOf(m_userPath), &folderError) &&
        WriteProfileString(m_userPath, section, key, value)) {
        static bool told = false;
        if (!told) Say(reason + "; settings are kept in \"" + m_userPath + "\" instead");
        told = true;
        return true;
    }
    Say(reason + "; " +
        (folderError.empty() ? "nor in \"" + m_userPath + "\": " + std::strerror(errno)
                             : folderError));
    return false;
}
