// One edit applied to many records of TileData.mul, and taken back: the
// browser's "Edit selected…" and its undo, through the same edit core as the
// command line's `set` (the whole file replaced in one piece).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "error.h"
#include "tileedit.h"

namespace tilewright {

// Refuses, naming the tile, when record `id` of `kind` has other bytes in
// `onDisk` than `loadedRecord` (read from a file of `loadedLayout`), or when
// the file's layout changed: someone else wrote it since it was loaded.
Status CheckRecordUnchanged(const TileDataFile& onDisk, TileKind kind, std::int32_t id,
                            const TileDataLayout& loadedLayout, std::span<const std::uint8_t> loadedRecord);
// The same for every record of `ids`, the first changed one named.
Status CheckRecordsUnchanged(const TileDataFile& loaded, const TileDataFile& onDisk, TileKind kind,
                             std::span<const std::int32_t> ids);

class TileBatchEdit {
public:
    // Reads the file of `loaded` again, checks that the records `ids` are
    // still as loaded, and works out `prototype` (its id aside) applied to
    // each of them.
    static Result<TileBatchEdit> Prepare(const TileDataFile& loaded, const TileEdit& prototype,
                                         std::span<const std::int32_t> ids);

    // How many of the records change.
    std::size_t changed() const { return applied_.before.size(); }
    // Replaces the file with the changed bytes; nothing to write is no error.
    Status Write() const;
    // The file's bytes before and after the edit.
    std::span<const std::uint8_t> before() const { return before_; }
    std::span<const std::uint8_t> after() const { return applied_.bytes; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::vector<std::uint8_t> before_;
    AppliedEdits applied_;
};

// Writes `before` back over the file at `path`, as long as the file holds
// exactly `after`; otherwise says why and writes nothing.
Status TakeBack(const std::string& path, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);

}  // namespace tilewright
