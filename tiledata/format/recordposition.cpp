#include "recordposition.h"

#include "tiledatalayout.h"

namespace tilewright {

std::optional<std::int16_t> BlockNumber(std::int32_t n) {
    const std::int32_t b = n / 32 + 1;
    if (b < INT16_MIN || b > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(b);
}

std::optional<std::int32_t> LandRecordPosition(std::int32_t n) {
    return kClassicLayout.RecordPosition(TileKind::Land, n);
}

std::optional<std::int32_t> ItemRecordPosition(std::int32_t n) {
    return kClassicLayout.RecordPosition(TileKind::Item, n);
}

}  // namespace tilewright
