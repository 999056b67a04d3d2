#include "tiledatalayout.h"

#include <algorithm>
#include <array>

#include "error.h"

namespace tilewright {
namespace {

// B * 4 is a 16-bit product, so no block past 8191 has a position: a file
// with more item blocks is only addressed up to there.
constexpr std::uint64_t kMaxAddressedBlocks = 8191;

std::optional<TileDataLayout> WholeBlocksAfter(const TileDataLayout& base, std::uint64_t size) {
    if (size < base.itemSectionStart) return std::nullopt;
    const std::uint64_t rest = size - base.itemSectionStart;
    const std::uint64_t blockSize = base.BlockSize(TileKind::Item);
    if (rest % blockSize != 0) return std::nullopt;
    const std::uint64_t blocks = std::min(rest / blockSize, kMaxAddressedBlocks);
    TileDataLayout layout = base;
    layout.itemRecordCount = static_cast<std::int32_t>(blocks * kRecordsPerBlock);
    if (base.flagSize == 4 && layout.itemRecordCount > kClassicLayout.itemRecordCount) layout.id = kLargeItemLayout.id;
    return layout;
}

// Bit 35 and 41 to 63 have no name of their own.
constexpr std::array<const char*, 41> kFlagNames = {
    "background", "weapon",      "transparent", "translucent",    "wall",        "damaging",
    "impassable", "wet",         "unknown1",    "surface",        "bridge",      "generic",
    "window",     "no_shoot",    "article_a",   "article_an",     "internal",    "foliage",
    "partial_hue", "unknown2",   "map",         "container",      "wearable",    "lightsource",
    "animation",  "no_diagonal", "unknown3",    "armor",          "roof",        "door",
    "stair_back", "stair_right", "alpha_blend", "use_new_art",    "art_used",    nullptr,
    "no_shadow",  "pixel_bleed", "play_anim_once", "missile_frames", "multi_movable",
};

}  // namespace

std::optional<std::int16_t> BlockNumber(std::int32_t n) {
    const std::int32_t b = n / 32 + 1;
    if (b < INT16_MIN || b > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(b);
}

std::optional<std::int32_t> TileDataLayout::RecordPosition(TileKind kind, std::int32_t n) const {
    const auto block = BlockNumber(n);
    if (!block) return std::nullopt;
    std::int16_t headers = 0;
    std::int32_t records = 0, p = 0;
    const std::int32_t start = kind == TileKind::Land ? 0 : static_cast<std::int32_t>(itemSectionStart);
    if (__builtin_mul_overflow(*block, std::int16_t{4}, &headers)) return std::nullopt;
    if (__builtin_mul_overflow(n, static_cast<std::int32_t>(RecordSize(kind)), &records)) return std::nullopt;
    if (__builtin_add_overflow(records, std::int32_t{headers}, &p)) return std::nullopt;
    if (__builtin_add_overflow(p, start + 1, &p)) return std::nullopt;
    return p;
}

std::optional<TileDataLayout> ExactLayoutForFileSize(std::uint64_t size) {
    if (auto narrow = WholeBlocksAfter(kClassicLayout, size)) return narrow;
    return WholeBlocksAfter(kWideFlagLayout, size);
}

TileDataLayout LayoutForFileSize(std::uint64_t size) { return ExactLayoutForFileSize(size).value_or(kClassicLayout); }

std::string UnknownSizeReason(const std::string& path, std::uint64_t size) {
    const TileDataLayout* nearest = &kClassicLayout;
    const auto distance = [size](const TileDataLayout* layout) {
        return size > layout->FileSize() ? size - layout->FileSize() : layout->FileSize() - size;
    };
    for (const TileDataLayout* layout : {&kLargeItemLayout, &kWideFlagLayout})
        if (distance(layout) < distance(nearest)) nearest = layout;
    const std::uint64_t off = distance(nearest);
    return Quoted(path) + " is " + std::to_string(size) + " bytes long, a size that fits no TileData.mul layout " +
           "(classic " + std::to_string(kClassicLayout.FileSize()) + ", large " +
           std::to_string(kLargeItemLayout.FileSize()) + ", 64bit " + std::to_string(kWideFlagLayout.FileSize()) +
           " bytes; it is " + std::to_string(off) + (off == 1 ? " byte " : " bytes ") +
           (size > nearest->FileSize() ? "more" : "fewer") + " than " + std::string(nearest->id) + ")";
}

const TileDataLayout* LayoutById(std::string_view id) {
    for (const TileDataLayout* layout : {&kClassicLayout, &kLargeItemLayout, &kWideFlagLayout})
        if (layout->id == id) return layout;
    return nullptr;
}

std::string FlagName(int bit) {
    if (bit >= 0 && bit < static_cast<int>(kFlagNames.size()) && kFlagNames[bit]) return kFlagNames[bit];
    return "bit_" + std::to_string(bit);
}

}  // namespace tilewright
