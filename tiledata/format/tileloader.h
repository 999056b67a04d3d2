// Reading one record of TileData.mul. The file is opened read-only: viewing a
// tile never creates, extends or writes anything. Each read decides the
// file's layout from its size at that moment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "error.h"
#include "tilerow.h"

namespace tilewright {

inline constexpr char kTileDataFileName[] = "TileData.mul";

// A record as read, with where it was found, in which layout, and its bytes.
struct LoadedTile {
    TileDataLayout layout;
    std::int32_t position = 0;  // 1-based
    TileRow row;
    std::vector<std::uint8_t> bytes;
};

// Tile n of `kind` in `folder` + "TileData.mul". Fails, naming the file and
// the position, when the file is missing or unreadable, when n has no
// position or when the record does not lie wholly inside the file.
Result<LoadedTile> LoadTile(const std::string& folder, TileKind kind, std::int32_t n);

// The layout of `folder` + "TileData.mul" from its size alone; the classic
// layout when the file cannot be opened.
TileDataLayout LayoutOfFolder(const std::string& folder);

// Checks that `length` bytes from the 1-based `position` lie inside a file of
// `fileSize` bytes; the message names `path` and the `kind` of record.
Status CheckRecordInside(const std::string& path, TileKind kind, std::int64_t position, std::uint64_t length,
                         std::uint64_t fileSize);

}  // namespace tilewright
