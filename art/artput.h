// Pictures from PNG files into an art folder, and out of it again: what the
// command-line tool and the tile browser call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "artencoder.h"
#include "artwriter.h"
#include "error.h"
#include "tilekind.h"

namespace tilewright::Decode_Mul {

// The art entry of land `id` (0 to 16383) or item `id` (0 to 65535), or an
// error naming the number when it is out of that range.
Result<std::int32_t> PictureEntry(TileKind kind, std::int32_t id);

// The PNG file at `pngPath` as a land or item image, refused with its name.
Result<EncodedImage> ReadPicture(TileKind kind, const std::string& pngPath);

// Puts the PNG at `pngPath` as the picture of land `id` or item `id`; returns
// how many of its points' alpha was rounded.
Result<std::size_t> PutPicture(const std::string& artFolder, TileKind kind, std::int32_t id,
                               const std::string& pngPath, const ArtWriteOptions& options = {});
// Leaves land `id` or item `id` without a picture.
Status RemovePicture(const std::string& artFolder, TileKind kind, std::int32_t id);

}  // namespace tilewright::Decode_Mul
