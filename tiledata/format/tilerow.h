// One record of TileData.mul, of either kind, and the one description of its
// fields. The fields and their order are the same in every layout; only
// `Flags` is 4 or 8 bytes wide, and every field after it moves with it.
// Loading, compiling, exporting, editing, matching and comparing all work on
// a TileRow.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "tiledatalayout.h"

namespace tilewright {

inline constexpr std::size_t kNameSize = 20;
// 8-bit text, zero-terminated unless it fills all 20 bytes.
using TileName = std::array<std::uint8_t, kNameSize>;

// A value field: its column name, the only kind whose records have it, where
// it lies after `Flags`, and its range: 16-bit fields are signed and 8-bit
// fields unsigned, as the window shows them.
struct ValueField {
    std::string_view column;
    TileKind kind;
    std::size_t offset;
    std::int32_t min;
    std::int32_t max;
    constexpr std::size_t width() const { return max > std::numeric_limits<std::uint8_t>::max() ? 2 : 1; }
};

inline constexpr std::int32_t kSigned16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr std::int32_t kSigned16Max = std::numeric_limits<std::int16_t>::max();
inline constexpr std::int32_t kUnsigned8Max = std::numeric_limits<std::uint8_t>::max();

inline constexpr std::array<ValueField, 12> kValueFields = {{
    {"texture", TileKind::Land, 0, kSigned16Min, kSigned16Max},
    {"weight", TileKind::Item, 0, 0, kUnsigned8Max},
    {"quality", TileKind::Item, 1, 0, kUnsigned8Max},
    {"unknown1", TileKind::Item, 2, kSigned16Min, kSigned16Max},
    {"unknown2", TileKind::Item, 4, 0, kUnsigned8Max},
    {"quantity", TileKind::Item, 5, 0, kUnsigned8Max},
    {"animation", TileKind::Item, 6, kSigned16Min, kSigned16Max},
    {"unknown3", TileKind::Item, 8, 0, kUnsigned8Max},
    {"hue", TileKind::Item, 9, 0, kUnsigned8Max},
    {"unknown4", TileKind::Item, 10, 0, kUnsigned8Max},
    {"unknown5", TileKind::Item, 11, 0, kUnsigned8Max},
    {"height", TileKind::Item, 12, 0, kUnsigned8Max},
}};
inline constexpr int kValueFieldCount = static_cast<int>(kValueFields.size());

// Where the name lies after `Flags`: right after the kind's last value field.
constexpr std::size_t NameOffset(TileKind kind) {
    std::size_t end = 0;
    for (const ValueField& field : kValueFields)
        if (field.kind == kind && field.offset + field.width() > end) end = field.offset + field.width();
    return end;
}
static_assert(NameOffset(TileKind::Land) + kNameSize == kLandFieldsSize);
static_assert(NameOffset(TileKind::Item) + kNameSize == kItemFieldsSize);

// The index in kValueFields of the field named `column`, or -1.
constexpr int ValueFieldIndex(std::string_view column) {
    for (int i = 0; i < kValueFieldCount; ++i)
        if (kValueFields[static_cast<std::size_t>(i)].column == column) return i;
    return -1;
}

struct TileRow {
    TileKind kind = TileKind::Land;
    std::int32_t id = 0;
    std::uint64_t flags = 0;
    std::array<std::int32_t, kValueFieldCount> values{};  // fields of the other kind stay 0
    TileName name{};

    std::int32_t& value(std::string_view column) { return values[static_cast<std::size_t>(ValueFieldIndex(column))]; }
    std::int32_t value(std::string_view column) const {
        return values[static_cast<std::size_t>(ValueFieldIndex(column))];
    }
    bool operator==(const TileRow&) const = default;
};

// Record `id` of `kind` from the start of `bytes`, which holds at least
// layout.RecordSize(kind) bytes.
TileRow DecodeTileRow(const TileDataLayout& layout, TileKind kind, std::int32_t id, std::span<const std::uint8_t> bytes);
// The record's bytes in `layout` into the start of `out` (RecordSize bytes);
// a 32-bit layout stores the low 32 bits of `flags`.
void EncodeTileRow(const TileDataLayout& layout, const TileRow& row, std::span<std::uint8_t> out);

}  // namespace tilewright
