// PNG files to RGBA pictures, through libspng: every valid PNG is taken
// (grey, grey with alpha, palette, RGB, RGBA, 1 to 16 bits, interlaced), its
// transparency chunk applied; 16-bit channels are rounded to 8 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "error.h"
#include "rgbasurface.h"

namespace tilewright {

inline constexpr int kMostPictureSide = 1024;
inline constexpr std::uint64_t kMostPngFileSize = std::uint64_t{16} << 20;

// The picture in `png`, or an error naming `name`: not a PNG, damaged, or
// more than kMostPictureSide points a side.
Result<Decode_Mul::RgbaImage> DecodePng(std::span<const std::uint8_t> png, const std::string& name);
// The PNG file at `path`, refused unread when it is over kMostPngFileSize.
Result<Decode_Mul::RgbaImage> ReadPngFile(const std::string& path);

}  // namespace tilewright
