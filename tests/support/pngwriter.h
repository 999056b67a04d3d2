// Writes PNG files of any colour type, bit depth and interlacing with
// libspng, from samples laid out as the PNG holds them (16-bit samples in the
// machine's byte order), for tests and fuzzing seeds of the PNG reader.
#pragma once

#include <spng.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace tilewright::testing {

struct PngForm {
    std::uint32_t width = 1;
    std::uint32_t height = 1;
    std::uint8_t colourType = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    std::uint8_t bitDepth = 8;
    bool interlaced = false;
    std::vector<spng_plte_entry> palette;  // for SPNG_COLOR_TYPE_INDEXED
    std::optional<spng_trns> transparency;
};

inline PngForm MakeForm(std::uint32_t width, std::uint32_t height, std::uint8_t colourType, std::uint8_t bitDepth,
                       bool interlaced = false, std::vector<spng_plte_entry> palette = {},
                       std::optional<spng_trns> transparency = std::nullopt) {
    return {width, height, colourType, bitDepth, interlaced, std::move(palette), transparency};
}

// Nothing when libspng refuses the form. The samples are cut or padded with
// zeros to the size the form takes.
inline std::optional<std::vector<std::uint8_t>> WritePng(const PngForm& form, std::vector<std::uint8_t> samples) {
    const int channels = form.colourType == SPNG_COLOR_TYPE_TRUECOLOR         ? 3
                         : form.colourType == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ? 4
                         : form.colourType == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ? 2
                                                                              : 1;
    samples.resize(form.height * ((std::size_t{form.width} * channels * form.bitDepth + 7) / 8), 0);
    const std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> ctx(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    spng_ihdr header{form.width, form.height, form.bitDepth, form.colourType, 0, 0,
                     static_cast<std::uint8_t>(form.interlaced ? 1 : 0)};
    int err = spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    if (!err) err = spng_set_ihdr(ctx.get(), &header);
    if (!err && !form.palette.empty()) {
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(form.palette.size());
        for (std::size_t i = 0; i < form.palette.size(); ++i) plte.entries[i] = form.palette[i];
        err = spng_set_plte(ctx.get(), &plte);
    }
    if (!err && form.transparency) {
        spng_trns trns = *form.transparency;
        err = spng_set_trns(ctx.get(), &trns);
    }
    if (!err) err = spng_encode_image(ctx.get(), samples.data(), samples.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    if (err) return std::nullopt;
    std::size_t size = 0;
    const std::unique_ptr<void, void (*)(void*)> png(spng_get_png_buffer(ctx.get(), &size, &err), std::free);
    if (!png || err) return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(png.get());
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace tilewright::testing
