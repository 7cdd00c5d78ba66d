// The user's own folders.  An installed program directory is read-only for
// the practitioner, so the data files the practitioner adds live in the
// user's data folder and the configuration files the engine writes fall back
// to the user's configuration folder.  The engine and the program find the
// same folders here.
#pragma once

#include <string>

namespace base {

// $MERIDANE_DATA when set and not empty, else $XDG_DATA_HOME/meridane (when
// that is an absolute path), else ~/.local/share/meridane; without a trailing
// '/'.  Evaluated on every call; empty only when no home folder is known.
std::string UserDataDirectory();

// $XDG_CONFIG_HOME/meridane (when that is an absolute path), else
// ~/.config/meridane.  Evaluated on every call; empty only when no home
// folder is known.
std::string UserConfigDirectory();

// True when both name the same existing directory (links and "/./" resolved).
bool SameDirectory(const std::string& a, const std::string& b);

// Creates directory and every missing parent (mode 0755 less the umask).
// True when it exists as a directory afterwards; otherwise false with *error
// (when given) naming the folder and the reason.
bool MakeDirectories(const std::string& directory, std::string* error);

}  // namespace base
