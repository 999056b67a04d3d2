// Writes the synthetic sample game folder: TileData.mul, artidx.mul, art.mul.
#pragma once

#include <string>

#include "error.h"
#include "tiledatalayout.h"

namespace tilewright::sample {

// `folder` ends with a path separator; the files are written under it.
Status WriteSampleGame(const std::string& folder, const TileDataLayout& layout = kClassicLayout);

}  // namespace tilewright::sample
