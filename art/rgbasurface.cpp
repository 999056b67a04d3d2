#include "rgbasurface.h"

namespace tilewright::Decode_Mul {

void RgbaSurface::BeginPicture(int width, int height) {
    painted_ = 0;
    image_ = {};
    tooLarge_ = width > 0 && height > 0 &&
                static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMostPoints;
    if (width <= 0 || height <= 0 || tooLarge_) return;
    image_.width = width;
    image_.height = height;
    image_.rgba.assign(4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

void RgbaSurface::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
    std::uint8_t* point = &image_.rgba[4 * (static_cast<std::size_t>(y) * image_.width + static_cast<std::size_t>(x))];
    point[0] = static_cast<std::uint8_t>(colour & 0xFF);
    point[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    point[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    point[3] = 0xFF;
    ++painted_;
}

}  // namespace tilewright::Decode_Mul
