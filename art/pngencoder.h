// RGBA pictures to PNG bytes, through libspng.
#pragma once

#include <cstdint>
#include <vector>

#include "error.h"
#include "rgbasurface.h"

namespace tilewright {

// An 8-bit RGBA PNG of `image`, not interlaced. Fails for an empty picture
// or when the encoder reports an error.
Result<std::vector<std::uint8_t>> EncodePng(const Decode_Mul::RgbaImage& image);

}  // namespace tilewright
