// The painters' inverse: RGBA pictures to land and item images of art.mul,
// so that every picture the painters produce comes back to the same image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "error.h"
#include "rgbasurface.h"

namespace tilewright::Decode_Mul {

// Each 8-bit channel to the 5-bit value whose Color555ToRgb scaling is
// nearest; bit 15 clear.
constexpr std::uint16_t RgbToColor555(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    auto level = [](std::uint32_t v) { return (v * 31 + 127) / 255; };
    return static_cast<std::uint16_t>(level(red) << 10 | level(green) << 5 | level(blue));
}

// Alpha 0 is transparent and 255 opaque; any other value counts as opaque
// from 128 up, and is counted as rounded.
constexpr bool IsOpaque(std::uint8_t alpha) { return alpha >= 128; }

struct EncodedImage {
    std::vector<std::uint8_t> bytes;  // the image as art.mul holds it
    std::size_t roundedAlpha = 0;     // points whose alpha was neither 0 nor 255
};

// A 44 x 44 picture whose diamond is opaque and whose corners are
// transparent, as its 1012 colours. A refusal names `name`, the count of
// points on the wrong side and the first of them in row order.
Result<EncodedImage> EncodeLandImage(const RgbaImage& picture, const std::string& name);

// A picture of 1 to 1024 points a side with at least one opaque point, run
// length encoded: each row's runs cover exactly its opaque points. Refused,
// naming `name` and its size, when a row would start past word 65535 of the
// run data.
Result<EncodedImage> EncodeItemImage(const RgbaImage& picture, const std::string& name);

}  // namespace tilewright::Decode_Mul
