// Shared by the art tests: a surface that records every pixel call in order,
// a throw-away folder, and item images written word by word.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "artfilebuilder.h"
#include "decode_mul.h"
#include "sampleart.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"

namespace tilewright::sample {
inline void PrintTo(const PaintedPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") = 0x" << std::hex << p.colour << std::dec;
}
}  // namespace tilewright::sample

namespace tilewright::arttest {

using sample::PaintedPoint;

class RecordingSurface final : public Decode_Mul::PixelSurface {
public:
    void SetPixel(int x, int y, std::uint32_t colour) override { calls.push_back({x, y, colour}); }
    std::vector<PaintedPoint> calls;
};

using testing::TempFolder;

// 16-bit little-endian words; negative values go in as two's complement.
inline std::vector<std::uint8_t> Words(std::initializer_list<int> words) {
    std::vector<std::uint8_t> out;
    for (int w : words) {
        out.push_back(static_cast<std::uint8_t>(w & 0xFF));
        out.push_back(static_cast<std::uint8_t>((w >> 8) & 0xFF));
    }
    return out;
}

inline std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::vector<PaintedPoint> PaintItem(const std::vector<std::uint8_t>& image) {
    RecordingSurface surface;
    Decode_Mul::PaintItemImage(surface, image);
    return surface.calls;
}

inline std::uint32_t Rgb(std::uint16_t colour) { return Decode_Mul::Color555ToRgb(colour); }

// Land 0..2 and items 0..2 with sample pictures, and the large sample item.
inline sample::ArtFileBuilder SomeArt() {
    sample::ArtFileBuilder art;
    for (std::int32_t e : {0, 1, 2}) art.SetLand(e, *sample::SampleLandImage(e + 8));
    for (std::int32_t n : {0, 1, 2}) art.SetItem(n, *sample::SampleItemImage(n + 3));
    art.SetItem(sample::kSampleLargeItem, *sample::SampleItemImage(sample::kSampleLargeItem));
    return art;
}
inline constexpr std::int32_t kSomeEntries[] = {
    0, 1, 2, Decode_Mul::kItemArtBase, Decode_Mul::kItemArtBase + 1, Decode_Mul::kItemArtBase + 2,
    Decode_Mul::kItemArtBase + sample::kSampleLargeItem};

// The points entry `entry` of the art in `folder` paints.
inline std::vector<PaintedPoint> Paint(std::int32_t entry, const std::string& folder) {
    RecordingSurface s;
    if (entry < Decode_Mul::kItemArtBase)
        static_cast<void>(Decode_Mul::DrawLandArt(s, entry, folder));
    else
        static_cast<void>(Decode_Mul::DrawItemArt(s, entry - Decode_Mul::kItemArtBase, folder));
    return s.calls;
}

}  // namespace tilewright::arttest
