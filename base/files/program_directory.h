// The program directory: where the engine finds its data files, its remedy
// catalogue and corvela.ini, and the program its language files,
// practitioner.txt and meridane.ini.
#pragma once

#include <string>

namespace base {

// $MERIDANE_HOME when set and not empty, otherwise the directory of the
// running executable (from /proc/self/exe), without a trailing '/' ("/" stays);
// "." when neither can be found.  Evaluated on every call.
std::string ProgramDirectory();

}  // namespace base
