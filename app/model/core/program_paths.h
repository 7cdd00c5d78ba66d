// Where the program keeps its files.  The program directory
// (base/files/program_directory.h) holds what comes with the program: the
// data files, the language files, practitioner.txt and meridane.ini with the
// default settings.  Installed, it is read-only for the practitioner, so what
// the practitioner adds lives in the user's folders
// (base/files/user_folders.h, the same the engine finds): data files
// (compiled repertories, materia medicas of their own or received) in the
// user data folder, settings in the user configuration folder.
#pragma once

#include <string>

// The program's default configuration: meridane.ini in the program directory.
std::string ProgramIniPath();

// The user's own settings: meridane.ini in the user configuration folder
// ("" when no home folder is known).  They win over the program directory's
// file key by key (program_ini.h).
std::string UserIniPath();

// Where a new user materia medica called `name` (UTF-8) is saved: the file
// NAME.mmb in the user data folder, which is created when missing.  Slashes
// and control characters in the name become '_', blanks and dots at its ends
// are dropped, long names are cut (an empty one becomes "materia medica"),
// and " (2)", " (3)"... is added while NAME.mmb or its word index NAME.idx
// exists already.  Empty, with *error (when given) saying why, when the
// folder cannot be created.
std::string NewUserMateriaMedicaPath(const std::string& name, std::string* error = nullptr);
