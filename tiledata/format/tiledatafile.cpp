#include "tiledatafile.h"

#include <algorithm>
#include <utility>

#include "gamefile.h"
#include "tileloader.h"

namespace tilewright {

TileDataFile::TileDataFile(std::string path, std::vector<std::uint8_t> bytes, std::optional<TileDataLayout> given)
    : path_(std::move(path)),
      bytes_(std::move(bytes)),
      layout_(given.value_or(LayoutForFileSize(bytes_.size()))),
      layoutKnown_(given || ExactLayoutForFileSize(bytes_.size())) {
    landHeld_ = CountHeld(TileKind::Land);
    itemHeld_ = CountHeld(TileKind::Item);
}

Result<TileDataFile> TileDataFile::Read(const std::string& path, std::optional<TileDataLayout> given) {
    auto file = GameFile::OpenForReading("", path);
    RETURN_IF_ERROR(file);
    if (file->size() > kMaxSize)
        return Error{ErrorKind::FileUnreadable, Quoted(file->path()) + " is " + std::to_string(file->size()) +
                                                    " bytes long, too long for a tile data file."};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file->size()));
    RETURN_IF_ERROR(file->ReadExactlyAt(0, bytes));
    return TileDataFile(file->path(), std::move(bytes), given);
}

Result<TileDataFile> TileDataFile::ReadFolder(const std::string& folder) {
    return Read(ResolveGameFile(folder, kTileDataFileName));
}

TileDataFile TileDataFile::FromBytes(std::string path, std::vector<std::uint8_t> bytes,
                                     std::optional<TileDataLayout> given) {
    return TileDataFile(std::move(path), std::move(bytes), given);
}

// Positions grow with n, so the records inside are a prefix.
std::int32_t TileDataFile::CountHeld(TileKind kind) const {
    std::int32_t n = layout_.RecordCount(kind);
    while (n > 0) {
        const auto position = layout_.RecordPosition(kind, n - 1);
        if (position && static_cast<std::uint64_t>(*position) - 1 + layout_.RecordSize(kind) <= bytes_.size()) break;
        --n;
    }
    return n;
}

std::size_t TileDataFile::RecordOffset(TileKind kind, std::int32_t n) const {
    return static_cast<std::size_t>(*layout_.RecordPosition(kind, n)) - 1;
}

std::span<const std::uint8_t> TileDataFile::RecordBytes(TileKind kind, std::int32_t n) const {
    return std::span(bytes_).subspan(RecordOffset(kind, n), layout_.RecordSize(kind));
}

TileRow TileDataFile::Row(TileKind kind, std::int32_t n) const {
    return DecodeTileRow(layout_, kind, n, RecordBytes(kind, n));
}

TileName TileDataFile::Name(TileKind kind, std::int32_t n) const {
    TileName name{};
    const auto at = RecordBytes(kind, n).subspan(layout_.flagSize + NameOffset(kind), kNameSize);
    std::copy(at.begin(), at.end(), name.begin());
    return name;
}

}  // namespace tilewright
