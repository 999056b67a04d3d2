#include "tileloader.h"

#include "gamefile.h"

namespace tilewright {
namespace {

template <std::size_t N>
Result<std::array<std::uint8_t, N>> ReadRecordBytes(const std::string& folder, std::int32_t position,
                                                    const char* kind) {
    auto file = GameFile::OpenForReading(folder, kTileDataFileName);
    if (!file)
        return Error{file.error().kind, std::string("The ") + kind + " record at position " +
                                            std::to_string(position) + " cannot be read. " + file.error().message};
    if (Status inside = CheckRecordInside(file->path(), kind, position, N, file->size()); !inside)
        return inside.error();
    std::array<std::uint8_t, N> bytes{};
    if (Status read = file->ReadExactlyAt(static_cast<std::uint64_t>(position) - 1, bytes); !read)
        return read.error();
    return bytes;
}

}  // namespace

Status CheckRecordInside(const std::string& path, const char* kind, std::int64_t position, std::uint64_t length,
                         std::uint64_t fileSize) {
    const std::string what = std::string("The ") + kind + " record at position " + std::to_string(position) + " (" +
                             std::to_string(length) + " bytes)";
    if (position < 1)
        return Error{ErrorKind::OutOfBounds, what + " names no byte of " + Quoted(path) + ": positions start at 1."};
    // Both terms are far below 2^63, so the sum cannot wrap.
    if (static_cast<std::uint64_t>(position) - 1 + length > fileSize)
        return Error{ErrorKind::OutOfBounds, what + " does not lie inside " + Quoted(path) + ", which is " +
                                                 std::to_string(fileSize) + " bytes long."};
    return {};
}

Result<LandTileRecord> ReadLandRecord(const std::string& folder, std::int32_t position) {
    auto bytes = ReadRecordBytes<kLandRecordSize>(folder, position, "land");
    if (!bytes) return bytes.error();
    return DecodeLandRecord(*bytes);
}

Result<ItemTileRecord> ReadItemRecord(const std::string& folder, std::int32_t position) {
    auto bytes = ReadRecordBytes<kItemRecordSize>(folder, position, "item");
    if (!bytes) return bytes.error();
    return DecodeItemRecord(*bytes);
}

}  // namespace tilewright
