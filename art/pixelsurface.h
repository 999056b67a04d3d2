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
    // Told before the first point how large the picture is: 44 x 44 for a
    // land image, ImageWidth x ImageHeight for an item image. A surface of
    // its own fixed size has no use for it.
    virtual void BeginPicture(int /*width*/, int /*height*/) {}
};

}  // namespace tilewright::Decode_Mul
