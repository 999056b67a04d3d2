// Writing images into an art folder, where the painters read them: the .mul
// pair when both files are there, else artLegacyMUL.uop. Every write is all
// or nothing. Into the pair, new images are appended to art.mul (flushed) and
// artidx.mul is replaced in one piece; a failure before that rename cuts
// art.mul back to its old size. A container is written anew through a
// temporary file and one rename.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "error.h"

namespace tilewright::Decode_Mul {

// The entries a picture may be put into: land 0 to 16383, item 0 to 65535.
inline constexpr std::int32_t kWritableEntries = 16384 + 65536;

struct ImagePut {
    std::int32_t entry = 0;
    std::vector<std::uint8_t> image;  // as art.mul holds it
};

struct ArtWriteOptions {
    bool compress = false;  // container entries zlib-compressed rather than stored
    // Runs when everything is written but the rename that makes it count;
    // a failure it returns is handled like any other. A seam for tests.
    std::function<Status()> beforeRename;

    // Runs beforeRename, if set, then replaces the file at `path` with
    // `bytes` in one piece: the last step of every write.
    Status ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) const;
};

// Puts every image; a later put of the same entry wins.
Status PutArtImages(const std::string& artFolder, std::span<const ImagePut> puts, const ArtWriteOptions& options = {});
// Makes the entries have no picture; those without one already are left as
// they are. Returns how many entries changed (nothing is written for none).
Result<std::size_t> RemoveArtImages(const std::string& artFolder, std::span<const std::int32_t> entries,
                                    const ArtWriteOptions& options = {});
// Rewrites art.mul with only the images the index points at, each once, then
// artidx.mul; returns the bytes saved. A container folder is refused.
Result<std::uint64_t> CompactArt(const std::string& artFolder);

// The .mul pair's and the container's halves of the above.
Status PutMulImages(const std::string& artFolder, std::span<const ImagePut> puts, const ArtWriteOptions& options);
Result<std::size_t> RemoveMulImages(const std::string& artFolder, std::span<const std::int32_t> entries,
                                    const ArtWriteOptions& options);
Status PutContainerImages(const std::string& path, std::span<const ImagePut> puts, const ArtWriteOptions& options);
Result<std::size_t> RemoveContainerImages(const std::string& path, std::span<const std::int32_t> entries,
                                          const ArtWriteOptions& options);

}  // namespace tilewright::Decode_Mul
