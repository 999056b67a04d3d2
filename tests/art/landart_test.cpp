#include <set>
#include <utility>

#include "artfixture.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::PaintLandImage;
using sample::ExpectedLandPicture;
using sample::LandColours;

// Colour k of pixel k, so every call shows which stored pixel it painted.
LandColours Numbered() {
    LandColours c{};
    for (std::size_t k = 0; k < c.size(); ++k) c[k] = static_cast<std::uint16_t>(k);
    return c;
}

std::vector<std::uint8_t> Bytes(const LandColours& colours) {
    std::vector<std::uint8_t> out;
    for (auto c : colours) out = Concat(std::move(out), Words({c}));
    return out;
}

std::vector<PaintedPoint> PaintLand(const std::vector<std::uint8_t>& image) {
    RecordingSurface surface;
    PaintLandImage(surface, image);
    return surface.calls;
}

struct PlacementCase {
    std::size_t firstIndex, lastIndex;
    int firstX, lastX, y;
};

constexpr PlacementCase kPlacements[] = {
    {0, 1, 21, 22, 0},       {2, 5, 20, 23, 1},       {462, 505, 0, 43, 21},
    {506, 549, 0, 43, 22},   {550, 591, 1, 42, 23},   {1010, 1011, 21, 22, 43},
};

TEST(PaintLandImage, PlacesStoredPixelsOnTheWorkedCoordinates) {
    const auto calls = PaintLand(Bytes(Numbered()));
    ASSERT_EQ(calls.size(), 1012u);
    for (const auto& p : kPlacements) {
        for (std::size_t k = p.firstIndex; k <= p.lastIndex; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(calls[k], (PaintedPoint{p.firstX + static_cast<int>(k - p.firstIndex), p.y, Rgb(static_cast<std::uint16_t>(k))}));
        }
        EXPECT_EQ(calls[p.lastIndex].x, p.lastX);
    }
}

TEST(PaintLandImage, PaintsTheWholeDiamondOnceAndNothingOutsideIt) {
    const LandColours colours = Numbered();
    const auto calls = PaintLand(Bytes(colours));
    EXPECT_EQ(calls, ExpectedLandPicture(colours));

    std::set<std::pair<int, int>> points;
    for (const auto& c : calls) points.insert({c.x, c.y});
    EXPECT_EQ(points.size(), 1012u);
    for (auto corner : {std::pair{0, 0}, {43, 0}, {0, 43}, {43, 43}, {20, 0}, {23, 0}}) EXPECT_FALSE(points.count(corner));
}

TEST(PaintLandImage, PaintsBlackAndIgnoresBit15) {
    LandColours colours{};
    colours.fill(0x0000);
    colours[7] = 0xFFFF;
    colours[8] = 0x8000;
    const auto calls = PaintLand(Bytes(colours));
    ASSERT_EQ(calls.size(), 1012u);
    EXPECT_EQ(calls[7].colour, 0xFFFFFFu);
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (k == 7) continue;
        EXPECT_EQ(calls[k].colour, 0u) << k;
    }
}

TEST(PaintLandImage, NeedsAll2024BytesAndReadsNoFurther) {
    auto image = Bytes(Numbered());
    auto shorter = image;
    shorter.pop_back();
    EXPECT_TRUE(PaintLand(shorter).empty());
    EXPECT_TRUE(PaintLand({}).empty());

    auto longer = Concat(image, Words({0x7FFF, 0x7FFF}));
    EXPECT_EQ(PaintLand(longer), ExpectedLandPicture(Numbered()));
}

}  // namespace
}  // namespace tilewright::arttest
