// make-sample-game FOLDER [--layout classic|large|64bit] [--art mul|uop]:
// writes a synthetic, deterministic game folder (TileData.mul, and artidx.mul
// and art.mul or artLegacyMUL.uop) for trying the editor out.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <system_error>

#include "platformfile.h"
#include "samplegame.h"

namespace {

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s FOLDER [--layout classic|large|64bit] [--art mul|uop]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tilewright::platform::CommandLineArguments(argc, argv);
    std::string folder;
    const tilewright::TileDataLayout* layout = &tilewright::kClassicLayout;
    auto art = tilewright::sample::SampleArtForm::Mul;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--layout") == 0 && i + 1 < argc) {
            layout = tilewright::LayoutById(argv[++i]);
            if (!layout) {
                std::fprintf(stderr, "Unknown layout \"%s\": use classic, large or 64bit.\n", argv[i]);
                return 2;
            }
        } else if (std::strcmp(argv[i], "--art") == 0 && i + 1 < argc) {
            const std::string form = argv[++i];
            if (form != "mul" && form != "uop") return Usage(argv[0]);
            art = form == "uop" ? tilewright::sample::SampleArtForm::Container : tilewright::sample::SampleArtForm::Mul;
        } else if (argv[i][0] == '-' || !folder.empty()) {
            return Usage(argv[0]);
        } else {
            folder = args[i];
        }
    }
    if (folder.empty()) return Usage(argv[0]);
    // A folder typed with the system's own separator at its end keeps it.
    if (tilewright::platform::PathFromUtf8(folder).has_filename()) folder += '/';
    std::error_code ec;
    std::filesystem::create_directories(tilewright::platform::PathFromUtf8(folder), ec);
    if (ec) {
        std::fprintf(stderr, "Cannot create the folder \"%s\": %s.\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    if (auto written = tilewright::sample::WriteSampleGame(folder, *layout, art); !written) {
        std::fprintf(stderr, "%s\n", written.error().message.c_str());
        return 1;
    }
    std::printf("%s\n", folder.c_str());
    return 0;
}
