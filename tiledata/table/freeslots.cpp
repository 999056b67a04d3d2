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
    for (std::int32_t n = 0; n < file.HeldCount(kind) && free.size() < limit; ++n)
        if (IsEmptyRecord(file, kind, n) && !hasPicture(n)) free.push_back(n);
    return free;
}

}  // namespace tilewright
