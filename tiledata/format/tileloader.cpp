#include "tileloader.h"

#include "gamefile.h"

namespace tilewright {
namespace {

Result<std::int32_t> PositionOf(const TileDataLayout& layout, TileKind kind, std::int32_t n) {
    if (auto position = layout.RecordPosition(kind, n)) return *position;
    return Error{ErrorKind::OutOfBounds, "Tile " + std::to_string(n) + " has no position in TileData.mul."};
}

}  // namespace


Status CheckRecordInside(const std::string& path, TileKind kind, std::int64_t position, std::uint64_t length,
                         std::uint64_t fileSize) {
    const std::string what = "The " + std::string(KindName(kind)) + " record at position " + std::to_string(position) + " (" +
                             std::to_string(length) + " bytes)";
    if (position < 1)
        return Error{ErrorKind::OutOfBounds, what + " names no byte of " + Quoted(path) + ": positions start at 1."};
    // Both terms are far below 2^63, so the sum cannot wrap.
    if (static_cast<std::uint64_t>(position) - 1 + length > fileSize)
        return Error{ErrorKind::OutOfBounds, what + " does not lie inside " + Quoted(path) + ", which is " +
                                                 std::to_string(fileSize) + " bytes long."};
    return {};
}

Result<LoadedTile> LoadTile(const std::string& folder, TileKind kind, std::int32_t n) {
    auto file = GameFile::OpenForReading(folder, kTileDataFileName);
    if (!file) {
        // Without a file its layout is unknown; the classic one is what the
        // lists fall back on, so the position named is the classic one.
        const auto classic = kClassicLayout.RecordPosition(kind, n);
        const std::string at = classic ? " at position " + std::to_string(*classic) : "";
        return Error{file.error().kind, "The " + std::string(KindName(kind)) + " record" + at + " cannot be read. " +
                                            file.error().message};
    }
    LoadedTile tile{LayoutForFileSize(file->size()), 0, {}, {}};
    auto position = PositionOf(tile.layout, kind, n);
    RETURN_IF_ERROR(position);
    tile.position = *position;
    tile.bytes.resize(tile.layout.RecordSize(kind));
    RETURN_IF_ERROR(CheckRecordInside(file->path(), kind, tile.position, tile.bytes.size(), file->size()));
    RETURN_IF_ERROR(file->ReadExactlyAt(static_cast<std::uint64_t>(tile.position) - 1, tile.bytes));
    tile.row = DecodeTileRow(tile.layout, kind, n, tile.bytes);
    return tile;
}

TileDataLayout LayoutOfFolder(const std::string& folder) {
    auto file = GameFile::OpenForReading(folder, kTileDataFileName);
    return file ? LayoutForFileSize(file->size()) : kClassicLayout;
}

}  // namespace tilewright
