// Decode_Mul: finds a tile's picture through artidx.mul, decodes it from
// art.mul and paints it pixel by pixel onto a PixelSurface. The art files are
// only read, and are closed again before each call returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pixelsurface.h"

namespace tilewright::Decode_Mul {

inline constexpr char kArtIndexFileName[] = "artidx.mul";
inline constexpr char kArtFileName[] = "art.mul";
inline constexpr std::int32_t kItemArtBase = 16384;  // item n is entry 16384 + n

struct ArtIndexEntry {
    std::int32_t Lookup = -1;  // byte offset in art.mul; -1 means no image
    std::int32_t Length = 0;
    std::int32_t Extra = 0;
};

// Entry `entryNumber` of `artFolder` + "artidx.mul"; nothing when the file
// cannot be read or the entry does not lie wholly inside it.
std::optional<ArtIndexEntry> ReadArtIndexEntry(std::int32_t entryNumber, const std::string& artFolder);

// A 1-5-5-5 art colour to red + 256 * green + 65536 * blue, each channel
// scaled to 0..255 rounding to nearest; bit 15 is ignored.
constexpr std::uint32_t Color555ToRgb(std::uint16_t colour) {
    auto scale = [](std::uint32_t c) { return (c * 255 + 15) / 31; };
    const std::uint32_t blue = scale(colour & 0x1F);
    const std::uint32_t green = scale((colour >> 5) & 0x1F);
    const std::uint32_t red = scale((colour >> 10) & 0x1F);
    return red + 256 * green + 65536 * blue;
}

// Paints land image `entryNumber` (the record's TextureId) as a 44 x 44 diamond.
void DrawLandArt(PixelSurface& surface, std::int32_t entryNumber, const std::string& artFolder);
// Paints the run-length encoded image of item `itemNumber` (entry 16384 + n).
void DrawItemArt(PixelSurface& surface, std::int32_t itemNumber, const std::string& artFolder);

}  // namespace tilewright::Decode_Mul
