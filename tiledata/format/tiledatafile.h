// A whole TileData.mul in memory, read with one read, with the layout its
// size gives. For work on every record at once: searching, exporting,
// comparing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "error.h"
#include "tilerow.h"

namespace tilewright {

class TileDataFile {
public:
    // Files past this size are no tile data (the largest layout is about 3 MB).
    static constexpr std::uint64_t kMaxSize = std::uint64_t{256} << 20;

    // The file at `path`, or `folder` + "TileData.mul" found as every game
    // file is. Its layout is `given` when there is one, else the one its size
    // gives (see LayoutForFileSize).
    static Result<TileDataFile> Read(const std::string& path, std::optional<TileDataLayout> given = {});
    static Result<TileDataFile> ReadFolder(const std::string& folder);
    // Bytes already in memory, named `path` in messages.
    static TileDataFile FromBytes(std::string path, std::vector<std::uint8_t> bytes,
                                  std::optional<TileDataLayout> given = {});

    const std::string& path() const { return path_; }
    const TileDataLayout& layout() const { return layout_; }
    // Whether the layout was given or the size fits one exactly. A file of
    // another size is read as classic only for looking at it; nothing may
    // write it (UnknownSizeReason says why).
    bool layoutKnown() const { return layoutKnown_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    // The records of `kind` lying wholly inside the file: tile 0 up to one
    // less than this. A shortened file holds fewer than its layout's count.
    std::int32_t HeldCount(TileKind kind) const { return kind == TileKind::Land ? landHeld_ : itemHeld_; }
    // 0-based offset of tile n's record; n must be below HeldCount(kind).
    std::size_t RecordOffset(TileKind kind, std::int32_t n) const;

    // Record n of `kind`, n below HeldCount(kind).
    std::span<const std::uint8_t> RecordBytes(TileKind kind, std::int32_t n) const;
    TileRow Row(TileKind kind, std::int32_t n) const;
    TileName Name(TileKind kind, std::int32_t n) const;

private:
    TileDataFile(std::string path, std::vector<std::uint8_t> bytes, std::optional<TileDataLayout> given);
    std::int32_t CountHeld(TileKind kind) const;

    std::string path_;
    std::vector<std::uint8_t> bytes_;
    TileDataLayout layout_;
    bool layoutKnown_ = false;
    std::int32_t landHeld_ = 0;
    std::int32_t itemHeld_ = 0;
};

}  // namespace tilewright
