// The surface the art painters draw on: one call per pixel, a point and a
// colour value red + 256 * green + 65536 * blue. Points outside the surface
// are ignored by the surface itself, so painters never clip.
#pragma once

#include <cstdint>

namespace tilewright::Decode_Mul {

class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    virtual void SetPixel(int x, int y, std::uint32_t colour) = 0;
};

}  // namespace tilewright::Decode_Mul
