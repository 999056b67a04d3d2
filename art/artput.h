// Pictures from PNG files into an art folder, and out of it again: what the
// command-line tool and the tile browser call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

// A PNG file meant for one land or item picture.
struct PictureFile {
    TileKind kind = TileKind::Item;
    std::int32_t id = 0;
    std::string path;
};

// The land-NNNNN.png and item-NNNNN.png files of `folder` (the names that
// saving every picture gives), by kind and number; other files are passed over.
Result<std::vector<PictureFile>> PictureFilesIn(const std::string& folder);

struct PictureBatch {
    std::vector<ImagePut> puts;     // in the order of the files
    std::size_t roundedAlpha = 0;   // over all pictures
};

// Reads and encodes every file, on every core. The first refusal in the
// files' order is the result's error.
Result<PictureBatch> ReadPictures(std::span<const PictureFile> files);

// Puts the PNG at `pngPath` as the picture of land `id` or item `id`; returns
// how many of its points' alpha was rounded.
Result<std::size_t> PutPicture(const std::string& artFolder, TileKind kind, std::int32_t id,
                               const std::string& pngPath, const ArtWriteOptions& options = {});
// Leaves land `id` or item `id` without a picture.
Status RemovePicture(const std::string& artFolder, TileKind kind, std::int32_t id);

}  // namespace tilewright::Decode_Mul
