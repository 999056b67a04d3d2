// Runs tilewright-cli in-process: arguments in, status and both outputs back.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "commandline.h"

namespace tilewright::cli::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunCli(std::vector<std::string> args, const std::string& input = {}, bool errIsTerminal = false) {
    args.insert(args.begin(), "tilewright-cli");
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommandLine(args, in, out, err, errIsTerminal);
    return {status, out.str(), err.str()};
}

inline int LineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace tilewright::cli::testing
