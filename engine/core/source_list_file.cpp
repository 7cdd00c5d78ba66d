#include "core/source_list_file.h"

#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "base/files/user_folders.h"
#include "base/text/case_table.h"
#include "core/corvela_impl.h"
#include "platform/config_file.h"

namespace {

std::string Normalised(const std::string& directory) {
    std::string result;
    for (char c : directory)
        if (c != '\\' && c != '/' && c != ':')
            result += static_cast<char>(base::LowerCp1251(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

std::vector<std::string> DataSourceListLines(const std::vector<std::string>& paths,
                                             const std::string& programDirectory) {
    const std::string home = Normalised(programDirectory);
    std::vector<std::string> lines;
    for (const auto& path : paths) {
        const bool beside = Normalised(base::DirectoryOf(path)) == home;
        lines.push_back("file_name=" + (beside ? base::StemOf(path) : path));
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
    const std::string directory = base::ProgramDirectory();
    WriteConfigSection(directory, base::UserConfigDirectory(), "corvela.ini", "DataSources",
                       DataSourceListLines(paths, directory));
}
