// The data files discovery loads, in load order, over the program directory
// and the user's data folder.
#pragma once

#include <string>
#include <vector>

#include "core/discovery.h"
#include "corvela/guid.h"

struct PlannedDataFile {
    std::string path;  // the file to load
    DataFileKind kind = DataFileKind::kNone;
    // The earlier folder's copy of the same source that this file stands in
    // for ("" when none): loaded instead when this file fails to load.
    std::string replaced;
    Guid id;  // the identifier the two copies share, when replaced is set
};

// Every folder in turn (the program directory first) contributes every
// "*.rpb" and then every "*.mmb" it holds, each pass sorted by file name, so
// the positions of the first folder's sources do not depend on what later
// folders hold.  A file of a later folder with the same kind and identifier as
// a file of an earlier folder takes that file's place in the list (its
// position stays) instead of being appended; within one folder nothing is
// merged.  Identifiers are read only when a later folder holds data files.
std::vector<PlannedDataFile> PlanDiscovery(const std::vector<std::string>& folders);

// The identifier in the header of the data file at path; false when the file
// cannot be mapped or its header holds none (a null identifier counts as none).
bool ReadDataFileId(const std::string& path, DataFileKind kind, Guid* id);
