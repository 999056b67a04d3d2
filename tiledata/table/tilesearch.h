// Finding a tile in the window's list, where entry k is tile number k: by a
// decimal number, or by the next name that contains a text, going forward
// or backward from the selected entry and wrapping at the ends.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "tiledatafile.h"

namespace tilewright {

enum class SearchDirection { Next, Previous };

struct SearchHit {
    std::int32_t entry;
    bool wrapped;  // passed an end of the list to get there
    bool operator==(const SearchHit&) const = default;
};

// The first entry of 0..count-1 that `matches`, looking from the entry after
// `selected` (in `direction`) round to `selected` itself. Without a selection
// Next starts at the first entry and Previous at the last.
std::optional<SearchHit> FindEntry(std::int32_t count, std::optional<std::int32_t> selected, SearchDirection direction,
                                   const std::function<bool(std::int32_t)>& matches);


// The next tile of `kind`, from `selected` on as FindEntry goes through the
// `listed` entries, whose name in `file` contains `text` (NameContains).
// Entries past the records the file holds match nothing.
std::optional<SearchHit> FindTileByName(const TileDataFile& file, TileKind kind, std::int32_t listed,
                                        std::optional<std::int32_t> selected, SearchDirection direction,
                                        std::u16string_view text);

}  // namespace tilewright
