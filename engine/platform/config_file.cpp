#include "platform/config_file.h"

#include "platform/ini_section_writer.h"
#include "platform/notes.h"
#include "platform/path_parts.h"
#include "platform/user_folders.h"

std::string WriteConfigSection(const std::string& programDirectory,
                               const std::string& configDirectory, const std::string& name,
                               std::string_view section, const std::vector<std::string>& lines) {
    const std::string primary = JoinPath(programDirectory, name);
    std::string reason;
    if (WriteIniSection(primary, section, lines, &reason)) return primary;

    std::string fallbackReason;
    if (!configDirectory.empty() && !SameDirectory(configDirectory, programDirectory) &&
        MakeDirectories(configDirectory, &fallbackReason)) {
        const std::string fallback = JoinPath(configDirectory, name);
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
