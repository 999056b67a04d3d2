#include "artpresence.h"

#include "artimage.h"
#include "bytes.h"
#include "gamefile.h"

namespace tilewright::Decode_Mul {

Result<ArtPresence> ArtPresence::Read(const std::string& artFolder) {
    ArtPresence presence;
    if (const auto path = ArtContainerPath(artFolder)) {
        auto file = GameFile::OpenForReading(*path, "");
        RETURN_IF_ERROR(file);
        auto table = ContainerTable::Read(FileContainerBytes(*file), file->path());
        RETURN_IF_ERROR(table);
        presence.container_ = std::move(table).value();
        return presence;
    }
    auto index = GameFile::OpenForReading(artFolder, kArtIndexFileName);
    RETURN_IF_ERROR(index);
    presence.index_.resize(static_cast<std::size_t>(index->size() / kArtIndexEntrySize * kArtIndexEntrySize));
    RETURN_IF_ERROR(index->ReadExactlyAt(0, presence.index_));
    return presence;
}

bool ArtPresence::Has(std::int32_t entryNumber) const {
    if (entryNumber < 0) return false;
    if (container_) return container_->Find(entryNumber).has_value();
    const auto at = static_cast<std::size_t>(entryNumber) * kArtIndexEntrySize;
    if (at + kArtIndexEntrySize > index_.size()) return false;
    return ReadI32LE(std::span<const std::uint8_t>(index_).subspan(at).first<4>()) >= 0;
}

}  // namespace tilewright::Decode_Mul
