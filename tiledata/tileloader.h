// Reading one record of TileData.mul. The file is opened read-only: viewing a
// tile never creates, extends or writes anything.
#pragma once

#include <cstdint>
#include <string>

#include "error.h"
#include "tilelayout.h"

namespace tilewright {

inline constexpr char kTileDataFileName[] = "TileData.mul";

// The record at the 1-based `position` of `folder` + "TileData.mul". Fails,
// naming the file and the position, when the file is missing or unreadable or
// the record does not lie wholly inside it.
Result<LandTileRecord> ReadLandRecord(const std::string& folder, std::int32_t position);
Result<ItemTileRecord> ReadItemRecord(const std::string& folder, std::int32_t position);

// Checks that `length` bytes from the 1-based `position` lie inside a file of
// `fileSize` bytes; the message names `path` and the `kind` of record.
Status CheckRecordInside(const std::string& path, const char* kind, std::int64_t position, std::uint64_t length,
                         std::uint64_t fileSize);

}  // namespace tilewright
