#include "pngencoder.h"

#include <spng.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

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

// zlib's window and hash sizes for `image`. Its defaults (a 32 KB window and
// 256 KB of state) are meant for large streams; most pictures filter to under
// 8 KB, where a window past the data's size buys nothing, and allocating and
// releasing that state for every small picture took most of the encoding time.
// The hash level follows the window as in zlib's defaults (15 and 8).
std::pair<int, int> WindowAndMemoryLevel(const Decode_Mul::RgbaImage& image) {
    const std::uint64_t filtered = static_cast<std::uint64_t>(image.height) * (1 + 4 * std::uint64_t(image.width));
    int windowBits = 9;
    while (windowBits < 15 && (std::uint64_t{1} << windowBits) < filtered) ++windowBits;
    return {windowBits, windowBits - 7};
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
    const auto [windowBits, memoryLevel] = WindowAndMemoryLevel(image);
    int err = spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    if (!err) err = spng_set_option(ctx.get(), SPNG_IMG_WINDOW_BITS, windowBits);
    if (!err) err = spng_set_option(ctx.get(), SPNG_IMG_MEM_LEVEL, memoryLevel);
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
