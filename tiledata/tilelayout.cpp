#include "tilelayout.h"

#include <algorithm>

#include "bytes.h"

namespace tilewright {
namespace {

// Field offsets inside a record, in file order.
constexpr std::size_t kLandTexture = 4, kLandName = 6;
constexpr std::size_t kItemWeight = 4, kItemQuality = 5, kItemUnknown1 = 6, kItemUnknown2 = 8, kItemQuantity = 9,
                      kItemAnimation = 10, kItemUnknown3 = 12, kItemHue = 13, kItemUnknown4 = 14,
                      kItemUnknown5 = 15, kItemHeight = 16, kItemName = 17;
static_assert(kLandName + kNameSize == kLandRecordSize);
static_assert(kItemName + kNameSize == kItemRecordSize);

TileName NameAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    TileName name{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), kNameSize, name.begin());
    return name;
}

}  // namespace

LandTileRecord DecodeLandRecord(std::span<const std::uint8_t, kLandRecordSize> b) {
    LandTileRecord r;
    r.Flags = ReadU32LE(b.subspan<0, 4>());
    r.TextureId = ReadI16LE(b.subspan<kLandTexture, 2>());
    r.Name = NameAt(b, kLandName);
    return r;
}

ItemTileRecord DecodeItemRecord(std::span<const std::uint8_t, kItemRecordSize> b) {
    ItemTileRecord r;
    r.Flags = ReadU32LE(b.subspan<0, 4>());
    r.Weight = b[kItemWeight];
    r.Quality = b[kItemQuality];
    r.Unknown1 = ReadI16LE(b.subspan<kItemUnknown1, 2>());
    r.Unknown2 = b[kItemUnknown2];
    r.Quantity = b[kItemQuantity];
    r.Animation = ReadI16LE(b.subspan<kItemAnimation, 2>());
    r.Unknown3 = b[kItemUnknown3];
    r.Hue = b[kItemHue];
    r.Unknown4 = b[kItemUnknown4];
    r.Unknown5 = b[kItemUnknown5];
    r.Height = b[kItemHeight];
    r.Name = NameAt(b, kItemName);
    return r;
}

LandRecordBytes EncodeLandRecord(const LandTileRecord& r) {
    LandRecordBytes b{};
    std::span<std::uint8_t, kLandRecordSize> s(b);
    WriteU32LE(s.subspan<0, 4>(), r.Flags);
    WriteU16LE(s.subspan<kLandTexture, 2>(), static_cast<std::uint16_t>(r.TextureId));
    std::copy(r.Name.begin(), r.Name.end(), b.begin() + kLandName);
    return b;
}

ItemRecordBytes EncodeItemRecord(const ItemTileRecord& r) {
    ItemRecordBytes b{};
    std::span<std::uint8_t, kItemRecordSize> s(b);
    WriteU32LE(s.subspan<0, 4>(), r.Flags);
    b[kItemWeight] = r.Weight;
    b[kItemQuality] = r.Quality;
    WriteU16LE(s.subspan<kItemUnknown1, 2>(), static_cast<std::uint16_t>(r.Unknown1));
    b[kItemUnknown2] = r.Unknown2;
    b[kItemQuantity] = r.Quantity;
    WriteU16LE(s.subspan<kItemAnimation, 2>(), static_cast<std::uint16_t>(r.Animation));
    b[kItemUnknown3] = r.Unknown3;
    b[kItemHue] = r.Hue;
    b[kItemUnknown4] = r.Unknown4;
    b[kItemUnknown5] = r.Unknown5;
    b[kItemHeight] = r.Height;
    std::copy(r.Name.begin(), r.Name.end(), b.begin() + kItemName);
    return b;
}

}  // namespace tilewright
