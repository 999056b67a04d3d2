#include "tilecompiler.h"

#include <utility>
#include <vector>

#include "gamefile.h"
#include "tileloader.h"

namespace tilewright {
namespace {

Error MovedError(const std::string& path, TileKind kind, std::int32_t n, std::int32_t position,
                 const TileDataLayout& layout) {
    const auto now = layout.RecordPosition(kind, n);
    return Error{ErrorKind::OutOfBounds,
                 Quoted(path) + " has changed since " + std::string(KindName(kind)) + " tile " + std::to_string(n) +
                     " was loaded: in its layout now the tile " +
                     (now ? "lies at position " + std::to_string(*now) : std::string("has no position")) +
                     ", not at " + std::to_string(position) + ". Nothing was written; select the tile again."};
}

}  // namespace

Error RecordChangedError(const std::string& path, TileKind kind, std::int32_t id) {
    return Error{ErrorKind::OutOfBounds, "Tile " + std::string(KindName(kind)) + " " + std::to_string(id) +
                                             " has changed in " + Quoted(path) +
                                             " since it was loaded. Nothing was written; reload the tile."};
}

Status CompileTile(const std::string& folder, const TileRow& row, std::int32_t position, const LoadedTile* asLoaded) {
    auto opened = GameFile::OpenForWriting(folder, kTileDataFileName);
    RETURN_IF_ERROR(opened);
    GameFile file = std::move(opened).value();
    // A shortened classic file is written as the window always has; a longer
    // one of no layout's size would get the record across others' bytes.
    if (file.size() > kClassicLayout.FileSize() && !ExactLayoutForFileSize(file.size()))
        return Error{ErrorKind::UnknownLayout, UnknownSizeReason(file.path(), file.size()) + ". Nothing was written."};
    const TileDataLayout layout = LayoutForFileSize(file.size());
    if (layout.RecordPosition(row.kind, row.id) != position)
        return MovedError(file.path(), row.kind, row.id, position, layout);
    std::vector<std::uint8_t> bytes(layout.RecordSize(row.kind));
    EncodeTileRow(layout, row, bytes);
    if (Status inside = CheckRecordInside(file.path(), row.kind, position, bytes.size(), file.size()); !inside)
        return inside;
    if (asLoaded && asLoaded->layout == layout) {
        std::vector<std::uint8_t> onDisk(bytes.size());
        if (Status read = file.ReadExactlyAt(static_cast<std::uint64_t>(position) - 1, onDisk); !read) return read;
        if (onDisk != asLoaded->bytes) return RecordChangedError(file.path(), row.kind, row.id);
    }
    if (Status written = file.WriteAllAt(static_cast<std::uint64_t>(position) - 1, bytes); !written) return written;
    return file.SyncAndClose();
}

}  // namespace tilewright
