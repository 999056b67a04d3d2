// tilewright-cli as a function of its arguments and streams.
#pragma once

#include <string>
#include <vector>

#include "commandcontext.h"

namespace tilewright::cli {

// Parses `args` (args[0] is the program's name), runs the command named and
// returns the exit status. Nothing escapes as an exception.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   bool errIsTerminal = false);

}  // namespace tilewright::cli
