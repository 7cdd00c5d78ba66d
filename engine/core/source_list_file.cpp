#include "core/source_list_file.h"

#include "coding/case_table.h"
#include "core/corvela_impl.h"
#include "platform/config_file.h"
#include "platform/path_parts.h"
#include "platform/program_directory.h"
#include "platform/user_folders.h"

namespace {

std::string Normalised(const std::string& directory) {
    std::string result;
    for (char c : directory)
        if (c != '\\' && c != '/' && c != ':')
            result += static_cast<char>(LowerCp1251(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

std::vector<std::string> DataSourceListLines(const std::vector<std::string>& paths,
                                             const std::string& programDirectory) {
    const std::string home = Normalised(programDirectory);
    std::vector<std::string> lines;
    for (const auto& path : paths) {
        const bool beside = Normalised(DirectoryOf(path)) == home;
        lines.push_back("file_name=" + (beside ? StemOf(path) : path));
    }
    return lines;
}

void CorvelaImpl::SaveDataSourceList() {
    if (m_sources.empty()) return;
    std::vector<std::string> paths;
    for (const auto& source : m_sources) {
        const char* path = source->GetFilePath();
        paths.emplace_back(path != nullptr ? path : "");
    }
    // An installed program directory is read-only: the list then goes to the
    // user's configuration folder.
    const std::string directory = ProgramDirectory();
    WriteConfigSection(directory, UserConfigDirectory(), "corvela.ini", "DataSources",
                       DataSourceListLines(paths, directory));
}
