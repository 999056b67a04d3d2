#include "artput.h"

#include "decode_mul.h"
#include "pngdecoder.h"

namespace tilewright::Decode_Mul {

Result<std::int32_t> PictureEntry(TileKind kind, std::int32_t id) {
    const bool land = kind == TileKind::Land;
    if (id < 0 || id >= (land ? kItemArtBase : kWritableEntries - kItemArtBase))
        return Error{ErrorKind::OutOfBounds, std::string(land ? "Land " : "Item ") + std::to_string(id) +
                                                 (land ? " is not a land number from 0 to 16383."
                                                       : " is not an item number from 0 to 65535.")};
    return land ? id : kItemArtBase + id;
}

Result<EncodedImage> ReadPicture(TileKind kind, const std::string& pngPath) {
    const auto picture = ReadPngFile(pngPath);
    if (!picture) return picture.error();
    return kind == TileKind::Land ? EncodeLandImage(*picture, pngPath) : EncodeItemImage(*picture, pngPath);
}

Result<std::size_t> PutPicture(const std::string& artFolder, TileKind kind, std::int32_t id,
                               const std::string& pngPath, const ArtWriteOptions& options) {
    const auto entry = PictureEntry(kind, id);
    if (!entry) return entry.error();
    auto image = ReadPicture(kind, pngPath);
    if (!image) return image.error();
    const ImagePut put{*entry, std::move(image.value().bytes)};
    if (Status written = PutArtImages(artFolder, std::span(&put, 1), options); !written) return written.error();
    return image->roundedAlpha;
}

Status RemovePicture(const std::string& artFolder, TileKind kind, std::int32_t id) {
    const auto entry = PictureEntry(kind, id);
    if (!entry) return entry.error();
    const auto removed = RemoveArtImages(artFolder, std::span(&entry.value(), 1));
    if (!removed) return removed.error();
    return {};
}

}  // namespace tilewright::Decode_Mul
