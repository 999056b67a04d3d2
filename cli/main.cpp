// tilewright-cli: whole TileData.mul files from a terminal or a script.
#include <iostream>
#include <string>
#include <vector>

#include "commandline.h"
#include "platformfile.h"

int main(int argc, char** argv) {
    tilewright::platform::UseBinaryStandardStreams();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = tilewright::platform::CommandLineArguments(argc, argv);
    const int status = tilewright::cli::RunCommandLine(args, std::cin, std::cout, std::cerr,
                                                       tilewright::platform::StandardErrorIsConsole());
    std::cout.flush();
    return std::cout ? status : tilewright::cli::kExitFailure;
}
