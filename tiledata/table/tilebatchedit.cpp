#include "tilebatchedit.h"

#include <algorithm>

#include "filereplacement.h"
#include "gamefile.h"
#include "tilecompiler.h"

namespace tilewright {
Status CheckRecordUnchanged(const TileDataFile& onDisk, TileKind kind, std::int32_t id,
                            const TileDataLayout& loadedLayout, std::span<const std::uint8_t> loadedRecord) {
    if (onDisk.layout() != loadedLayout || id >= onDisk.HeldCount(kind))
        return Error{ErrorKind::OutOfBounds, Quoted(onDisk.path()) +
                                                 " has changed its layout since it was loaded. Nothing was written; "
                                                 "reload the tiles."};
    const std::span<const std::uint8_t> now =
        onDisk.bytes().subspan(onDisk.RecordOffset(kind, id), onDisk.layout().RecordSize(kind));
    if (!std::ranges::equal(now, loadedRecord))
        return RecordChangedError(onDisk.path(), kind, id);
    return {};
}

Status CheckRecordsUnchanged(const TileDataFile& loaded, const TileDataFile& onDisk, TileKind kind,
                             std::span<const std::int32_t> ids) {
    const std::size_t size = loaded.layout().RecordSize(kind);
    for (const std::int32_t id : ids)
        RETURN_IF_ERROR(CheckRecordUnchanged(onDisk, kind, id, loaded.layout(),
                                             loaded.bytes().subspan(loaded.RecordOffset(kind, id), size)));
    return {};
}

Result<TileBatchEdit> TileBatchEdit::Prepare(const TileDataFile& loaded, const TileEdit& prototype,
                                             std::span<const std::int32_t> ids) {
    auto onDisk = TileDataFile::Read(loaded.path());
    RETURN_IF_ERROR(onDisk);
    RETURN_IF_ERROR(CheckRecordsUnchanged(loaded, *onDisk, prototype.kind, ids));
    std::vector<TileEdit> edits(ids.size(), prototype);
    for (std::size_t i = 0; i < ids.size(); ++i) edits[i].id = ids[i];
    TileBatchEdit edit;
    edit.path_ = loaded.path();
    edit.before_.assign(onDisk->bytes().begin(), onDisk->bytes().end());
    edit.applied_ = ApplyTileEdits(*onDisk, edits);
    return edit;
}

Status TileBatchEdit::Write() const {
    if (changed() == 0) return {};
    return ReplaceFileContents(path_, applied_.bytes);
}

Status TakeBack(const std::string& path, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
    auto now = TileDataFile::Read(path);
    RETURN_IF_ERROR(now);
    if (!std::ranges::equal(now->bytes(), after))
        return Error{ErrorKind::FileUnwritable, Quoted(path) +
                                                    " has been written by something else since the last apply, "
                                                    "so it cannot be undone. Nothing was written."};
    return ReplaceFileContents(path, before);
}

}  // namespace tilewright
