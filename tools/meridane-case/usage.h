// The usage texts: of the whole tool and of one command, for --help and usage
// errors.  The command line itself is read by tool_support::ParseCommandLine.
#pragma once

#include <string>

#include "command.h"

namespace meridane_case {

std::string ToolUsage();
std::string CommandUsage(const Command& command);

}  // namespace meridane_case
