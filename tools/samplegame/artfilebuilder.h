// Builds artidx.mul and art.mul in memory: land images from their 1012
// colours, item images run-length encoded from a grid of optional colours,
// and raw images or index entries for files a real client would never hold.
// Also the pictures those images should paint, worked out from the colours
// and grids alone, for comparing with what the painters do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "decode_mul.h"
#include "error.h"

namespace tilewright::sample {

using LandColours = std::array<std::uint16_t, Decode_Mul::kLandImagePixels>;

// An item picture, row by row; an empty cell is transparent.
struct ItemGrid {
    ItemGrid() = default;
    ItemGrid(int width, int height) : width(width), height(height), cells(static_cast<std::size_t>(width) * height) {}

    std::optional<std::uint16_t>& at(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
    const std::optional<std::uint16_t>& at(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x]; }

    int width = 0;
    int height = 0;
    std::vector<std::optional<std::uint16_t>> cells;
};

// The bytes of an item image in art.mul for `grid`: the header, the row table
// and each row's runs, a run per stretch of filled cells, ending in 0, 0.
// Throws std::length_error when a row would start past word 65535.
std::vector<std::uint8_t> EncodeItemImage(const ItemGrid& grid);

class ArtFileBuilder {
public:
    // Every entry below `entryCount` that is not set has Lookup -1; setting a
    // later one makes the index longer.
    explicit ArtFileBuilder(std::int32_t entryCount = 0);

    void SetLand(std::int32_t entry, const LandColours& colours);
    void SetItem(std::int32_t itemNumber, const ItemGrid& grid);  // entry 16384 + n
    // Appends `bytes` to art.mul as they stand and points `entry` at them.
    void SetRawImage(std::int32_t entry, const std::vector<std::uint8_t>& bytes);
    void SetIndexEntry(std::int32_t entry, const Decode_Mul::ArtIndexEntry& fields);

    std::int32_t entryCount() const { return static_cast<std::int32_t>(index_.size()); }
    // The `Length` bytes at `Lookup` of an entry that has an image, as far as art.mul holds them.
    std::optional<std::vector<std::uint8_t>> Image(std::int32_t entry) const;
    std::vector<std::uint8_t> IndexBytes() const;
    const std::vector<std::uint8_t>& ArtBytes() const { return art_; }

    // Writes `folder` + `indexName` and `folder` + `artName`.
    Status WriteTo(const std::string& folder, const std::string& indexName = Decode_Mul::kArtIndexFileName,
                   const std::string& artName = Decode_Mul::kArtFileName) const;

private:
    std::vector<Decode_Mul::ArtIndexEntry> index_;
    std::vector<std::uint8_t> art_;
};

// One painted point, in the order the painters paint: row by row from the
// top, each row left to right.
struct PaintedPoint {
    int x = 0;
    int y = 0;
    std::uint32_t colour = 0;
    friend bool operator==(const PaintedPoint&, const PaintedPoint&) = default;
};

// The diamond: row y of the upper half holds 2 (y + 1) pixels from x = 21 - y,
// row y of the lower half 2 (44 - y) from x = y - 22.
std::vector<PaintedPoint> ExpectedLandPicture(const LandColours& colours);
// Every filled cell of `grid`.
std::vector<PaintedPoint> ExpectedItemPicture(const ItemGrid& grid);

}  // namespace tilewright::sample
