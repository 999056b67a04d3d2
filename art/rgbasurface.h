// A surface that records the painters' points into an RGBA picture of the
// size the painter announces, so a picture can be saved exactly as the
// window shows it: each painted point in its colour, fully opaque, and every
// point the window would leave as background transparent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixelsurface.h"

namespace tilewright::Decode_Mul {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // 4 bytes a point, rows from the top, each left to right
};

class RgbaSurface final : public PixelSurface {
public:
    // A header may claim up to 32767 x 32767 points; a picture larger than
    // this is not kept, so no file can make an export take gigabytes.
    static constexpr std::uint64_t kMostPoints = std::uint64_t{1} << 24;

    void BeginPicture(int width, int height) override;
    // Points outside the announced size are dropped, as outside the window's picture area.
    void SetPixel(int x, int y, std::uint32_t colour) override;

    // Points painted inside the picture, repeats included.
    std::size_t painted() const { return painted_; }
    bool tooLarge() const { return tooLarge_; }
    RgbaImage TakeImage() { return std::move(image_); }

private:
    RgbaImage image_;
    std::size_t painted_ = 0;
    bool tooLarge_ = false;
};

}  // namespace tilewright::Decode_Mul
