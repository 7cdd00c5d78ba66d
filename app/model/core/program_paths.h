// Where the program keeps its configuration: meridane.ini in the program
// directory (base/files/program_directory.h), beside the data files, the
// language files and practitioner.txt.
#pragma once

#include <string>

// The program's configuration file: meridane.ini in the program directory.
std::string ProgramIniPath();
