// Runs a program of the project as a child process (no shell involved) and
// captures what it printed, for the tests of the command-line tools.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;  // stdout
    std::string err;  // stderr
};

// Runs "PROGRAM ARGS..." with the test's environment.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);
