// Reads a PNG back into 8-bit RGBA with libspng, to check what was written.
#pragma once

#include <spng.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rgbasurface.h"

namespace tilewright::testing {

inline std::optional<Decode_Mul::RgbaImage> DecodePng(const std::vector<std::uint8_t>& png) {
    const std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> ctx(spng_ctx_new(0), spng_ctx_free);
    spng_ihdr header{};
    std::size_t size = 0;
    if (!ctx || spng_set_png_buffer(ctx.get(), png.data(), png.size()) || spng_get_ihdr(ctx.get(), &header) ||
        spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &size))
        return std::nullopt;
    // Only 8-bit RGBA counts: anything else would be converted silently.
    if (header.color_type != SPNG_COLOR_TYPE_TRUECOLOR_ALPHA || header.bit_depth != 8) return std::nullopt;
    Decode_Mul::RgbaImage image{static_cast<int>(header.width), static_cast<int>(header.height),
                                std::vector<std::uint8_t>(size)};
    if (spng_decode_image(ctx.get(), image.rgba.data(), size, SPNG_FMT_RGBA8, 0)) return std::nullopt;
    return image;
}

inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::optional<Decode_Mul::RgbaImage> DecodePngFile(const std::string& path) { return DecodePng(FileBytes(path)); }

}  // namespace tilewright::testing
