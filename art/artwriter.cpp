#include "artwriter.h"

#include <algorithm>
#include <unordered_set>

#include "artimage.h"
#include "filereplacement.h"
#include "gamefile.h"

namespace tilewright::Decode_Mul {
namespace {

Status CheckEntries(const std::string& artFolder, std::span<const std::int32_t> entries) {
    for (std::int32_t entry : entries)
        if (entry < 0 || entry >= kWritableEntries)
            return Error{ErrorKind::OutOfBounds, "Art entry " + std::to_string(entry) + " of " + Quoted(artFolder) +
                                                     " is no land (0 to 16383) or item (16384 + 0 to 65535) entry."};
    return {};
}

}  // namespace

Status ArtWriteOptions::ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) const {
    if (beforeRename) RETURN_IF_ERROR(beforeRename());
    return ReplaceFileContents(path, bytes);
}

Status PutArtImages(const std::string& artFolder, std::span<const ImagePut> puts, const ArtWriteOptions& options) {
    std::vector<std::int32_t> entries;
    for (const ImagePut& put : puts) entries.push_back(put.entry);
    RETURN_IF_ERROR(CheckEntries(artFolder, entries));
    if (puts.empty()) return {};
    // Only the last put of an entry is written.
    std::vector<ImagePut> unique;
    if (std::unordered_set<std::int32_t>(entries.begin(), entries.end()).size() != entries.size()) {
        std::unordered_set<std::int32_t> seen;
        for (auto put = puts.rbegin(); put != puts.rend(); ++put)
            if (seen.insert(put->entry).second) unique.push_back(*put);
        std::reverse(unique.begin(), unique.end());
        puts = unique;
    }
    if (const auto container = ArtContainerPath(artFolder)) return PutContainerImages(*container, puts, options);
    return PutMulImages(artFolder, puts, options);
}

Result<std::size_t> RemoveArtImages(const std::string& artFolder, std::span<const std::int32_t> entries,
                                    const ArtWriteOptions& options) {
    RETURN_IF_ERROR(CheckEntries(artFolder, entries));
    if (const auto container = ArtContainerPath(artFolder)) return RemoveContainerImages(*container, entries, options);
    return RemoveMulImages(artFolder, entries, options);
}

}  // namespace tilewright::Decode_Mul
