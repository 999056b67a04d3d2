#include <algorithm>
#include <vector>

#include "artimage.h"
#include "bytes.h"

namespace tilewright::Decode_Mul {
namespace {

constexpr std::uint64_t kHeaderSize = 8;  // 4 unused bytes, ImageWidth, ImageHeight

std::optional<std::int16_t> WordAt(ImageBytes& image, std::uint64_t offset) {
    const auto bytes = image.Get(offset, 2);
    if (!bytes) return std::nullopt;
    return ReadI16LE(bytes->first<2>());
}

// Paints row `y` from its data at `at`. Every run moves `at` forward by at
// least 6 bytes and x by at least 1, so the row ends by the x limit at the latest.
// Pixels painted are taken from `budget`; a run that does not fit ends the row.
void PaintRow(PixelSurface& surface, ImageBytes& image, std::uint64_t at, std::int16_t width, int y,
              std::uint64_t& budget) {
    const auto first = image.Get(at, 4);
    if (!first) return;
    std::int64_t x = ReadI16LE(first->first<2>());
    std::int16_t length = ReadI16LE(first->subspan<2, 2>());
    if (x + length == 0) return;  // the closing pair of an empty row, or a pair that sums like one
    at += 4;
    for (;;) {
        if (length <= 0 || x + length - 1 > kItemMaxX) return;
        if (static_cast<std::uint64_t>(length) > budget) {
            budget = 0;
            return;
        }
        budget -= static_cast<std::uint64_t>(length);
        const std::size_t byteCount = 2 * static_cast<std::size_t>(length);
        const auto pixels = image.Get(at, byteCount);
        if (!pixels) return;
        for (std::size_t i = 0; i < byteCount; i += 2, ++x)
            surface.SetPixel(static_cast<int>(x), y, Color555ToRgb(ReadU16LE(pixels->subspan(i).first<2>())));
        at += byteCount;

        const auto gap = WordAt(image, at);
        if (!gap || *gap <= 0 || *gap >= width) return;
        const auto next = WordAt(image, at + 2);
        if (!next) return;
        x += *gap;
        length = *next;
        at += 4;
    }
}

}  // namespace

void PaintItemImage(PixelSurface& surface, ImageBytes& image) {
    const auto header = image.Get(0, kHeaderSize);
    if (!header) return;
    const std::int16_t width = ReadI16LE(header->subspan<4, 2>());
    const std::int16_t height = ReadI16LE(header->subspan<6, 2>());
    if (height <= 0) return;

    const auto rowCount = static_cast<std::size_t>(height);
    const auto table = image.Get(kHeaderSize, 2 * rowCount);
    if (!table) return;
    surface.BeginPicture(width, height);
    // Copied out: the span does not outlive the next read.
    std::vector<std::uint16_t> rowOffsets(rowCount);
    for (std::size_t r = 0; r < rowCount; ++r) rowOffsets[r] = ReadU16LE(table->subspan(2 * r).first<2>());

    const std::uint64_t runData = kHeaderSize + 2 * std::uint64_t{rowCount};
    // The last row starts at the largest offset and is rarely longer than a
    // run header per pixel pair; asking for that much at once saves the
    // doubling reads of a large image.
    const std::uint16_t lastRow = *std::max_element(rowOffsets.begin(), rowOffsets.end());
    image.Expect(runData + 2 * std::uint64_t{lastRow} + 4 * static_cast<std::uint64_t>(std::max<int>(width, 0)) + 16);
    std::uint64_t budget = kItemPixelBudget;
    for (std::size_t r = 0; r < rowCount && budget > 0; ++r)
        PaintRow(surface, image, runData + 2 * std::uint64_t{rowOffsets[r]}, width, static_cast<int>(r), budget);
}

void PaintItemImage(PixelSurface& surface, std::span<const std::uint8_t> image) {
    class MemoryImage final : public ImageBytes {
    public:
        explicit MemoryImage(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
        std::optional<std::span<const std::uint8_t>> Get(std::uint64_t offset, std::size_t length) override {
            if (offset > bytes_.size() || length > bytes_.size() - offset) return std::nullopt;
            return bytes_.subspan(static_cast<std::size_t>(offset), length);
        }

    private:
        std::span<const std::uint8_t> bytes_;
    } bytes(image);
    PaintItemImage(surface, bytes);
}

Status DrawItemArt(PixelSurface& surface, std::int32_t itemNumber, const std::string& artFolder) {
    const std::int64_t entry = std::int64_t{kItemArtBase} + itemNumber;
    if (entry > INT32_MAX) return {};
    if (const auto container = ArtContainerPath(artFolder)) {
        const auto image = ReadContainerImage(*container, static_cast<std::int32_t>(entry));
        RETURN_IF_ERROR(image);
        if (*image) PaintItemImage(surface, **image);
        return {};
    }
    const auto art = OpenArtImage(static_cast<std::int32_t>(entry), artFolder);
    if (!art) return {};
    ArtFileWindow window(*art);
    PaintItemImage(surface, window);
    return {};
}

}  // namespace tilewright::Decode_Mul
