// What every command works with: the three standard streams (as streams, so
// that tests run the commands in-process), whether progress may be shown, and
// the exit status the command leaves behind.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "error.h"

namespace tilewright::cli {

enum ExitStatus : int {
    kExitDone = 0,
    kExitFailure = 1,  // a data or file error
    kExitUsage = 2,    // a usage error
};

// diff's own statuses.
enum DiffStatus : int {
    kDiffSame = 0,
    kDiffDifferent = 1,
    kDiffTrouble = 2,
};

// How a message that names no file starts: "tilewright-cli: ", or
// "tilewright-cli art: " for one command's own.
inline std::string ProgramPrefix(std::string_view command = {}) {
    std::string prefix = "tilewright-cli";
    if (!command.empty()) prefix.append(" ").append(command);
    return prefix + ": ";
}

struct CommandContext {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Progress of long work goes to `err` only when it is a terminal.
    bool errIsTerminal = false;
    int exitStatus = kExitDone;

    // Every error is one line on stderr.
    int Fail(int status, const std::string& message) {
        err << message << '\n';
        exitStatus = status;
        return status;
    }
    int Fail(int status, const Error& error) { return Fail(status, error.message); }
    // An error in the arguments rather than in a file, told as the program's.
    int Refuse(int status, const std::string& message, std::string_view command = {}) {
        return Fail(status, ProgramPrefix(command) + message);
    }
};

}  // namespace tilewright::cli
