#include "artrender.h"

#include "decode_mul.h"

namespace tilewright::Decode_Mul {

std::optional<RgbaImage> RenderArt(TileKind kind, std::int32_t id, const std::string& artFolder) {
    RgbaSurface surface;
    if (kind == TileKind::Land)
        DrawLandArt(surface, id, artFolder);
    else
        DrawItemArt(surface, id, artFolder);
    if (surface.painted() == 0) return std::nullopt;
    return surface.TakeImage();
}

}  // namespace tilewright::Decode_Mul
