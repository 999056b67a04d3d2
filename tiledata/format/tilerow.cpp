#include "tilerow.h"

#include <algorithm>
#include <cassert>

#include "bytes.h"

namespace tilewright {

TileRow DecodeTileRow(const TileDataLayout& layout, TileKind kind, std::int32_t id, std::span<const std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(kind));
    TileRow row;
    row.kind = kind;
    row.id = id;
    row.flags = layout.flagSize == 8 ? ReadU64LE(b.first<8>()) : ReadU32LE(b.first<4>());
    const auto fields = b.subspan(layout.flagSize);
    for (std::size_t i = 0; i < kValueFields.size(); ++i) {
        const ValueField& field = kValueFields[i];
        if (field.kind != kind) continue;
        row.values[i] = field.width() == 2 ? ReadI16LE(fields.subspan(field.offset).first<2>()) : fields[field.offset];
    }
    std::copy_n(fields.begin() + static_cast<std::ptrdiff_t>(NameOffset(kind)), kNameSize, row.name.begin());
    return row;
}

void EncodeTileRow(const TileDataLayout& layout, const TileRow& row, std::span<std::uint8_t> b) {
    assert(b.size() >= layout.RecordSize(row.kind));
    if (layout.flagSize == 8)
        WriteU64LE(b.first<8>(), row.flags);
    else
        WriteU32LE(b.first<4>(), static_cast<std::uint32_t>(row.flags));
    const auto fields = b.subspan(layout.flagSize);
    for (std::size_t i = 0; i < kValueFields.size(); ++i) {
        const ValueField& field = kValueFields[i];
        if (field.kind != row.kind) continue;
        if (field.width() == 2)
            WriteU16LE(fields.subspan(field.offset).first<2>(), static_cast<std::uint16_t>(row.values[i]));
        else
            fields[field.offset] = static_cast<std::uint8_t>(row.values[i]);
    }
    std::copy(row.name.begin(), row.name.end(), fields.begin() + static_cast<std::ptrdiff_t>(NameOffset(row.kind)));
}

}  // namespace tilewright
