// Finding tiles: the ids of one kind whose name holds a text (ignoring
// case, as the window's search does) and whose columns have given values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tileedit.h"

namespace tilewright {

struct TileFilter {
    std::optional<std::string> nameContains;  // UTF-8
    TileEdit wanted;                          // values, flags and exact name to have; its kind is searched
};

// The matching ids of `filter.wanted.kind`, ascending.
std::vector<std::int32_t> FindTiles(const TileDataFile& file, const TileFilter& filter);

}  // namespace tilewright
