// tilewright-cli: whole TileData.mul files from a terminal or a script.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "commandline.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    const int status = tilewright::cli::RunCommandLine(args, std::cin, std::cout, std::cerr, ::isatty(2) == 1);
    std::cout.flush();
    return std::cout ? status : tilewright::cli::kExitFailure;
}
