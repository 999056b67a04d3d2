#include <array>

#include "artimage.h"
#include "bytes.h"

namespace tilewright::Decode_Mul {

void PaintLandImage(PixelSurface& surface, std::span<const std::uint8_t> image) {
    if (image.size() < kLandImageSize) return;
    const auto pixels = image.first<kLandImageSize>();
    surface.BeginPicture(kLandImageSide, kLandImageSide);
    std::size_t k = 0;
    auto paintRow = [&](int i, int y) {
        // Row y holds 2 * (i + 1) pixels centred on the line between x 21 and 22.
        for (int j = 1; j <= 2 * (i + 1); ++j, ++k)
            surface.SetPixel(20 - i + j, y, Color555ToRgb(ReadU16LE(pixels.subspan(2 * k).first<2>())));
    };
    for (int i = 0; i <= 21; ++i) paintRow(i, i);
    for (int i = 21; i >= 0; --i) paintRow(i, 43 - i);
}

Status DrawLandArt(PixelSurface& surface, std::int32_t entryNumber, const std::string& artFolder) {
    if (const auto container = ArtContainerPath(artFolder)) {
        const auto image = ReadContainerImage(*container, entryNumber);
        RETURN_IF_ERROR(image);
        if (*image) PaintLandImage(surface, **image);
        return {};
    }
    std::array<std::uint8_t, kLandImageSize> image{};
    {
        const auto art = OpenArtImage(entryNumber, artFolder);
        if (!art) return {};
        const auto got = art->file.ReadAt(art->start, image);
        if (!got || *got != image.size()) return {};
    }  // art.mul is closed before the first pixel is painted
    PaintLandImage(surface, image);
    return {};
}

}  // namespace tilewright::Decode_Mul
