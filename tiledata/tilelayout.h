// The byte layout of TileData.mul. Two sections lie back to back with no file
// header: 512 land blocks from offset 0, then item blocks from offset 428032.
// A block is a 4-byte header (never read or written here) and 32 records.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tilewright {

inline constexpr std::size_t kNameSize = 20;
inline constexpr std::size_t kLandRecordSize = 26;
inline constexpr std::size_t kItemRecordSize = 37;
inline constexpr std::size_t kBlockHeaderSize = 4;
inline constexpr std::size_t kRecordsPerBlock = 32;
inline constexpr std::size_t kLandBlockSize = kBlockHeaderSize + kRecordsPerBlock * kLandRecordSize;  // 836
inline constexpr std::size_t kItemBlockSize = kBlockHeaderSize + kRecordsPerBlock * kItemRecordSize;  // 1188
inline constexpr std::size_t kLandBlockCount = 512;
inline constexpr std::size_t kItemBlockCount = 512;
inline constexpr std::int32_t ItemSectionOffset = 428032;
static_assert(kLandBlockSize * kLandBlockCount == ItemSectionOffset);

// Tile numbers the lists offer: land 0..16383, item 0..16382 (the last record
// of item block 512 is never offered).
inline constexpr int kLandTileCount = 16384;
inline constexpr int kItemTileCount = 16383;

// 8-bit text, zero-terminated unless it fills all 20 bytes.
using TileName = std::array<std::uint8_t, kNameSize>;

struct LandTileRecord {
    std::uint32_t Flags = 0;
    std::int16_t TextureId = 0;
    TileName Name{};
    bool operator==(const LandTileRecord&) const = default;
};

struct ItemTileRecord {
    std::uint32_t Flags = 0;
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

using LandRecordBytes = std::array<std::uint8_t, kLandRecordSize>;
using ItemRecordBytes = std::array<std::uint8_t, kItemRecordSize>;

LandTileRecord DecodeLandRecord(std::span<const std::uint8_t, kLandRecordSize> bytes);
ItemTileRecord DecodeItemRecord(std::span<const std::uint8_t, kItemRecordSize> bytes);
LandRecordBytes EncodeLandRecord(const LandTileRecord& record);
ItemRecordBytes EncodeItemRecord(const ItemTileRecord& record);

// Caption of flag bit i (mask 1 << i), shown beside its check box.
inline constexpr std::array<std::string_view, 32> kFlagCaptions = {
    "Background", "Weapon",      "Transparent",   "Translucent",      "Wall",      "Damaging",
    "Impassable", "Wet",         "Unknown1",      "Surface",          "Bridge",    "Generic",
    "Window",     "No Shoot",    "Article \"A\"", "Article \"An\"",   "Internal",  "Foliage",
    "Partial Hue", "Unknown2",   "Map",           "Container",        "Wearable",  "LightSource",
    "Animation",  "No Diagonal", "Unknown3",      "Armor",            "Roof",      "Door",
    "Stair Back", "Stair Right",
};

constexpr std::uint32_t FlagMask(int bit) { return std::uint32_t{1} << bit; }

}  // namespace tilewright
