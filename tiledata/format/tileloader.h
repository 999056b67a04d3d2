// Reading one record of TileData.mul. The file is opened read-only: viewing a
// tile never creates, extends or writes anything. Each read decides the
// file's layout from its size at that moment.
#pragma once

#include <cstdint>
#include <string>

#include "error.h"
#include "tilelayout.h"

namespace tilewright {

inline constexpr char kTileDataFileName[] = "TileData.mul";

// A record as read, with where it was found and in which layout.
template <class Record>
struct LoadedTile {
    TileDataLayout layout;
    std::int32_t position = 0;  // 1-based
    Record record;
};

// Tile n of `folder` + "TileData.mul". Fails, naming the file and the
// position, when the file is missing or unreadable, when n has no position
// or when the record does not lie wholly inside the file.
Result<LoadedTile<LandTileRecord>> LoadLandTile(const std::string& folder, std::int32_t n);
Result<LoadedTile<ItemTileRecord>> LoadItemTile(const std::string& folder, std::int32_t n);

// The record at the 1-based `position`, read in the file's layout.
Result<LandTileRecord> ReadLandRecord(const std::string& folder, std::int32_t position);
Result<ItemTileRecord> ReadItemRecord(const std::string& folder, std::int32_t position);

// The layout of `folder` + "TileData.mul" from its size alone; the classic
// layout when the file cannot be opened.
TileDataLayout LayoutOfFolder(const std::string& folder);

// Checks that `length` bytes from the 1-based `position` lie inside a file of
// `fileSize` bytes; the message names `path` and the `kind` of record.
Status CheckRecordInside(const std::string& path, TileKind kind, std::int64_t position, std::uint64_t length,
                         std::uint64_t fileSize);


}  // namespace tilewright
