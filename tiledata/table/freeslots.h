// Free slots: tile numbers whose record is all zero (no name, no flags, every
// value 0) and that have no picture of their own, where a new tile can go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "tiledatafile.h"

namespace tilewright {

// Record n of `kind` in `file` (n below file.HeldCount(kind)) is all zero bytes.
bool IsEmptyRecord(const TileDataFile& file, TileKind kind, std::int32_t n);

// The numbers of `kind` held by `file` and listed by the editor, ascending, whose record is empty and
// for which `hasPicture` is false; at most `limit` of them.
std::vector<std::int32_t> FreeSlots(const TileDataFile& file, TileKind kind,
                                    const std::function<bool(std::int32_t)>& hasPicture,
                                    std::size_t limit = SIZE_MAX);

}  // namespace tilewright
