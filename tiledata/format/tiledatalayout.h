// The three layouts TileData.mul comes in. Every layout is two sections back
// to back with no file header: 512 land blocks, then the item blocks. A block
// is a 4-byte header and 32 records. The layouts differ only in the width of
// `Flags` (4 or 8 bytes, so every record grows by 4) and in how many item
// blocks follow; this one description drives every position, size and field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tilekind.h"

namespace tilewright {

inline constexpr std::size_t kBlockHeaderSize = 4;
inline constexpr std::size_t kRecordsPerBlock = 32;
inline constexpr std::int32_t kLandRecordCount = 16384;  // 512 blocks in every layout

// Record bytes after `Flags`: land `TextureId` and `Name`; item `Weight` to `Height` and `Name`.
inline constexpr std::size_t kLandFieldsSize = 22;
inline constexpr std::size_t kItemFieldsSize = 33;

// Tile n's block counted from 1, n div 32 + 1, a 16-bit number as the
// format's arithmetic has always had it; nothing past that.
std::optional<std::int16_t> BlockNumber(std::int32_t n);

struct TileDataLayout {
    std::string_view id;              // "classic", "large" or "64bit"
    std::size_t flagSize;             // bytes of `Flags`: 4 or 8
    std::uint32_t itemSectionStart;   // bytes of the land section
    std::int32_t itemRecordCount;     // item records of a whole file

    constexpr int FlagBits() const { return static_cast<int>(flagSize * 8); }
    constexpr std::size_t RecordSize(TileKind kind) const {
        return flagSize + (kind == TileKind::Land ? kLandFieldsSize : kItemFieldsSize);
    }
    constexpr std::size_t BlockSize(TileKind kind) const {
        return kBlockHeaderSize + kRecordsPerBlock * RecordSize(kind);
    }
    constexpr std::int32_t RecordCount(TileKind kind) const {
        return kind == TileKind::Land ? kLandRecordCount : itemRecordCount;
    }
    // What the editor's list offers. A classic file's last item record has
    // always been left out of the list; the newer layouts offer every record.
    constexpr std::int32_t ListedCount(TileKind kind) const {
        if (kind == TileKind::Item && flagSize == 4 && itemRecordCount <= 16384) return 16383;
        return RecordCount(kind);
    }
    constexpr std::uint64_t FileSize() const {
        return itemSectionStart + std::uint64_t{BlockSize(TileKind::Item)} *
                                      (static_cast<std::uint64_t>(itemRecordCount) / kRecordsPerBlock);
    }
    // The 1-based byte position of record n: n * size + B * 4 + start + 1
    // with B = n div 32 + 1. Nothing when a step overflows the width the
    // format's arithmetic has always used (16 bits for B * 4, else 32).
    std::optional<std::int32_t> RecordPosition(TileKind kind, std::int32_t n) const;

    bool operator==(const TileDataLayout&) const = default;
};

inline constexpr TileDataLayout kClassicLayout{"classic", 4, 428032, 16384};
inline constexpr TileDataLayout kLargeItemLayout{"large", 4, 428032, 32768};
inline constexpr TileDataLayout kWideFlagLayout{"64bit", 8, 493568, 65536};

static_assert(kClassicLayout.BlockSize(TileKind::Land) * 512 == kClassicLayout.itemSectionStart);
static_assert(kWideFlagLayout.BlockSize(TileKind::Land) * 512 == kWideFlagLayout.itemSectionStart);
static_assert(kClassicLayout.FileSize() == 1036288 && kLargeItemLayout.FileSize() == 1644544 &&
              kWideFlagLayout.FileSize() == 3188736);

// The layout a file of exactly `size` bytes has: 32-bit flags when the bytes
// after the 32-bit land section are whole item blocks, else 64-bit flags when
// the bytes after the 64-bit land section are. Nothing for any other size:
// such a file's layout is unknown, and nothing may write it on a guess.
std::optional<TileDataLayout> ExactLayoutForFileSize(std::uint64_t size);

// The layout the editor's window reads a file of `size` bytes in: the exact
// one, else the classic layout (a shortened classic file keeps working for
// the records it holds).
TileDataLayout LayoutForFileSize(std::uint64_t size);

// Why a file of `size` bytes at `path` has no layout: its size, the sizes of
// the three whole layouts and how far it is from the nearest. One sentence
// without its full stop, for a caller to say what follows from it.
std::string UnknownSizeReason(const std::string& path, std::uint64_t size);

// The layout named `id` ("classic", "large", "64bit"), or nullptr.
const TileDataLayout* LayoutById(std::string_view id);

// The name of flag bit `bit` (0 to 63) in lower case with '_' between words:
// "background", "no_shadow", "article_a"; "bit_35" for a bit without one.
std::string FlagName(int bit);

constexpr std::uint64_t FlagMask(int bit) { return std::uint64_t{1} << bit; }

}  // namespace tilewright
