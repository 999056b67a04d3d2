#include "freeslots.h"

#include <algorithm>

namespace tilewright {

bool IsEmptyRecord(const TileDataFile& file, TileKind kind, std::int32_t n) {
    const auto record = file.RecordBytes(kind, n);
    return std::all_of(record.begin(), record.end(), [](std::uint8_t b) { return b == 0; });
}

std::vector<std::int32_t> FreeSlots(const TileDataFile& file, TileKind kind,
                                    const std::function<bool(std::int32_t)>& hasPicture, std::size_t limit) {
    std::vector<std::int32_t> free;
    // Only numbers the editor lists: a classic file's last item is never shown.
    const std::int32_t count = std::min(file.HeldCount(kind), file.layout().ListedCount(kind));
    for (std::int32_t n = 0; n < count && free.size() < limit; ++n)
        if (IsEmptyRecord(file, kind, n) && !hasPicture(n)) free.push_back(n);
    return free;
}

}  // namespace tilewright
