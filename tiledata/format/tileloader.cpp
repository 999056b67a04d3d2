#include "tileloader.h"

#include <optional>
#include <vector>

#include "gamefile.h"

namespace tilewright {
namespace {

struct RecordRead {
    TileDataLayout layout;
    std::int32_t position = 0;
    std::vector<std::uint8_t> bytes;
};

// Opens the file, decides its layout, and reads the record of `kind` at the
// position `where` gives for that layout.
template <class PositionOf>
Result<RecordRead> ReadRecordBytes(const std::string& folder, TileKind kind, PositionOf where) {
    const std::string kindName(KindName(kind));
    auto file = GameFile::OpenForReading(folder, kTileDataFileName);
    if (!file) {
        // Without a file its layout is unknown; the classic one is what the
        // lists fall back on, so the position named is the classic one.
        auto classic = where(kClassicLayout);
        const std::string at = classic ? " at position " + std::to_string(*classic) : "";
        return Error{file.error().kind,
                     std::string("The ") + kindName + " record" + at + " cannot be read. " + file.error().message};
    }
    RecordRead read{LayoutForFileSize(file->size()), 0, {}};
    auto position = where(read.layout);
    if (!position) return position.error();
    read.position = *position;
    read.bytes.resize(read.layout.RecordSize(kind));
    if (Status inside = CheckRecordInside(file->path(), kind, read.position, read.bytes.size(), file->size());
        !inside)
        return inside.error();
    if (Status done = file->ReadExactlyAt(static_cast<std::uint64_t>(read.position) - 1, read.bytes); !done)
        return done.error();
    return read;
}

auto TileNumber(TileKind kind, std::int32_t n) {
    return [kind, n](const TileDataLayout& layout) -> Result<std::int32_t> {
        if (auto position = layout.RecordPosition(kind, n)) return *position;
        return Error{ErrorKind::OutOfBounds, "Tile " + std::to_string(n) + " has no position in TileData.mul."};
    };
}

auto FixedPosition(std::int32_t position) {
    return [position](const TileDataLayout&) -> Result<std::int32_t> { return position; };
}

template <class Record, class Decode>
Result<LoadedTile<Record>> Decoded(Result<RecordRead> read, Decode decode) {
    if (!read) return read.error();
    return LoadedTile<Record>{read->layout, read->position, decode(read->layout, read->bytes)};
}

LandTileRecord DecodeLand(const TileDataLayout& layout, std::span<const std::uint8_t> bytes) {
    return DecodeLandRecord(layout, bytes);
}

ItemTileRecord DecodeItem(const TileDataLayout& layout, std::span<const std::uint8_t> bytes) {
    return DecodeItemRecord(layout, bytes);
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

Result<LoadedTile<LandTileRecord>> LoadLandTile(const std::string& folder, std::int32_t n) {
    return Decoded<LandTileRecord>(ReadRecordBytes(folder, TileKind::Land, TileNumber(TileKind::Land, n)), DecodeLand);
}

Result<LoadedTile<ItemTileRecord>> LoadItemTile(const std::string& folder, std::int32_t n) {
    return Decoded<ItemTileRecord>(ReadRecordBytes(folder, TileKind::Item, TileNumber(TileKind::Item, n)), DecodeItem);
}

Result<LandTileRecord> ReadLandRecord(const std::string& folder, std::int32_t position) {
    auto tile = Decoded<LandTileRecord>(ReadRecordBytes(folder, TileKind::Land, FixedPosition(position)), DecodeLand);
    if (!tile) return tile.error();
    return tile->record;
}

Result<ItemTileRecord> ReadItemRecord(const std::string& folder, std::int32_t position) {
    auto tile = Decoded<ItemTileRecord>(ReadRecordBytes(folder, TileKind::Item, FixedPosition(position)), DecodeItem);
    if (!tile) return tile.error();
    return tile->record;
}

TileDataLayout LayoutOfFolder(const std::string& folder) {
    auto file = GameFile::OpenForReading(folder, kTileDataFileName);
    return file ? LayoutForFileSize(file->size()) : kClassicLayout;
}

}  // namespace tilewright
