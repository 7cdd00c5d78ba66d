// The record of loaded data sources that the engine leaves in corvela.ini.
#pragma once

#include <string>
#include <vector>

// One "file_name=..." line per path, in order: the base name without
// extension when the file lies in programDirectory (directories compared
// without '/', '\' and ':' and in lower case), else the whole path.
std::vector<std::string> DataSourceListLines(const std::vector<std::string>& paths,
                                             const std::string& programDirectory);
