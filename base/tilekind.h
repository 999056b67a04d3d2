// The two kinds of tile, shared by the tile data and the art files. The
// words "land" and "item" are written and read only here.
#pragma once

#include <optional>
#include <string_view>

namespace tilewright {

enum class TileKind { Land, Item };

constexpr std::string_view KindName(TileKind kind) { return kind == TileKind::Land ? "land" : "item"; }

// The kind named exactly "land" or "item", or nothing.
constexpr std::optional<TileKind> ParseKind(std::string_view text) {
    if (text == "land") return TileKind::Land;
    if (text == "item") return TileKind::Item;
    return std::nullopt;
}

}  // namespace tilewright
