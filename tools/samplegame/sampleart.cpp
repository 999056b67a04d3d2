#include "sampleart.h"

#include <algorithm>
#include <cstdlib>

#include "samplehash.h"

namespace tilewright::sample {
namespace {

constexpr std::uint16_t kBlack = 0x0000;

// Channels 0..31 each, clamped.
std::uint16_t Rgb(int r, int g, int b) {
    auto c = [](int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, 31)); };
    return static_cast<std::uint16_t>(c(r) << 10 | c(g) << 5 | c(b));
}

// A bright base colour per image, so neighbouring tiles differ.
struct Hue {
    int r, g, b;
};

Hue HueOf(std::uint32_t h) {
    return {static_cast<int>(8 + h % 24), static_cast<int>(8 + (h >> 5) % 24), static_cast<int>(8 + (h >> 10) % 24)};
}

std::uint16_t Shade(Hue hue, int step) { return Rgb(hue.r + step, hue.g + step, hue.b + step); }

std::uint16_t LandPixel(int pattern, Hue hue, Hue other, int x, int y, std::uint32_t h) {
    switch (pattern) {
        case 0: return Shade(hue, y / 3 - 7);  // top-to-bottom gradient
        case 1: return ((x / 4 + y / 4) % 2) ? Shade(hue, 0) : Shade(other, 0);  // checker
        case 2: return ((x + y) / 3 % 2) ? Shade(hue, 4) : Shade(hue, -6);  // diagonal stripes
        case 3: {  // rings around the centre
            const int d = std::abs(2 * x - 43) + std::abs(2 * y - 43);
            return (d / 8 % 2) ? Shade(hue, 0) : Shade(other, -4);
        }
        case 4: return Shade(hue, static_cast<int>(SampleHash(h ^ static_cast<std::uint32_t>(y * 44 + x)) % 7) - 3);  // speckle
        default:  // bricks with black mortar
            if (y % 6 == 5 || (x + (y / 6 % 2) * 5) % 10 == 9) return kBlack;
            return Shade(hue, -(x % 10) / 3);
    }
}

ItemGrid ItemPicture(int pattern, int w, int h, Hue hue, Hue other) {
    ItemGrid grid(w, h);
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    const double rx = w / 2.0, ry = h / 2.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            const double d2 = dx * dx + dy * dy;
            std::optional<std::uint16_t> c;
            switch (pattern) {
                case 0:  // disc with a black rim and a radial gradient
                    if (d2 <= 1.0) c = d2 > 0.8 ? kBlack : Shade(hue, static_cast<int>(8 - 14 * d2));
                    break;
                case 1:  // ring: the hole splits the middle rows in two runs
                    if (d2 <= 1.0 && d2 >= 0.3) c = Shade(other, static_cast<int>(6 * dx));
                    break;
                case 2:  // triangle pointing up, shaded left to right
                    if (std::abs(x - cx) <= (y + 1) * rx / h) c = Shade(hue, x * 12 / w - 6);
                    break;
                case 3:  // vertical stripes, four wide with a gap of two
                    if (x % 6 < 4) c = (x % 6 == 0) ? kBlack : Shade(hue, (y * 10) / h - 5);
                    break;
                case 4:  // plus sign
                    if (std::abs(x - cx) < w / 6.0 || std::abs(y - cy) < h / 6.0) c = Shade(other, 2);
                    break;
                case 5:  // frame with an open middle band of empty rows
                    if (std::abs(y - cy) < h / 8.0) break;
                    if (x < 4 || x >= w - 4 || y < 4 || y >= h - 4) c = Shade(hue, 0);
                    break;
                case 6:  // checker of black and coloured squares with holes
                    switch ((x / 5 + 2 * (y / 5)) % 3) {
                        case 0: c = kBlack; break;
                        case 1: c = Shade(other, 0); break;
                        default: break;
                    }
                    break;
                default:  // barrel: black hoops, every seventh row left empty
                    if (y % 7 == 6) break;
                    if (std::abs(x - cx) <= rx * (0.75 + 0.25 * (1 - dy * dy))) c = (y % 7 == 0) ? kBlack : Shade(hue, -2);
                    break;
            }
            grid.at(x, y) = c;
        }
    }
    return grid;
}

}  // namespace

std::optional<LandColours> SampleLandImage(std::int32_t entry) {
    if (entry < 0 || entry >= kSampleLandCount) return std::nullopt;
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(entry) + 1);
    if (h % 12 == 0) return std::nullopt;
    const int pattern = static_cast<int>((h >> 4) % 6);
    const Hue hue = HueOf(h >> 8), other = HueOf(h >> 17);
    LandColours colours{};
    std::size_t k = 0;
    for (int y = 0; y < 44; ++y) {
        const int half = y < 22 ? y : 43 - y;
        for (int x = 21 - half; x <= 22 + half; ++x) colours[k++] = LandPixel(pattern, hue, other, x, y, h);
    }
    return colours;
}

std::optional<ItemGrid> SampleItemImage(std::int32_t itemNumber) {
    if (itemNumber < 0 || itemNumber >= kSampleFreeItems) return std::nullopt;
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(itemNumber) ^ 0x9E3779B9u);
    const Hue hue = HueOf(h >> 8), other = HueOf(h >> 19);
    // Every thousandth item is large, another tiny; the rest 20 to 64 pixels a side.
    if (itemNumber % 1000 == kSampleLargeItem % 1000) {
        static constexpr int kLarge[][3] = {{256, 256, 0}, {400, 90, 3}, {120, 260, 2}, {300, 140, 7}};
        const auto& s = kLarge[itemNumber / 1000 % 4];
        return ItemPicture(s[2], s[0], s[1], hue, other);
    }
    if (itemNumber % 1000 == 500) {
        static constexpr int kTiny[][2] = {{1, 1}, {2, 1}, {1, 3}, {3, 3}};
        const auto& s = kTiny[itemNumber / 1000 % 4];
        return ItemPicture(4, s[0], s[1], hue, other);
    }
    if (h % 16 == 0) return std::nullopt;
    const int w = 20 + static_cast<int>((h >> 4) % 45);
    const int ht = 20 + static_cast<int>((h >> 12) % 45);
    return ItemPicture(static_cast<int>((h >> 24) % 8), w, ht, hue, other);
}

ArtFileBuilder BuildSampleArt() {
    ArtFileBuilder art(Decode_Mul::kItemArtBase + kSampleItemCount);
    for (std::int32_t e = 0; e < kSampleLandCount; ++e)
        if (auto land = SampleLandImage(e)) art.SetLand(e, *land);
    for (std::int32_t n = 0; n < kSampleItemCount; ++n)
        if (auto item = SampleItemImage(n)) art.SetItem(n, *item);
    return art;
}

ArtContainerBuilder BuildSampleArtContainer() {
    const ArtFileBuilder art = BuildSampleArt();
    ArtContainerBuilder container;
    for (std::int32_t e = 0; e < art.entryCount(); ++e) {
        if (e % 1500 == 700) container.AddUnused();
        const auto image = art.Image(e);
        if (!image) continue;
        const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(e) ^ 0x5BD1E995u);
        container.Add(e, *image, {h % 3 != 0, e % 5 == 0 ? 12u + h % 20 : 0u});
    }
    for (int i = 0; i < 5; ++i) container.AddUnused();
    return container;
}

Status WriteSampleArt(const std::string& folder, SampleArtForm form) {
    if (form == SampleArtForm::Container) return BuildSampleArtContainer().WriteTo(folder);
    return BuildSampleArt().WriteTo(folder);
}

}  // namespace tilewright::sample
