#include "tilelayout.h"

#include <algorithm>
#include <cassert>

#include "bytes.h"

namespace tilewright {
namespace {

// Field offsets after `Flags`, in file order.
constexpr std::size_t kLandTexture = 0, kLandName = 2;
constexpr std::size_t kItemWeight = 0, kItemQuality = 1, kItemUnknown1 = 2, kItemUnknown2 = 4, kItemQuantity = 5,
                      kItemAnimation = 6, kItemUnknown3 = 8, kItemHue = 9, kItemUnknown4 = 10,
                      kItemUnknown5 = 11, kItemHeight = 12, kItemName = 13;
static_assert(kLandName + kNameSize == kLandFieldsSize);
static_assert(kItemName + kNameSize == kItemFieldsSize);

std::uint64_t ReadFlags(const TileDataLayout& layout, std::span<const std::uint8_t> b) {
    return layout.flagSize == 8 ? ReadU64LE(b.first<8>()) : ReadU32LE(b.first<4>());
}

void WriteFlags(const TileDataLayout& layout, std::span<std::uint8_t> b, std::uint64_t flags) {
    if (layout.flagSize == 8)
        WriteU64LE(b.first<8>(), flags);
    else
        WriteU32LE(b.first<4>(), static_cast<std::uint32_t>(flags));
}

TileName NameAt(std::span<const std::uint8_t> fields, std::size_t offset) {
    TileName name{};
    std::copy_n(fields.begin() + static_cast<std::ptrdiff_t>(offset), kNameSize, name.begin());
    return name;
}

std::int16_t I16At(std::span<const std::uint8_t> fields, std::size_t offset) {
    return ReadI16LE(fields.subspan(offset).first<2>());
}

void PutI16(std::span<std::uint8_t> fields, std::size_t offset, std::int16_t value) {
    WriteU16LE(fields.subspan(offset).first<2>(), static_cast<std::uint16_t>(value));
}

}  // namespace

LandTileRecord DecodeLandRecord(const TileDataLayout& layout, std::span<const std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(TileKind::Land));
    const auto f = b.subspan(layout.flagSize, kLandFieldsSize);
    LandTileRecord r;
    r.Flags = ReadFlags(layout, b);
    r.TextureId = I16At(f, kLandTexture);
    r.Name = NameAt(f, kLandName);
    return r;
}

ItemTileRecord DecodeItemRecord(const TileDataLayout& layout, std::span<const std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(TileKind::Item));
    const auto f = b.subspan(layout.flagSize, kItemFieldsSize);
    ItemTileRecord r;
    r.Flags = ReadFlags(layout, b);
    r.Weight = f[kItemWeight];
    r.Quality = f[kItemQuality];
    r.Unknown1 = I16At(f, kItemUnknown1);
    r.Unknown2 = f[kItemUnknown2];
    r.Quantity = f[kItemQuantity];
    r.Animation = I16At(f, kItemAnimation);
    r.Unknown3 = f[kItemUnknown3];
    r.Hue = f[kItemHue];
    r.Unknown4 = f[kItemUnknown4];
    r.Unknown5 = f[kItemUnknown5];
    r.Height = f[kItemHeight];
    r.Name = NameAt(f, kItemName);
    return r;
}

void EncodeLandRecord(const TileDataLayout& layout, const LandTileRecord& r, std::span<std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(TileKind::Land));
    const auto f = b.subspan(layout.flagSize, kLandFieldsSize);
    WriteFlags(layout, b, r.Flags);
    PutI16(f, kLandTexture, r.TextureId);
    std::copy(r.Name.begin(), r.Name.end(), f.begin() + kLandName);
}

void EncodeItemRecord(const TileDataLayout& layout, const ItemTileRecord& r, std::span<std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(TileKind::Item));
    const auto f = b.subspan(layout.flagSize, kItemFieldsSize);
    WriteFlags(layout, b, r.Flags);
    f[kItemWeight] = r.Weight;
    f[kItemQuality] = r.Quality;
    PutI16(f, kItemUnknown1, r.Unknown1);
    f[kItemUnknown2] = r.Unknown2;
    f[kItemQuantity] = r.Quantity;
    PutI16(f, kItemAnimation, r.Animation);
    f[kItemUnknown3] = r.Unknown3;
    f[kItemHue] = r.Hue;
    f[kItemUnknown4] = r.Unknown4;
    f[kItemUnknown5] = r.Unknown5;
    f[kItemHeight] = r.Height;
    std::copy(r.Name.begin(), r.Name.end(), f.begin() + kItemName);
}

LandTileRecord DecodeLandRecord(std::span<const std::uint8_t, kLandRecordSize> bytes) {
    return DecodeLandRecord(kClassicLayout, bytes);
}

ItemTileRecord DecodeItemRecord(std::span<const std::uint8_t, kItemRecordSize> bytes) {
    return DecodeItemRecord(kClassicLayout, bytes);
}

LandRecordBytes EncodeLandRecord(const LandTileRecord& record) {
    LandRecordBytes bytes{};
    EncodeLandRecord(kClassicLayout, record, bytes);
    return bytes;
}

ItemRecordBytes EncodeItemRecord(const ItemTileRecord& record) {
    ItemRecordBytes bytes{};
    EncodeItemRecord(kClassicLayout, record, bytes);
    return bytes;
}

}  // namespace tilewright
