#include "artrender.h"

#include "decode_mul.h"

namespace tilewright::Decode_Mul {

std::optional<RgbaImage> RenderArt(TileKind kind, std::int32_t id, const std::string& artFolder) {
    RgbaSurface surface;
    const Status painted =
        kind == TileKind::Land ? DrawLandArt(surface, id, artFolder) : DrawItemArt(surface, id, artFolder);
    if (!painted || surface.painted() == 0) return std::nullopt;
    return surface.TakeImage();
}

}  // namespace tilewright::Decode_Mul
