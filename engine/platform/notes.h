// The few things the engine tells the person running the program, on
// standard error: where a configuration file went instead of the program
// directory, which of two copies of a data source was loaded.  The interface
// itself still answers only with return values.
#pragma once

#include <string>

// Writes "corvela: " + text and a line break to standard error.
void PrintNote(const std::string& text);

// The same, but only the first time in this run for `topic`; true when the
// note was written.
bool PrintNoteOnce(const std::string& topic, const std::string& text);
