// Art pictures as RGBA images, painted by the same painters as the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rgbasurface.h"
#include "tilekind.h"

namespace tilewright::Decode_Mul {

// The picture of land entry `id` (44 x 44) or of item `id` (entry 16384 +
// id, ImageWidth x ImageHeight), through DrawLandArt or DrawItemArt. Nothing
// when the entry has no image, when its image paints no point inside its own
// size, or when that size is beyond RgbaSurface::kMostPoints.
std::optional<RgbaImage> RenderArt(TileKind kind, std::int32_t id, const std::string& artFolder);

}  // namespace tilewright::Decode_Mul
