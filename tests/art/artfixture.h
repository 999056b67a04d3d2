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

}  // namespace tilewright::arttest
