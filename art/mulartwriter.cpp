// The .mul pair: images appended to art.mul, artidx.mul replaced in one piece.
#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "artimage.h"
#include "artwriter.h"
#include "containertable.h"
#include "bytes.h"
#include "decode_mul.h"
#include "filereplacement.h"
#include "gamefile.h"

namespace tilewright::Decode_Mul {
namespace {

constexpr std::int32_t kNoImage = -1;

struct IndexFile {
    std::string path;
    std::vector<std::uint8_t> bytes;  // whole entries only

    std::size_t count() const { return bytes.size() / kArtIndexEntrySize; }
    std::span<std::uint8_t, 4> Field(std::int32_t entry, std::size_t field) {
        return std::span(bytes).subspan(static_cast<std::size_t>(entry) * kArtIndexEntrySize + 4 * field).first<4>();
    }
    ArtIndexEntry Get(std::int32_t entry) {
        return {ReadI32LE(Field(entry, 0)), ReadI32LE(Field(entry, 1)), ReadI32LE(Field(entry, 2))};
    }
    void Set(std::int32_t entry, const ArtIndexEntry& e) {
        WriteU32LE(Field(entry, 0), static_cast<std::uint32_t>(e.Lookup));
        WriteU32LE(Field(entry, 1), static_cast<std::uint32_t>(e.Length));
        WriteU32LE(Field(entry, 2), static_cast<std::uint32_t>(e.Extra));
    }
    // Entries up to `entry` exist, new ones without a picture.
    void Reach(std::int32_t entry) {
        while (count() <= static_cast<std::size_t>(entry)) {
            bytes.resize(bytes.size() + kArtIndexEntrySize);
            Set(static_cast<std::int32_t>(count() - 1), {kNoImage, 0, 0});
        }
    }
};

Result<IndexFile> ReadIndex(const std::string& artFolder) {
    auto file = GameFile::OpenForReading(artFolder, kArtIndexFileName);
    if (!file) return file.error();
    IndexFile index{file->path(), std::vector<std::uint8_t>(file->size() / kArtIndexEntrySize * kArtIndexEntrySize)};
    RETURN_IF_ERROR(file->ReadExactlyAt(0, index.bytes));
    return index;
}

Error TooLarge(const std::string& path) {
    return Error{ErrorKind::OutOfBounds, Quoted(path) + " would grow past 2 GiB, beyond what artidx.mul can point at."};
}

// Cuts art.mul back to `size`, so that a failed put leaves it as it was.
Error CutBack(const std::string& path, std::uint64_t size, Error failure) {
    std::error_code ec;
    std::filesystem::resize_file(path, size, ec);
    if (ec) failure.message += " " + Quoted(path) + " could not be cut back to its old " + std::to_string(size) +
                               " bytes: " + ec.message() + ".";
    return failure;
}

}  // namespace

Status PutMulImages(const std::string& artFolder, std::span<const ImagePut> puts, const ArtWriteOptions& options) {
    auto read = ReadIndex(artFolder);
    if (!read) return read.error();
    IndexFile& index = read.value();
    RETURN_IF_ERROR(CheckReplaceable(index.path));
    auto opened = GameFile::OpenForWriting(artFolder, kArtFileName);
    if (!opened) return opened.error();
    GameFile& art = opened.value();
    const std::string artPath = art.path();

    const std::uint64_t oldSize = art.size();
    std::vector<std::uint8_t> appended;
    for (const ImagePut& put : puts) {
        const std::uint64_t at = oldSize + appended.size();
        if (at + put.image.size() > INT32_MAX) return TooLarge(artPath);
        index.Reach(put.entry);
        // A land entry keeps its Extra; an item's is 0.
        const std::int32_t extra = put.entry < kItemArtBase ? index.Get(put.entry).Extra : 0;
        index.Set(put.entry, {static_cast<std::int32_t>(at), static_cast<std::int32_t>(put.image.size()), extra});
        appended.insert(appended.end(), put.image.begin(), put.image.end());
    }

    if (Status written = art.WriteAllAt(oldSize, appended); !written) return CutBack(artPath, oldSize, written.error());
    if (Status flushed = art.SyncAndClose(); !flushed) return CutBack(artPath, oldSize, flushed.error());
    if (Status replaced = options.ReplaceFile(index.path, index.bytes); !replaced)
        return CutBack(artPath, oldSize, replaced.error());
    return {};
}

Result<std::size_t> RemoveMulImages(const std::string& artFolder, std::span<const std::int32_t> entries,
                                    const ArtWriteOptions& options) {
    auto read = ReadIndex(artFolder);
    if (!read) return read.error();
    IndexFile& index = read.value();
    RETURN_IF_ERROR(CheckReplaceable(index.path));
    std::size_t changed = 0;
    for (std::int32_t entry : entries) {
        if (static_cast<std::size_t>(entry) >= index.count()) continue;
        ArtIndexEntry e = index.Get(entry);
        if (e.Lookup == kNoImage) continue;
        e.Lookup = kNoImage;
        e.Length = 0;
        index.Set(entry, e);
        ++changed;
    }
    if (changed == 0) return changed;
    RETURN_IF_ERROR(options.ReplaceFile(index.path, index.bytes));
    return changed;
}

Result<std::uint64_t> CompactArt(const std::string& artFolder) {
    if (ArtContainerPath(artFolder))
        return Error{ErrorKind::InvalidValue, Quoted(artFolder) + " holds its art in " + kArtContainerFileName +
                                                  ", which is written without unused bytes already."};
    auto read = ReadIndex(artFolder);
    if (!read) return read.error();
    IndexFile& index = read.value();
    // art.mul is closed again before it is replaced: Windows replaces no
    // file that is open.
    std::string artPath;
    std::vector<std::uint8_t> old;
    {
        auto art = GameFile::OpenForReading(artFolder, kArtFileName);
        if (!art) return art.error();
        if (art->size() > INT32_MAX) return TooLarge(art->path());
        artPath = art->path();
        old.resize(static_cast<std::size_t>(art->size()));
        RETURN_IF_ERROR(art->ReadExactlyAt(0, old));
    }
    for (const std::string& path : {index.path, artPath})
        RETURN_IF_ERROR(CheckReplaceable(path));

    // An image runs for its Length (a land image at least 2024 bytes), but
    // never into the next image, so that nothing another entry uses is cut.
    std::map<std::int32_t, std::int32_t> moved;  // old Lookup -> new Lookup
    for (std::size_t e = 0; e < index.count(); ++e) {
        const std::int32_t lookup = index.Get(static_cast<std::int32_t>(e)).Lookup;
        if (lookup >= 0 && static_cast<std::size_t>(lookup) < old.size()) moved.emplace(lookup, 0);
    }
    std::map<std::int32_t, std::int32_t> lengths;
    for (std::size_t e = 0; e < index.count(); ++e) {
        const ArtIndexEntry entry = index.Get(static_cast<std::int32_t>(e));
        if (!moved.count(entry.Lookup)) continue;
        const std::int32_t wanted = e < kItemArtBase ? std::max<std::int32_t>(entry.Length, kLandImageSize) : entry.Length;
        lengths[entry.Lookup] = std::max(lengths[entry.Lookup], wanted);
    }
    std::vector<std::uint8_t> compacted;
    for (auto at = moved.begin(); at != moved.end(); ++at) {
        const auto next = std::next(at);
        const std::uint64_t limit = next == moved.end() ? old.size() : static_cast<std::uint64_t>(next->first);
        const std::uint64_t wanted = lengths[at->first] > 0 ? at->first + std::uint64_t(lengths[at->first]) : limit;
        const std::uint64_t end = std::min(limit, wanted);
        at->second = static_cast<std::int32_t>(compacted.size());
        compacted.insert(compacted.end(), old.begin() + at->first, old.begin() + static_cast<std::ptrdiff_t>(end));
    }
    for (std::size_t e = 0; e < index.count(); ++e) {
        ArtIndexEntry entry = index.Get(static_cast<std::int32_t>(e));
        const auto found = moved.find(entry.Lookup);
        if (found == moved.end()) {
            if (entry.Lookup != kNoImage) index.Set(static_cast<std::int32_t>(e), {kNoImage, 0, entry.Extra});
            continue;
        }
        entry.Lookup = found->second;
        index.Set(static_cast<std::int32_t>(e), entry);
    }
    RETURN_IF_ERROR(ReplaceFileContents(artPath, compacted));
    // The old index points into the old art.mul: without the new index the
    // old art.mul goes back, or every picture would be read from wrong places.
    if (Status written = ReplaceFileContents(index.path, index.bytes); !written) {
        if (Status restored = ReplaceFileContents(artPath, old); !restored)
            return Error{written.error().kind, written.error().message + "; and " + restored.error().message +
                                                   ": art.mul no longer matches artidx.mul"};
        return written.error();
    }
    return static_cast<std::uint64_t>(old.size() - compacted.size());
}

}  // namespace tilewright::Decode_Mul
