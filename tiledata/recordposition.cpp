#include "recordposition.h"

#include "tilelayout.h"

namespace tilewright {
namespace {

// B * 4 is a 16-bit product; the rest is 32-bit, each step checked.
std::optional<std::int32_t> Position(std::int32_t n, std::int32_t recordSize, std::int32_t sectionStart) {
    const auto block = BlockNumber(n);
    if (!block) return std::nullopt;
    std::int16_t headers = 0;
    std::int32_t records = 0, p = 0;
    if (__builtin_mul_overflow(*block, std::int16_t{4}, &headers)) return std::nullopt;
    if (__builtin_mul_overflow(n, recordSize, &records)) return std::nullopt;
    if (__builtin_add_overflow(records, std::int32_t{headers}, &p)) return std::nullopt;
    if (__builtin_add_overflow(p, sectionStart + 1, &p)) return std::nullopt;
    return p;
}

}  // namespace

std::optional<std::int16_t> BlockNumber(std::int32_t n) {
    const std::int32_t b = n / 32 + 1;
    if (b < INT16_MIN || b > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(b);
}

std::optional<std::int32_t> LandRecordPosition(std::int32_t n) {
    return Position(n, static_cast<std::int32_t>(kLandRecordSize), 0);
}

std::optional<std::int32_t> ItemRecordPosition(std::int32_t n) {
    return Position(n, static_cast<std::int32_t>(kItemRecordSize), ItemSectionOffset);
}

}  // namespace tilewright
