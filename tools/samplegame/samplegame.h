// Writes the synthetic sample game folder: TileData.mul, and artidx.mul and
// art.mul or artLegacyMUL.uop.
#pragma once

#include <string>

#include "error.h"
#include "sampleart.h"
#include "tiledatalayout.h"

namespace tilewright::sample {

// `folder` ends with a path separator; the files are written under it.
Status WriteSampleGame(const std::string& folder, const TileDataLayout& layout = kClassicLayout,
                       SampleArtForm art = SampleArtForm::Mul);

}  // namespace tilewright::sample
