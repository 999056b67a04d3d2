// Writes a starting corpus for the PNG fuzzer into the folder named by its
// argument: small PNGs of every colour type and bit depth, with palettes,
// transparency and interlacing, and a land diamond.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/pngwriter.h"

int main(int argc, char** argv) {
    using tilewright::testing::MakeForm;
    using tilewright::testing::PngForm;
    using tilewright::testing::WritePng;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder/\n", argv[0]);
        return 2;
    }
    // Samples: a repeating ramp, enough for any form below.
    std::vector<std::uint8_t> ramp(44 * 44 * 8);
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::uint8_t>(i * 37 % 256);
    std::vector<std::uint8_t> diamond(44 * 44 * 4, 0);
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 44; ++x)
            if (y < 22 ? x >= 21 - y && x <= 22 + y : x >= y - 22 && x <= 65 - y)
                for (int c = 0; c < 4; ++c) diamond[4 * (y * 44 + x) + c] = c == 3 ? 255 : static_cast<std::uint8_t>(x * 5 + c * y);

    spng_trns key{};
    key.gray = 3;
    key.red = 1, key.green = 2, key.blue = 3;
    spng_trns paletteAlpha{};
    paletteAlpha.n_type3_entries = 3;
    paletteAlpha.type3_alpha[0] = 0, paletteAlpha.type3_alpha[1] = 100, paletteAlpha.type3_alpha[2] = 255;
    const std::vector<spng_plte_entry> palette = {{0, 0, 0, 0}, {200, 10, 10, 0}, {10, 200, 10, 0}, {10, 10, 200, 0}};
    struct Seed {
        PngForm form;
        const std::vector<std::uint8_t>* samples;
    };
    const Seed seeds[] = {
        {MakeForm(44, 44, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8), &diamond},
        {MakeForm(5, 3, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8), &ramp},
        {MakeForm(5, 3, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16), &ramp},
        {MakeForm(7, 7, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8, true), &ramp},
        {MakeForm(4, 4, SPNG_COLOR_TYPE_TRUECOLOR, 8, false, {}, key), &ramp},
        {MakeForm(4, 4, SPNG_COLOR_TYPE_TRUECOLOR, 16, true), &ramp},
        {MakeForm(9, 2, SPNG_COLOR_TYPE_GRAYSCALE, 1), &ramp},
        {MakeForm(9, 2, SPNG_COLOR_TYPE_GRAYSCALE, 2, false, {}, key), &ramp},
        {MakeForm(9, 2, SPNG_COLOR_TYPE_GRAYSCALE, 4, true), &ramp},
        {MakeForm(3, 3, SPNG_COLOR_TYPE_GRAYSCALE, 16), &ramp},
        {MakeForm(3, 3, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 8), &ramp},
        {MakeForm(3, 3, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 16, true), &ramp},
        {MakeForm(6, 2, SPNG_COLOR_TYPE_INDEXED, 2, false, palette, paletteAlpha), &ramp},
        {MakeForm(6, 6, SPNG_COLOR_TYPE_INDEXED, 8, true, palette), &diamond},
    };
    int written = 0;
    for (const Seed& seed : seeds) {
        auto samples = *seed.samples;
        if (seed.form.colourType == SPNG_COLOR_TYPE_INDEXED)
            for (auto& s : samples) s &= seed.form.bitDepth == 2 ? 0x55 : 3;  // indices inside the palette
        const auto png = WritePng(seed.form, samples);
        if (!png) {
            std::fprintf(stderr, "libspng refused seed %d\n", written);
            return 1;
        }
        std::ofstream(argv[1] + std::string("seed-") + std::to_string(written++) + ".png", std::ios::binary)
            .write(reinterpret_cast<const char*>(png->data()), static_cast<std::streamsize>(png->size()));
    }
    return 0;
}
