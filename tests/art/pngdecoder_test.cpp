// Every kind of PNG comes in as the same 8-bit RGBA points.
#include "pngdecoder.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/pngwriter.h"

namespace tilewright {
namespace {

using testing::MakeForm;
using testing::PngForm;
using testing::WritePng;

std::vector<std::uint8_t> Wide(std::initializer_list<std::uint16_t> values) {
    std::vector<std::uint8_t> out(2 * values.size());
    std::memcpy(out.data(), std::data(values), out.size());
    return out;
}

TEST(PngDecoder, EveryColourTypeAndDepthGivesTheSameRgba) {
    spng_trns greyKey{};
    greyKey.gray = 0;
    spng_trns paletteAlpha{};
    paletteAlpha.n_type3_entries = 2;
    paletteAlpha.type3_alpha[0] = 0;
    paletteAlpha.type3_alpha[1] = 200;
    const struct {
        const char* what;
        PngForm form;
        std::vector<std::uint8_t> samples;
        std::vector<std::uint8_t> rgba;
    } cases[] = {
        {"RGBA 8", MakeForm(2, 1, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8), {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"RGB 8", MakeForm(2, 1, SPNG_COLOR_TYPE_TRUECOLOR, 8), {1, 2, 3, 4, 5, 6}, {1, 2, 3, 255, 4, 5, 6, 255}},
        {"grey 1 bit", MakeForm(2, 1, SPNG_COLOR_TYPE_GRAYSCALE, 1), {0x40}, {0, 0, 0, 255, 255, 255, 255, 255}},
        {"grey 8 with a transparent key", MakeForm(2, 1, SPNG_COLOR_TYPE_GRAYSCALE, 8, false, {}, greyKey), {0, 90},
         {0, 0, 0, 0, 90, 90, 90, 255}},
        {"grey and alpha 8", MakeForm(1, 1, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 8), {77, 128}, {77, 77, 77, 128}},
        {"palette with alpha", MakeForm(2, 1, SPNG_COLOR_TYPE_INDEXED, 8, false, {{9, 8, 7, 0}, {1, 2, 3, 0}}, paletteAlpha),
         {1, 0}, {1, 2, 3, 200, 9, 8, 7, 0}},
        // v * 255 / 65535 rounded: 128 -> 0, 129 -> 1, 32896 -> 128, 65278 -> 254, 65408 -> 255.
        {"RGBA 16 rounded", MakeForm(2, 1, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16), Wide({128, 129, 32896, 65535, 0, 65278, 65408, 32767}),
         {0, 1, 128, 255, 0, 254, 255, 127}},
        {"grey 16 rounded", MakeForm(1, 1, SPNG_COLOR_TYPE_GRAYSCALE, 16), Wide({257 * 100 + 128}), {100, 100, 100, 255}},
        {"interlaced RGBA", MakeForm(3, 3, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8, true),
         std::vector<std::uint8_t>{1, 1, 1, 255, 2, 2, 2, 255, 3, 3, 3, 255, 4, 4, 4, 255, 5, 5, 5, 255, 6, 6, 6, 255,
                                   7, 7, 7, 255, 8, 8, 8, 255, 9, 9, 9, 0},
         std::vector<std::uint8_t>{1, 1, 1, 255, 2, 2, 2, 255, 3, 3, 3, 255, 4, 4, 4, 255, 5, 5, 5, 255, 6, 6, 6, 255,
                                   7, 7, 7, 255, 8, 8, 8, 255, 9, 9, 9, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto png = WritePng(c.form, c.samples);
        ASSERT_TRUE(png);
        const auto picture = DecodePng(*png, "p.png");
        ASSERT_TRUE(picture.ok()) << picture.error().message;
        EXPECT_EQ(picture->width, static_cast<int>(c.form.width));
        EXPECT_EQ(picture->height, static_cast<int>(c.form.height));
        EXPECT_EQ(picture->rgba, c.rgba);
    }
}

TEST(PngDecoder, RefusesWhatIsNoUsablePng) {
    const auto tall = *WritePng(MakeForm(1, 1025, SPNG_COLOR_TYPE_GRAYSCALE, 8), std::vector<std::uint8_t>(1025 * 2, 0));
    auto badCrc = *WritePng(MakeForm(2, 2, SPNG_COLOR_TYPE_GRAYSCALE, 8), std::vector<std::uint8_t>(6, 0));
    badCrc[29] ^= 1;  // inside the header chunk
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* says;
    } cases[] = {
        {"empty", {}, "not a PNG file"},
        {"text", {'h', 'i', 0, 0, 0, 0, 0, 0, 0, 0}, "not a PNG file"},
        {"1025 rows", tall, "larger than 1024 points a side"},
        {"a damaged header", badCrc, "damaged"},
        {"cut after the signature", std::vector<std::uint8_t>(tall.begin(), tall.begin() + 12), "damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto picture = DecodePng(c.bytes, "in/p.png");
        ASSERT_FALSE(picture.ok());
        EXPECT_NE(picture.error().message.find("\"in/p.png\" cannot be used as a picture: "), std::string::npos);
        EXPECT_NE(picture.error().message.find(c.says), std::string::npos) << picture.error().message;
    }
}

}  // namespace
}  // namespace tilewright
