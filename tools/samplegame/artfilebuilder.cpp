#include "artfilebuilder.h"

#include <algorithm>
#include <stdexcept>

#include "bytes.h"
#include "tiledatabuilder.h"

namespace tilewright::sample {
namespace {

// The unused image header is not 0, so nothing can come to rely on it.
constexpr std::uint32_t kItemHeaderValue = 0x1234ABCDu;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

void PutWordAt(std::vector<std::uint8_t>& out, std::size_t offset, std::uint16_t v) {
    WriteU16LE(std::span(out).subspan(offset).first<2>(), v);
}

}  // namespace

std::vector<std::uint8_t> EncodeItemImage(const ItemGrid& grid) {
    std::vector<std::uint8_t> out;
    PutU32(out, kItemHeaderValue);
    PutU16(out, static_cast<std::uint16_t>(grid.width));
    PutU16(out, static_cast<std::uint16_t>(grid.height));
    const std::size_t table = out.size();
    out.resize(table + 2 * static_cast<std::size_t>(grid.height));
    const std::size_t runData = out.size();

    for (int y = 0; y < grid.height; ++y) {
        const std::size_t words = (out.size() - runData) / 2;
        if (words > 0xFFFF) throw std::length_error("item image row starts past word 65535");
        PutWordAt(out, table + 2 * static_cast<std::size_t>(y), static_cast<std::uint16_t>(words));

        int previousEnd = -1;  // one past the last pixel of the previous run
        for (int x = 0; x < grid.width;) {
            if (!grid.at(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < grid.width && grid.at(end, y)) ++end;
            // The first run says where it starts, each later one how far it skips.
            PutU16(out, static_cast<std::uint16_t>(previousEnd < 0 ? x : x - previousEnd));
            PutU16(out, static_cast<std::uint16_t>(end - x));
            for (int i = x; i < end; ++i) PutU16(out, *grid.at(i, y));
            previousEnd = end;
            x = end;
        }
        PutU16(out, 0);
        PutU16(out, 0);
    }
    return out;
}

ArtFileBuilder::ArtFileBuilder(std::int32_t entryCount) : index_(static_cast<std::size_t>(entryCount)) {}

void ArtFileBuilder::SetLand(std::int32_t entry, const LandColours& colours) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(Decode_Mul::kLandImageSize);
    for (std::uint16_t c : colours) PutU16(bytes, c);
    SetRawImage(entry, bytes);
}

void ArtFileBuilder::SetItem(std::int32_t itemNumber, const ItemGrid& grid) {
    SetRawImage(Decode_Mul::kItemArtBase + itemNumber, EncodeItemImage(grid));
}

void ArtFileBuilder::SetRawImage(std::int32_t entry, const std::vector<std::uint8_t>& bytes) {
    SetIndexEntry(entry, {static_cast<std::int32_t>(art_.size()), static_cast<std::int32_t>(bytes.size()), 0});
    art_.insert(art_.end(), bytes.begin(), bytes.end());
}

void ArtFileBuilder::SetIndexEntry(std::int32_t entry, const Decode_Mul::ArtIndexEntry& fields) {
    const auto n = static_cast<std::size_t>(entry);
    if (n >= index_.size()) index_.resize(n + 1);
    index_[n] = fields;
}

std::optional<std::vector<std::uint8_t>> ArtFileBuilder::Image(std::int32_t entry) const {
    if (entry < 0 || entry >= entryCount()) return std::nullopt;
    const Decode_Mul::ArtIndexEntry& e = index_[static_cast<std::size_t>(entry)];
    if (e.Lookup < 0 || e.Length < 0 || static_cast<std::size_t>(e.Lookup) > art_.size()) return std::nullopt;
    const auto begin = art_.begin() + e.Lookup;
    const auto length = std::min<std::size_t>(static_cast<std::size_t>(e.Length), art_.size() - static_cast<std::size_t>(e.Lookup));
    return std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(length));
}

std::vector<std::uint8_t> ArtFileBuilder::IndexBytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(index_.size() * Decode_Mul::kArtIndexEntrySize);
    for (const auto& e : index_) {
        PutU32(out, static_cast<std::uint32_t>(e.Lookup));
        PutU32(out, static_cast<std::uint32_t>(e.Length));
        PutU32(out, static_cast<std::uint32_t>(e.Extra));
    }
    return out;
}

Status ArtFileBuilder::WriteTo(const std::string& folder, const std::string& indexName,
                               const std::string& artName) const {
    if (Status index = WriteWholeFile(folder + indexName, IndexBytes()); !index) return index;
    return WriteWholeFile(folder + artName, art_);
}

std::vector<PaintedPoint> ExpectedLandPicture(const LandColours& colours) {
    std::vector<PaintedPoint> points;
    points.reserve(colours.size());
    std::size_t k = 0;
    for (int y = 0; y < Decode_Mul::kLandImageSide; ++y) {
        const bool upper = y < 22;
        const int firstX = upper ? 21 - y : y - 22;
        const int count = upper ? 2 * (y + 1) : 2 * (44 - y);
        for (int x = firstX; x < firstX + count; ++x)
            points.push_back({x, y, Decode_Mul::Color555ToRgb(colours[k++])});
    }
    return points;
}

std::vector<PaintedPoint> ExpectedItemPicture(const ItemGrid& grid) {
    std::vector<PaintedPoint> points;
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (const auto& c = grid.at(x, y)) points.push_back({x, y, Decode_Mul::Color555ToRgb(*c)});
    return points;
}

}  // namespace tilewright::sample
