#include "pngdecoder.h"

#include <spng.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "gamefile.h"

namespace tilewright {
namespace {

struct ContextDeleter {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

Error Refused(const std::string& name, const std::string& what) {
    return Error{ErrorKind::InvalidValue, Quoted(name) + " cannot be used as a picture: " + what + "."};
}

// v * 255 / 65535, rounded to nearest.
std::uint8_t ToEightBits(std::uint16_t v) { return static_cast<std::uint8_t>((std::uint32_t{v} * 255 + 32767) / 65535); }

}  // namespace

Result<Decode_Mul::RgbaImage> DecodePng(std::span<const std::uint8_t> png, const std::string& name) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < sizeof kSignature || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin()))
        return Refused(name, "it is not a PNG file");
    const std::unique_ptr<spng_ctx, ContextDeleter> ctx(spng_ctx_new(0));
    if (!ctx) return Refused(name, "out of memory");
    // Ancillary chunks are not needed; bounding them keeps a hostile file from
    // making the decoder hold megabytes of text.
    int err = spng_set_image_limits(ctx.get(), kMostPictureSide, kMostPictureSide);
    if (!err) err = spng_set_chunk_limits(ctx.get(), kMostPngFileSize, kMostPngFileSize);
    if (!err) err = spng_set_png_buffer(ctx.get(), png.data(), png.size());
    spng_ihdr header{};
    if (!err) err = spng_get_ihdr(ctx.get(), &header);
    if (err == SPNG_EUSER_WIDTH || err == SPNG_EUSER_HEIGHT ||
        (!err && (header.width > kMostPictureSide || header.height > kMostPictureSide)))
        return Refused(name, "it is larger than " + std::to_string(kMostPictureSide) + " points a side");
    if (err) return Refused(name, std::string("it is damaged (") + spng_strerror(err) + ")");

    const bool wide = header.bit_depth == 16;
    const int format = wide ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    std::size_t size = 0;
    err = spng_decoded_image_size(ctx.get(), format, &size);
    std::vector<std::uint8_t> decoded;
    if (!err) {
        decoded.resize(size);
        err = spng_decode_image(ctx.get(), decoded.data(), decoded.size(), format, SPNG_DECODE_TRNS);
    }
    if (err) return Refused(name, std::string("it is damaged (") + spng_strerror(err) + ")");

    Decode_Mul::RgbaImage image;
    image.width = static_cast<int>(header.width);
    image.height = static_cast<int>(header.height);
    const std::size_t values = 4 * std::size_t{header.width} * header.height;
    if (!wide) {
        decoded.resize(values);
        image.rgba = std::move(decoded);
        return image;
    }
    // libspng gives 16-bit channels in the machine's byte order.
    image.rgba.resize(values);
    for (std::size_t i = 0; i < values; ++i) {
        std::uint16_t v;
        std::memcpy(&v, decoded.data() + 2 * i, 2);
        image.rgba[i] = ToEightBits(v);
    }
    return image;
}

Result<Decode_Mul::RgbaImage> ReadPngFile(const std::string& path) {
    auto file = GameFile::OpenForReading("", path);
    RETURN_IF_ERROR(file);
    if (file->size() > kMostPngFileSize)
        return Refused(file->path(), "it is " + std::to_string(file->size()) + " bytes long, more than 16 MiB");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file->size()));
    RETURN_IF_ERROR(file->ReadExactlyAt(0, bytes));
    return DecodePng(bytes, file->path());
}

}  // namespace tilewright
