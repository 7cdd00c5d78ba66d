// Where the program keeps its files.  The program directory holds what comes
// with the program: the data files, the language files, practitioner.txt
// and meridane.ini with the default settings.  Installed, it is read-only
// for the practitioner, so what the practitioner adds lives in the user's
// folders: data files (compiled repertories, materia medicas of their own or
// received) in the user data folder, settings in the user configuration
// folder.  The engine finds the same folders (engine/platform).
#pragma once

#include <string>

// $MERIDANE_HOME when it is set and not empty, else the directory of the
// running executable; without a trailing '/'.
std::string ProgramDirectory();

// The program's default configuration: meridane.ini in the program directory.
std::string ProgramIniPath();

// The user data folder: $MERIDANE_DATA when set and not empty, else
// $XDG_DATA_HOME/meridane (when absolute), else ~/.local/share/meridane;
// without a trailing '/'.  Empty only when no home folder is known.
std::string UserDataDirectory();

// The user configuration folder: $XDG_CONFIG_HOME/meridane (when absolute),
// else ~/.config/meridane.  Empty only when no home folder is known.
std::string UserConfigDirectory();

// The user's own settings: meridane.ini in the user configuration folder.
// They win over the program directory's file key by key (program_ini.h).
std::string UserIniPath();

// Where a new user materia medica called `name` (UTF-8) is saved: the file
// NAME.mmb in the user data folder, which is created when missing.  Slashes
// and control characters in the name become '_', blanks and dots at its ends
// are dropped, long names are cut (an empty one becomes "materia medica"),
// and " (2)", " (3)"... is added while NAME.mmb or its word index NAME.idx
// exists already.  Empty, with *error (when given) saying why, when the
// folder cannot be created.
std::string NewUserMateriaMedicaPath(const std::string& name, std::string* error = nullptr);

// Creates `directory` and its missing parents; true when it is a directory
// afterwards, else false with *error (when given) naming the folder and the
// reason.
bool MakeDirectories(const std::string& directory, std::string* error = nullptr);

// `name` inside `directory` ("dir/name"; just `name` when the directory is empty).
std::string JoinPath(const std::string& directory, const std::string& name);
