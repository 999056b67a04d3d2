// Tile number to the 1-based byte position of its record in a classic
// TileData.mul; other layouts use TileDataLayout::RecordPosition directly.
// Positions are 1-based: the record at position P starts at 0-based offset P - 1.
#pragma once

#include <cstdint>
#include <optional>

namespace tilewright {

// Block number counted from 1: n div 32 + 1.
std::optional<std::int16_t> BlockNumber(std::int32_t n);

// n * 26 + B * 4 + 1, or nothing when a step overflows its width.
std::optional<std::int32_t> LandRecordPosition(std::int32_t n);
// n * 37 + B * 4 + 428033, or nothing when a step overflows its width.
std::optional<std::int32_t> ItemRecordPosition(std::int32_t n);

}  // namespace tilewright
