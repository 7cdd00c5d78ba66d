#include "platform/config_file.h"

#include "base/files/path_parts.h"
#include "base/files/user_folders.h"
#include "platform/ini_section_writer.h"
#include "platform/notes.h"

std::string WriteConfigSection(const std::string& programDirectory,
                               const std::string& configDirectory, const std::string& name,
                               std::string_view section, const std::vector<std::string>& lines) {
    const std::string primary = base::JoinPath(programDirectory, name);
    std::string reason;
    if (WriteIniSection(primary, section, lines, &reason)) return primary;

    std::string fallbackReason;
    if (!configDirectory.empty() && !base::SameDirectory(configDirectory, programDirectory) &&
        base::MakeDirectories(configDirectory, &fallbackReason)) {
        const std::string fallback = base::JoinPath(configDirectory, name);
        if (WriteIniSection(fallback, section, lines, &fallbackReason)) {
            PrintNoteOnce(name, reason + "; " + name + " is kept in \"" + fallback + "\" instead");
            return fallback;
        }
    } else if (configDirectory.empty()) {
        fallbackReason = "no user configuration folder is known";
    }
    std::string text = reason;
    if (!fallbackReason.empty()) text += "; " + fallbackReason;
    PrintNoteOnce(name, text + "; " + name + " was not saved");
    return {};
}
