// The encoders against the painters: whatever a picture holds, painting its
// image gives back its opaque points in their (rounded) colours.
#include "artencoder.h"

#include "artfixture.h"
#include "rgbasurface.h"
#include "sampleart.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::EncodeItemImage;
using Decode_Mul::EncodeLandImage;
using Decode_Mul::RgbaImage;

RgbaImage Blank(int width, int height) {
    return {width, height, std::vector<std::uint8_t>(4 * static_cast<std::size_t>(width) * height, 0)};
}

void Set(RgbaImage& picture, int x, int y, std::uint32_t rgb, std::uint8_t alpha = 255) {
    std::uint8_t* p = &picture.rgba[4 * (static_cast<std::size_t>(y) * picture.width + x)];
    p[0] = rgb & 0xFF, p[1] = (rgb >> 8) & 0xFF, p[2] = (rgb >> 16) & 0xFF, p[3] = alpha;
}

// The points a painter should paint for `picture`: its opaque ones, colours
// taken to art colours and back.
std::vector<PaintedPoint> Expected(const RgbaImage& picture) {
    std::vector<PaintedPoint> points;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = &picture.rgba[4 * (static_cast<std::size_t>(y) * picture.width + x)];
            if (p[3] >= 128) points.push_back({x, y, Rgb(Decode_Mul::RgbToColor555(p[0], p[1], p[2]))});
        }
    return points;
}

TEST(ArtColour, EveryArtColourComesBackAndNearbyValuesRoundToIt) {
    for (std::uint32_t colour = 0; colour < 0x8000; ++colour) {
        const std::uint32_t rgb = Rgb(static_cast<std::uint16_t>(colour));
        ASSERT_EQ(Decode_Mul::RgbToColor555(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF), colour);
    }
    const struct {
        std::uint8_t value;
        std::uint16_t level;
    } cases[] = {{0, 0}, {4, 0}, {5, 1}, {12, 1}, {13, 2}, {24, 3}, {131, 16}, {250, 30}, {251, 31}, {255, 31}};
    for (const auto& c : cases) EXPECT_EQ(Decode_Mul::RgbToColor555(0, 0, c.value), c.level) << int(c.value);
}

TEST(ItemEncoder, PaintsExactlyTheOpaquePointsForEverySizeClass) {
    struct Case {
        const char* what;
        RgbaImage picture;
    };
    std::vector<Case> cases;
    RgbaImage one = Blank(1, 1);
    Set(one, 0, 0, 0x000000);  // black is a colour, not transparency
    cases.push_back({"1 x 1 black", one});
    RgbaImage column = Blank(1, 9);
    for (int y = 0; y < 9; y += 2) Set(column, 0, y, 0x10FF20u * (y + 1));
    cases.push_back({"one point wide with empty rows", column});
    RgbaImage gaps = Blank(7, 4);
    for (int x : {0, 2, 3, 6}) Set(gaps, x, 1, 0x123456);
    Set(gaps, 6, 3, 0xFFFFFF);
    cases.push_back({"runs at both edges, first and last rows empty", gaps});
    RgbaImage big = Blank(1024, 1024);
    for (int y = 0; y < 1024; ++y) Set(big, (y * 37) % 1024, y, static_cast<std::uint32_t>(y) * 4099u);
    for (int x = 0; x < 1024; ++x) Set(big, x, 1023, 0x00FF00);
    cases.push_back({"1024 x 1024 that fits", big});
    RgbaImage alpha = Blank(6, 1);
    const std::uint8_t alphas[] = {0, 1, 127, 128, 254, 255};
    for (int x = 0; x < 6; ++x) Set(alpha, x, 0, 0xABCDEF, alphas[x]);
    cases.push_back({"alpha rounded at 128", alpha});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto image = EncodeItemImage(c.picture, "p.png");
        ASSERT_TRUE(image.ok()) << image.error().message;
        EXPECT_EQ(PaintItem(image->bytes), Expected(c.picture));
        EXPECT_EQ(image->bytes[0] | image->bytes[1] | image->bytes[2] | image->bytes[3], 0);
    }
    EXPECT_EQ(EncodeItemImage(alpha, "p.png")->roundedAlpha, 4u);
}

TEST(ItemEncoder, RefusesWhatNoImageCanHold) {
    RgbaImage full = Blank(1024, 1024);
    for (std::size_t i = 3; i < full.rgba.size(); i += 4) full.rgba[i] = 255;
    const struct {
        const char* what;
        RgbaImage picture;
        const char* says;
    } cases[] = {
        {"no opaque point", Blank(5, 5), "no opaque point"},
        {"a full 1024 x 1024", full, "1024 x 1024"},
        {"too wide", Blank(1025, 1), "1025 x 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto image = EncodeItemImage(c.picture, "dir/p.png");
        ASSERT_FALSE(image.ok());
        EXPECT_NE(image.error().message.find("dir/p.png"), std::string::npos) << image.error().message;
        EXPECT_NE(image.error().message.find(c.says), std::string::npos) << image.error().message;
    }
}

RgbaImage PaintedLand(std::int32_t sample) {
    Decode_Mul::RgbaSurface surface;
    surface.BeginPicture(44, 44);
    const auto colours = *sample::SampleLandImage(sample);
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t c : colours) bytes.push_back(c & 0xFF), bytes.push_back(c >> 8);
    Decode_Mul::PaintLandImage(surface, bytes);
    return surface.TakeImage();
}

TEST(LandEncoder, GivesBackTheColoursItsPictureWasPaintedFrom) {
    const auto colours = *sample::SampleLandImage(7);
    const auto image = EncodeLandImage(PaintedLand(7), "land.png");
    ASSERT_TRUE(image.ok()) << image.error().message;
    ASSERT_EQ(image->bytes.size(), 2024u);
    for (std::size_t i = 0; i < colours.size(); ++i)
        ASSERT_EQ(image->bytes[2 * i] | image->bytes[2 * i + 1] << 8, colours[i] & 0x7FFF) << i;
    EXPECT_EQ(image->roundedAlpha, 0u);
}

TEST(LandEncoder, RefusesPointsOnTheWrongSideNamingTheCountAndTheFirst) {
    RgbaImage corner = PaintedLand(3);
    Set(corner, 43, 43, 0);  // outside, opaque
    Set(corner, 10, 30, 0, 0);  // inside, transparent
    RgbaImage halfAlpha = PaintedLand(3);
    Set(halfAlpha, 0, 0, 0, 128);
    const struct {
        const char* what;
        RgbaImage picture;
        const char* says;
    } cases[] = {
        {"two wrong points", corner, "2 points lie on the wrong side of the land diamond (opaque outside it or transparent inside), the first at x 10, y 30"},
        {"alpha 128 counts as opaque", halfAlpha, "1 point lies on the wrong side of the land diamond (opaque outside it or transparent inside), the first at x 0, y 0"},
        {"not 44 x 44", Blank(44, 45), "44 x 45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto image = EncodeLandImage(c.picture, "land.png");
        ASSERT_FALSE(image.ok());
        EXPECT_NE(image.error().message.find(c.says), std::string::npos) << image.error().message;
    }
}

}  // namespace
}  // namespace tilewright::arttest
