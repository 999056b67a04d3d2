// The records of TileData.mul and their bytes. The fields and their order
// are the same in every layout; only `Flags` is 4 or 8 bytes wide, and every
// field after it moves with it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "tiledatalayout.h"

namespace tilewright {

inline constexpr std::size_t kNameSize = 20;
inline constexpr std::size_t kLandRecordSize = 26;  // classic sizes
inline constexpr std::size_t kItemRecordSize = 37;
inline constexpr std::size_t kLandBlockSize = kClassicLayout.BlockSize(TileKind::Land);  // 836
inline constexpr std::size_t kItemBlockSize = kClassicLayout.BlockSize(TileKind::Item);  // 1188
inline constexpr std::size_t kLandBlockCount = 512;
inline constexpr std::size_t kItemBlockCount = 512;
inline constexpr std::int32_t ItemSectionOffset = 428032;
static_assert(kClassicLayout.RecordSize(TileKind::Land) == kLandRecordSize);
static_assert(kClassicLayout.RecordSize(TileKind::Item) == kItemRecordSize);
static_assert(kLandBlockSize * kLandBlockCount == ItemSectionOffset);

// Tile numbers a classic file's lists offer: land 0..16383, item 0..16382.
inline constexpr int kLandTileCount = kClassicLayout.ListedCount(TileKind::Land);
inline constexpr int kItemTileCount = kClassicLayout.ListedCount(TileKind::Item);

// 8-bit text, zero-terminated unless it fills all 20 bytes.
using TileName = std::array<std::uint8_t, kNameSize>;

struct LandTileRecord {
    std::uint64_t Flags = 0;
    std::int16_t TextureId = 0;
    TileName Name{};
    bool operator==(const LandTileRecord&) const = default;
};

struct ItemTileRecord {
    std::uint64_t Flags = 0;
    std::uint8_t Weight = 0;
    std::uint8_t Quality = 0;
    std::int16_t Unknown1 = 0;
    std::uint8_t Unknown2 = 0;
    std::uint8_t Quantity = 0;
    std::int16_t Animation = 0;
    std::uint8_t Unknown3 = 0;
    std::uint8_t Hue = 0;
    std::uint8_t Unknown4 = 0;
    std::uint8_t Unknown5 = 0;
    std::uint8_t Height = 0;
    TileName Name{};
    bool operator==(const ItemTileRecord&) const = default;
};

// `bytes` holds at least layout.RecordSize(kind) bytes; the record is read
// from its start. Encoding writes exactly RecordSize bytes to the start of
// `out`; a 32-bit layout stores the low 32 bits of `Flags`.
LandTileRecord DecodeLandRecord(const TileDataLayout& layout, std::span<const std::uint8_t> bytes);
ItemTileRecord DecodeItemRecord(const TileDataLayout& layout, std::span<const std::uint8_t> bytes);
void EncodeLandRecord(const TileDataLayout& layout, const LandTileRecord& record, std::span<std::uint8_t> out);
void EncodeItemRecord(const TileDataLayout& layout, const ItemTileRecord& record, std::span<std::uint8_t> out);

// The classic layout's records.
using LandRecordBytes = std::array<std::uint8_t, kLandRecordSize>;
using ItemRecordBytes = std::array<std::uint8_t, kItemRecordSize>;
LandTileRecord DecodeLandRecord(std::span<const std::uint8_t, kLandRecordSize> bytes);
ItemTileRecord DecodeItemRecord(std::span<const std::uint8_t, kItemRecordSize> bytes);
LandRecordBytes EncodeLandRecord(const LandTileRecord& record);
ItemRecordBytes EncodeItemRecord(const ItemTileRecord& record);

}  // namespace tilewright
