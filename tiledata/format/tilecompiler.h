// Compiling: one record written back into TileData.mul in place. The file is
// never created or extended, and the record is written with one positioned
// write and flushed before success is reported.
#pragma once

#include <cstdint>
#include <string>

#include "error.h"
#include "tileloader.h"
#include "tilerow.h"

namespace tilewright {

// Writes `row` in the file's layout as it is now (26 or 37 bytes, 30 or 41
// with 64-bit flags) at the 1-based `position` of `tileDataFolder` +
// "TileData.mul", and flushes it to disk. Refused, with nothing written, when
// the file is missing or read-only, when the position does not lie inside it,
// or when the file's layout no longer puts tile row.id at `position` (a file
// replaced by one of another layout since the load must not get a record
// written across two of its own). A write or flush that fails is reported
// with the system's reason; part of the record may then be on disk.
// When `asLoaded` is given and the file still has its layout, the record on
// disk must still have the bytes it was loaded with: one that another program
// wrote since is refused, naming the tile, and nothing is written.
Status CompileTile(const std::string& tileDataFolder, const TileRow& row, std::int32_t position,
                   const LoadedTile* asLoaded = nullptr);

// Record `id` of `kind` in `path` is not as it was loaded.
Error RecordChangedError(const std::string& path, TileKind kind, std::int32_t id);

}  // namespace tilewright
