// Builds a full-size TileData.mul of any layout in memory: 512 land blocks,
// then the layout's item blocks, every record and block header settable. Used by the sample game,
// the tests and the benchmarks, so that no real game file is ever needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "error.h"
#include "tilerow.h"

namespace tilewright::sample {

inline constexpr std::size_t kTileDataFileSize = kClassicLayout.FileSize();  // 1036288

class TileDataBuilder {
public:
    explicit TileDataBuilder(const TileDataLayout& layout = kClassicLayout);

    const TileDataLayout& layout() const { return layout_; }
    // Record row.id of row.kind; an item number below the layout's item count.
    void Set(const TileRow& row);
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

// Land tile n with those fields, for building files.
TileRow LandRow(int n, std::uint64_t flags, std::int32_t texture, const TileName& name);

// A name from text of ISO 8859-1 bytes, zero-padded; the first 20 kept.
TileName MakeName(std::string_view latin1);

// The deterministic synthetic records of the sample game: varied flags and
// values, unnamed tiles, names that fill all 20 bytes, bytes above 127 and
// negative 16-bit values, and empty items from kSampleFreeItems to 16383. With
// 64-bit flags the upper 32 bits are set too.
TileRow SampleLandRecord(int n, const TileDataLayout& layout = kClassicLayout);
TileRow SampleItemRecord(int n, const TileDataLayout& layout = kClassicLayout);
std::uint32_t SampleBlockHeader(int section, int block);
std::vector<std::uint8_t> BuildSampleTileData(const TileDataLayout& layout = kClassicLayout);

// Writes `bytes` to `path`, replacing the file.
Status WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tilewright::sample
