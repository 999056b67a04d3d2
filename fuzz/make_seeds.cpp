// Writes a starting corpus for the art fuzzer into the folder named by its
// argument: well-formed land and item images made by the art file builder,
// in the fuzzer's input layout (Lookup, first read byte, art.mul bytes).
#include <cstdio>
#include <string>
#include <vector>

#include "artfilebuilder.h"
#include "sampleart.h"
#include "tiledatabuilder.h"

namespace {

using namespace tilewright;
using namespace tilewright::sample;

std::vector<std::uint8_t> Seed(std::uint32_t lookup, std::uint8_t firstRead, const std::vector<std::uint8_t>& art) {
    std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(lookup), static_cast<std::uint8_t>(lookup >> 8),
                                     static_cast<std::uint8_t>(lookup >> 16), static_cast<std::uint8_t>(lookup >> 24),
                                     firstRead};
    out.insert(out.end(), art.begin(), art.end());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder/\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::vector<std::uint8_t>> seeds;

    // The example of three rows: two runs, an empty row, a full row.
    ItemGrid example(5, 3);
    example.at(1, 0) = 0x7C00;
    example.at(2, 0) = 0x03E0;
    example.at(4, 0) = 0x001F;
    for (int x = 0; x < 5; ++x) example.at(x, 2) = static_cast<std::uint16_t>(0x1111 * x);
    seeds.push_back(Seed(0, 0, EncodeItemImage(example)));

    // Small sample items of several shapes, one behind a land image.
    for (std::int32_t n : {1, 2, 3, 5, 8, 13, 500, 1500}) {
        if (auto grid = SampleItemImage(n); grid && grid->width * grid->height <= 1200)
            seeds.push_back(Seed(0, static_cast<std::uint8_t>(n), EncodeItemImage(*grid)));
    }
    ArtFileBuilder art;
    art.SetLand(0, *SampleLandImage(1));
    ItemGrid ring(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if ((x < 3 || x > 8 || y < 3 || y > 8) && (x + y) % 5) ring.at(x, y) = static_cast<std::uint16_t>(x * 977 + y);
    art.SetItem(0, ring);
    seeds.push_back(Seed(0, 7, art.ArtBytes()));
    seeds.push_back(Seed(static_cast<std::uint32_t>(Decode_Mul::kLandImageSize), 7, art.ArtBytes()));

    for (std::size_t i = 0; i < seeds.size(); ++i) {
        if (Status s = WriteWholeFile(folder + "seed-" + std::to_string(i), seeds[i]); !s) {
            std::fprintf(stderr, "%s\n", s.error().message.c_str());
            return 1;
        }
    }
    return 0;
}
