// Saving art pictures as PNG files: one entry, or every entry of an art
// folder spread over all cores.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "artrender.h"
#include "error.h"

namespace tilewright {

// "land-00042.png", "item-16382.png": five digits at least, zero-padded.
std::string ArtPictureFileName(TileKind kind, std::int32_t id);

// Writes the picture of land entry or item `id` of `artFolder` as a PNG to
// `outPath`. Fails naming the file when the art index cannot be read, when
// the art holds no such entry or the entry no picture, or when the PNG
// cannot be written (a partly written file is removed).
Status ExportArtPicture(const std::string& artFolder, TileKind kind, std::int32_t id,
                        const std::string& outPath);

struct ArtExportOptions {
    bool land = true;
    bool items = true;
    unsigned threads = 0;  // 0: one per core
    // Called now and then on the calling thread with the entries done so far
    // and the entries in all, and once more at the end.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

struct ArtExportSummary {
    std::size_t landPictures = 0;
    std::size_t itemPictures = 0;
};

// Creates `outFolder` when needed and writes ArtPictureFileName(kind, id)
// there for every entry of the kinds asked for that paints a point. The
// first failure stops the export and is returned.
Result<ArtExportSummary> ExportAllArt(const std::string& artFolder, const std::string& outFolder,
                                      const ArtExportOptions& options);

}  // namespace tilewright
