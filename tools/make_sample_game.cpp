// make-sample-game FOLDER [--layout classic|large|64bit]: writes a synthetic,
// deterministic game folder (TileData.mul, artidx.mul, art.mul) for trying
// the editor out.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "samplegame.h"

namespace {

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s FOLDER [--layout classic|large|64bit]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    const tilewright::TileDataLayout* layout = &tilewright::kClassicLayout;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--layout") == 0 && i + 1 < argc) {
            layout = tilewright::LayoutById(argv[++i]);
            if (!layout) {
                std::fprintf(stderr, "Unknown layout \"%s\": use classic, large or 64bit.\n", argv[i]);
                return 2;
            }
        } else if (argv[i][0] == '-' || !folder.empty()) {
            return Usage(argv[0]);
        } else {
            folder = argv[i];
        }
    }
    if (folder.empty()) return Usage(argv[0]);
    if (folder.back() != '/') folder += '/';
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "Cannot create the folder \"%s\": %s.\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    if (auto written = tilewright::sample::WriteSampleGame(folder, *layout); !written) {
        std::fprintf(stderr, "%s\n", written.error().message.c_str());
        return 1;
    }
    std::printf("%s\n", folder.c_str());
    return 0;
}
