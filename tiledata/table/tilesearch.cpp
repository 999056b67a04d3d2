#include "tilesearch.h"

#include "tilenamematch.h"

namespace tilewright {

std::optional<SearchHit> FindEntry(std::int32_t count, std::optional<std::int32_t> selected, SearchDirection direction,
                                   const std::function<bool(std::int32_t)>& matches) {
    if (count <= 0) return std::nullopt;
    const bool forward = direction == SearchDirection::Next;
    // Without a selection, start as if the entry just outside the list's
    // start (or end) were selected; nothing wraps then until every entry was seen.
    const std::int64_t from = selected && *selected >= 0 && *selected < count ? *selected : (forward ? -1 : count);
    const std::int64_t step = forward ? 1 : -1;
    std::int64_t entry = from;
    for (std::int64_t seen = 0; seen < count; ++seen) {
        entry += step;
        if (entry >= count || entry < 0) entry = forward ? 0 : count - 1;
        const bool wrapped = forward ? entry <= from : entry >= from;
        if (matches(static_cast<std::int32_t>(entry))) return SearchHit{static_cast<std::int32_t>(entry), wrapped};
    }
    return std::nullopt;
}

std::optional<SearchHit> FindTileByName(const TileDataFile& file, TileKind kind, std::int32_t listed,
                                        std::optional<std::int32_t> selected, SearchDirection direction,
                                        std::u16string_view text) {
    const std::int32_t held = file.HeldCount(kind);
    return FindEntry(listed, selected, direction,
                     [&](std::int32_t n) { return n < held && NameContains(file.Name(kind, n), text); });
}

}  // namespace tilewright
