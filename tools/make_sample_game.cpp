// make-sample-game FOLDER: writes a synthetic, deterministic game folder
// (TileData.mul, artidx.mul, art.mul) for trying the editor out.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "samplegame.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/') folder += '/';
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "Cannot create the folder \"%s\": %s.\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    if (auto written = tilewright::sample::WriteSampleGame(folder); !written) {
        std::fprintf(stderr, "%s\n", written.error().message.c_str());
        return 1;
    }
    std::printf("%s\n", folder.c_str());
    return 0;
}
