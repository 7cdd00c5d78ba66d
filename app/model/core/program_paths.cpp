#include "model/core/program_paths.h"

#include "base/files/path_parts.h"
#include "base/files/program_directory.h"

std::string ProgramIniPath() {
    return base::JoinPath(base::ProgramDirectory(), "meridane.ini");
}
