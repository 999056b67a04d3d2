// Which tiles the browser shows: a text that is a part of a name (ignoring
// case), a number (decimal, or hex with 0x) or a range "100-200"; tiles with
// or without a picture; flags that must be set or clear; free slots only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foldednames.h"
#include "tiledatafile.h"

namespace tilewright {

struct BrowserFilter {
    std::string text;  // UTF-8, as typed
    bool withPicture = false;
    bool withoutPicture = false;
    std::uint64_t flagMask = 0;    // flags whose state is asked for
    std::uint64_t flagValues = 0;  // set (1) or clear (0)
    bool freeSlots = false;
    bool operator==(const BrowserFilter&) const = default;
};

// The first and last number a text names: "5", "0x4D2", "100-200",
// "0x10 - 0x20"; nothing when it is a part of a name instead.
std::optional<std::pair<std::int32_t, std::int32_t>> NumberRange(const std::string& text);

// Whether tile n of the kind filtered has a picture of its own.
using HasPicture = std::function<bool(std::int32_t)>;

// Whether a filter asks about pictures.
inline bool NeedsPictures(const BrowserFilter& filter) {
    return filter.withPicture || filter.withoutPicture || filter.freeSlots;
}

// Filters the tiles of one kind of a file, one filter after another as a
// person types: a name text that only grows searches the last result alone.
class TileFilterer {
public:
    TileFilterer(std::shared_ptr<const TileDataFile> file, TileKind kind);

    // The numbers held by the file that pass `filter`, ascending.
    // `hasPicture` is asked only when NeedsPictures(filter).
    std::vector<std::int32_t> Filter(const BrowserFilter& filter, const HasPicture& hasPicture);

private:
    std::shared_ptr<const TileDataFile> file_;
    TileKind kind_;
    std::optional<FoldedNames> names_;  // made at the first name text
    std::optional<BrowserFilter> last_;
    std::string lastFolded_;
    std::vector<std::int32_t> lastIds_;
};

}  // namespace tilewright
