// Where the program keeps its files: the program directory holds the data
// files, the language files, practitioner.txt and meridane.ini.
#pragma once

#include <string>

// $MERIDANE_HOME when it is set and not empty, else the directory of the
// running executable; without a trailing '/'.
std::string ProgramDirectory();

// The program's configuration file: meridane.ini in the program directory.
std::string ProgramIniPath();

// `name` inside `directory` ("dir/name"; just `name` when the directory is empty).
std::string JoinPath(const std::string& directory, const std::string& name);
