// Decode_Mul: finds a tile's picture through artidx.mul, decodes it from
// art.mul and paints it pixel by pixel onto a PixelSurface. A folder without
// those two files but with artLegacyMUL.uop has its pictures read from there.
// The art files are only read, and are closed again before each call returns;
// only the container's table of entries is kept between calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "error.h"
#include "pixelsurface.h"

namespace tilewright::Decode_Mul {

inline constexpr char kArtIndexFileName[] = "artidx.mul";
inline constexpr char kArtFileName[] = "art.mul";
inline constexpr std::int32_t kItemArtBase = 16384;  // item n is entry 16384 + n
inline constexpr std::size_t kArtIndexEntrySize = 12;
inline constexpr int kLandImageSide = 44;
inline constexpr std::size_t kLandImagePixels = 1012;
inline constexpr std::size_t kLandImageSize = 2 * kLandImagePixels;
// Item x coordinates are signed 16-bit in the format; a run reaching past
// this ends its row, which also bounds the work of every row.
inline constexpr std::int32_t kItemMaxX = 32767;
// Rows may share their run data, so a crafted image could ask for 32767 rows
// of 65536 pixels each. No real item image comes near 16 Mi pixels (4096 x
// 4096); past that many the painting stops, so that no file can freeze the
// editor for more than a moment.
inline constexpr std::uint64_t kItemPixelBudget = std::uint64_t{1} << 24;

struct ArtIndexEntry {
    std::int32_t Lookup = -1;  // byte offset in art.mul; -1 means no image
    std::int32_t Length = 0;
    std::int32_t Extra = 0;
};

// Entry `entryNumber` of `artFolder` + "artidx.mul"; nothing when the file
// cannot be read or the entry does not lie wholly inside it.
std::optional<ArtIndexEntry> ReadArtIndexEntry(std::int32_t entryNumber, const std::string& artFolder);
// How many entries the art of `artFolder` holds: entries 0 to the count less
// one may have an image. An error names the file when it cannot be opened
// or, for a container, when its table is broken.
Result<std::int32_t> ArtEntryCount(const std::string& artFolder);

// A 1-5-5-5 art colour to red + 256 * green + 65536 * blue, each channel
// scaled to 0..255 rounding to nearest; bit 15 is ignored.
constexpr std::uint32_t Color555ToRgb(std::uint16_t colour) {
    auto scale = [](std::uint32_t c) { return (c * 255 + 15) / 31; };
    const std::uint32_t blue = scale(colour & 0x1F);
    const std::uint32_t green = scale((colour >> 5) & 0x1F);
    const std::uint32_t red = scale((colour >> 10) & 0x1F);
    return red + 256 * green + 65536 * blue;
}

// The bytes of one image: offset 0 is its first byte (Lookup in art.mul), and
// they go on to the end of the file.
class ImageBytes {
public:
    virtual ~ImageBytes() = default;
    // The `length` bytes at `offset`, or nothing when they do not all lie
    // inside. The span stays valid until the next call.
    virtual std::optional<std::span<const std::uint8_t>> Get(std::uint64_t offset, std::size_t length) = 0;
    // A hint that the bytes up to `end` will be wanted, so that a source that
    // reads on demand can fetch them at once.
    virtual void Expect(std::uint64_t /*end*/) {}
};

// Paints a land image from the first 2024 of `image`; nothing when it is shorter.
void PaintLandImage(PixelSurface& surface, std::span<const std::uint8_t> image);

// Paints an item image row by row, each row as far as its data is valid: a
// row ends at its closing pair, at a gap of 0 or not below ImageWidth, at a
// run length of 0 or less, at a run past x = 32767, and at a field or run
// whose bytes are not all there; such an incomplete run, or one reaching past
// x = 32767, is not painted at all. Row offsets are unsigned word counts;
// ImageHeight 0 or less paints nothing. Painting stops once kItemPixelBudget
// pixels are painted.
void PaintItemImage(PixelSurface& surface, ImageBytes& image);
void PaintItemImage(PixelSurface& surface, std::span<const std::uint8_t> image);

// Paints land image `entryNumber` (the record's TextureId) as a 44 x 44 diamond.
// An entry without an image (Lookup -1) paints nothing and leaves art.mul
// unopened. A negative entry number or Lookup, an entry or image past the end
// of its file and a file that cannot be read are taken the same way, and so
// are an entry the container does not hold and a broken entry or container.
// The one painting that finds a version of the container broken fails, in
// words naming the file, so that a broken container is told once, not at
// every picture; it paints nothing either way.
Status DrawLandArt(PixelSurface& surface, std::int32_t entryNumber, const std::string& artFolder);
// Paints the run-length encoded image of item `itemNumber` (entry 16384 + n),
// with the rules of PaintItemImage and the no-image cases of DrawLandArt.
Status DrawItemArt(PixelSurface& surface, std::int32_t itemNumber, const std::string& artFolder);

}  // namespace tilewright::Decode_Mul
