// Builds a full-size TileData.mul of any layout in memory: 512 land blocks,
// then the layout's item blocks, every record and block header settable. Used by the sample game,
// the tests and the benchmarks, so that no real game file is ever needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "error.h"
#include "tilelayout.h"

namespace tilewright::sample {

inline constexpr std::size_t kTileDataFileSize = ItemSectionOffset + kItemBlockCount * kItemBlockSize;  // 1036288

class TileDataBuilder {
public:
    explicit TileDataBuilder(const TileDataLayout& layout = kClassicLayout);

    const TileDataLayout& layout() const { return layout_; }
    void SetLand(int n, const LandTileRecord& record);
    void SetItem(int n, const ItemTileRecord& record);  // n below the layout's item count
    void SetLandBlockHeader(int block, std::uint32_t header);  // block counted from 0
    void SetItemBlockHeader(int block, std::uint32_t header);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    TileDataLayout layout_;
    std::vector<std::uint8_t> bytes_;
};

// 0-based offsets of tile n's record in a classic file.
std::size_t LandRecordOffset(int n);
std::size_t ItemRecordOffset(int n);

// A name from text of ISO 8859-1 bytes, zero-padded; the first 20 kept.
TileName MakeName(std::string_view latin1);

// The deterministic synthetic records of the sample game: varied flags and
// values, unnamed tiles, names that fill all 20 bytes, bytes above 127 and
// negative 16-bit values. With 64-bit flags the upper 32 bits are set too.
LandTileRecord SampleLandRecord(int n, const TileDataLayout& layout = kClassicLayout);
ItemTileRecord SampleItemRecord(int n, const TileDataLayout& layout = kClassicLayout);
std::uint32_t SampleBlockHeader(int section, int block);
std::vector<std::uint8_t> BuildSampleTileData(const TileDataLayout& layout = kClassicLayout);

// Writes `bytes` to `path`, replacing the file.
Status WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tilewright::sample
