// The program directory: where the engine finds its data files, its remedy
// catalogue and corvela.ini.
#pragma once

#include <string>

// $MERIDANE_HOME when set and not empty (trailing '/' removed), otherwise the
// directory of the running executable (from /proc/self/exe).  Evaluated on
// every call.  Empty only when neither can be found.
std::string ProgramDirectory();
