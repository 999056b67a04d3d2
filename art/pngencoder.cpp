#include "pngencoder.h"

#include <spng.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace tilewright {
namespace {

struct ContextDeleter {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
struct BufferDeleter {
    void operator()(void* buffer) const { std::free(buffer); }
};

Error EncoderError(const Decode_Mul::RgbaImage& image, const char* what) {
    return Error{ErrorKind::InvalidValue, "Cannot encode a " + std::to_string(image.width) + " x " +
                                              std::to_string(image.height) + " picture as PNG: " + what + "."};
}

}  // namespace

Result<std::vector<std::uint8_t>> EncodePng(const Decode_Mul::RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgba.size() != 4 * static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return EncoderError(image, "it holds no points");
    const std::unique_ptr<spng_ctx, ContextDeleter> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) return EncoderError(image, "out of memory");
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(image.width);
    header.height = static_cast<std::uint32_t>(image.height);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    int err = spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    if (!err) err = spng_set_ihdr(ctx.get(), &header);
    if (!err) err = spng_encode_image(ctx.get(), image.rgba.data(), image.rgba.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    if (err) return EncoderError(image, spng_strerror(err));
    std::size_t size = 0;
    const std::unique_ptr<void, BufferDeleter> png(spng_get_png_buffer(ctx.get(), &size, &err));
    if (!png || err) return EncoderError(image, spng_strerror(err));
    const auto* bytes = static_cast<const std::uint8_t*>(png.get());
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace tilewright
