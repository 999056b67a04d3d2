// Fuzzes the PNG side of putting pictures into the art files: an input is a
// whole PNG file. Whatever libspng makes of it must come back as a picture of
// 1 to 1024 points a side or as a refusal; a picture is then encoded as an
// item (and, at 44 x 44, as a land) image, and painting that image must give
// exactly the picture's opaque points in their rounded colours.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "artencoder.h"
#include "decode_mul.h"
#include "pngdecoder.h"

namespace {

using namespace tilewright;
using namespace tilewright::Decode_Mul;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "png fuzzer: %s\n", what);
    std::abort();
}

// Checks every painted point against the picture, in the painters' order.
class CheckingSurface final : public PixelSurface {
public:
    explicit CheckingSurface(const RgbaImage& picture) : picture_(picture) {}
    void SetPixel(int x, int y, std::uint32_t colour) override {
        if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) Fail("a point outside the picture");
        if (static_cast<std::int64_t>(y) * picture_.width + x < last_) Fail("points out of order");
        last_ = static_cast<std::int64_t>(y) * picture_.width + x + 1;
        const std::uint8_t* p = &picture_.rgba[4 * (static_cast<std::size_t>(y) * picture_.width + x)];
        if (!IsOpaque(p[3])) Fail("a transparent point painted");
        if (colour != Color555ToRgb(RgbToColor555(p[0], p[1], p[2]))) Fail("a colour changed");
        ++painted;
    }
    std::size_t painted = 0;

private:
    const RgbaImage& picture_;
    std::int64_t last_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = DecodePng(std::span(data, size), "fuzz.png");
    if (!picture) return 0;
    if (picture->width < 1 || picture->height < 1 || picture->width > kMostPictureSide || picture->height > kMostPictureSide)
        Fail("a picture size out of range");
    if (picture->rgba.size() != 4 * static_cast<std::size_t>(picture->width) * picture->height) Fail("wrong point count");
    std::size_t opaque = 0;
    for (std::size_t i = 3; i < picture->rgba.size(); i += 4) opaque += IsOpaque(picture->rgba[i]);

    if (const auto item = EncodeItemImage(*picture, "fuzz.png")) {
        CheckingSurface surface(*picture);
        PaintItemImage(surface, item->bytes);
        if (surface.painted != opaque) Fail("item points lost");
    } else if (opaque > 0 && picture->width * picture->height < 4096) {
        Fail("a small item picture with opaque points refused");
    }
    if (picture->width == kLandImageSide && picture->height == kLandImageSide) {
        if (const auto land = EncodeLandImage(*picture, "fuzz.png")) {
            CheckingSurface surface(*picture);
            PaintLandImage(surface, land->bytes);
            if (surface.painted != kLandImagePixels || opaque != kLandImagePixels) Fail("land points lost");
        }
    }
    return 0;
}
