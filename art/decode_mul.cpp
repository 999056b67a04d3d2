#include "decode_mul.h"

namespace tilewright::Decode_Mul {

std::optional<ArtIndexEntry> ReadArtIndexEntry(std::int32_t, const std::string&) { return std::nullopt; }
void DrawLandArt(PixelSurface&, std::int32_t, const std::string&) {}
void DrawItemArt(PixelSurface&, std::int32_t, const std::string&) {}

}  // namespace tilewright::Decode_Mul
