// A TileData.mul cut after its first item block, built in memory: every land
// record and items 0 to 31, all zero but for the rows given. Small enough to
// export and compare whole.
#pragma once

#include <initializer_list>
#include <string_view>

#include "tiledatabuilder.h"
#include "tiledatafile.h"

namespace tilewright::testing {

inline TileDataFile ShortTileData(std::initializer_list<TileRow> rows, const TileDataLayout& layout = kClassicLayout) {
    sample::TileDataBuilder builder(layout);
    for (const TileRow& row : rows) builder.Set(row);
    std::vector<std::uint8_t> bytes = builder.bytes();
    bytes.resize(layout.itemSectionStart + layout.BlockSize(TileKind::Item));
    return TileDataFile::FromBytes("short.mul", std::move(bytes), layout);
}

inline TileRow Row(TileKind kind, std::int32_t id, std::string_view latin1Name = {}, std::uint64_t flags = 0) {
    TileRow row;
    row.kind = kind;
    row.id = id;
    row.flags = flags;
    row.name = sample::MakeName(latin1Name);
    return row;
}

}  // namespace tilewright::testing
