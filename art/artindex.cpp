#include <algorithm>
#include <array>
#include <cstdint>

#include "artimage.h"
#include "bytes.h"

namespace tilewright::Decode_Mul {

std::optional<ArtIndexEntry> ReadArtIndexEntry(std::int32_t entryNumber, const std::string& artFolder) {
    // A TextureId of 8000 hex or more arrives negative: no entry of the file.
    if (entryNumber < 0) return std::nullopt;
    auto index = GameFile::OpenForReading(artFolder, kArtIndexFileName);
    if (!index) return std::nullopt;

    std::array<std::uint8_t, kArtIndexEntrySize> raw{};
    const auto got = index->ReadAt(static_cast<std::uint64_t>(entryNumber) * kArtIndexEntrySize, raw);
    if (!got || *got != raw.size()) return std::nullopt;
    const std::span<const std::uint8_t, kArtIndexEntrySize> bytes(raw);
    return ArtIndexEntry{ReadI32LE(bytes.subspan<0, 4>()), ReadI32LE(bytes.subspan<4, 4>()),
                         ReadI32LE(bytes.subspan<8, 4>())};
}

Result<std::int32_t> ArtEntryCount(const std::string& artFolder) {
    if (const auto container = ArtContainerPath(artFolder)) return ContainerEntryCount(*container);
    auto index = GameFile::OpenForReading(artFolder, kArtIndexFileName);
    RETURN_IF_ERROR(index);
    return static_cast<std::int32_t>(std::min<std::uint64_t>(index->size() / kArtIndexEntrySize, INT32_MAX));
}

std::optional<ArtImage> OpenArtImage(std::int32_t entryNumber, const std::string& artFolder) {
    const auto entry = ReadArtIndexEntry(entryNumber, artFolder);
    // -1 is the format's "no image"; other negative offsets lead nowhere either.
    if (!entry || entry->Lookup < 0) return std::nullopt;
    auto art = GameFile::OpenForReading(artFolder, kArtFileName);
    if (!art) return std::nullopt;
    const auto start = static_cast<std::uint64_t>(entry->Lookup);
    if (start >= art->size()) return std::nullopt;
    return ArtImage{std::move(art).value(), start};
}

}  // namespace tilewright::Decode_Mul
