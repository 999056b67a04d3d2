// Builds a full-size TileData.mul in memory: 512 land blocks, then 512 item
// blocks, every record and block header settable. Used by the sample game,
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
    TileDataBuilder();

    void SetLand(int n, const LandTileRecord& record);
    void SetItem(int n, const ItemTileRecord& record);  // n = 0..16383
    void SetLandBlockHeader(int block, std::uint32_t header);  // block counted from 0
    void SetItemBlockHeader(int block, std::uint32_t header);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// 0-based offsets of tile n's record.
std::size_t LandRecordOffset(int n);
std::size_t ItemRecordOffset(int n);

// A name from text of ISO 8859-1 bytes, zero-padded; the first 20 kept.
TileName MakeName(std::string_view latin1);

// The deterministic synthetic records of the sample game: varied flags and
// values, unnamed tiles, names that fill all 20 bytes, bytes above 127 and
// negative 16-bit values.
LandTileRecord SampleLandRecord(int n);
ItemTileRecord SampleItemRecord(int n);
std::uint32_t SampleBlockHeader(int section, int block);
std::vector<std::uint8_t> BuildSampleTileData();

// Writes `bytes` to `path`, replacing the file.
Status WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tilewright::sample
