#include "tiledatabuilder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "bytes.h"
#include "sampleart.h"
#include "samplehash.h"
#include "gamefile.h"
#include "platformfile.h"

namespace tilewright::sample {
namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "grass", "dirt", "stone wall", "wooden door", "sand", "water", "lava", "cobblestones",
    "torch", "barrel", "chest", "crate", "long sword", "plate helm", "bookcase", "forge",
};

std::uint32_t SampleFlags(std::uint32_t h) {
    switch (h % 8) {
        case 0: return 0;
        case 1: return 0x80000000u;
        case 2: return 0xFFFFFFFFu;
        default: return SampleHash(h) & SampleHash(h + 1);  // a sparse mix of bits
    }
}

TileName SampleName(int n, std::uint32_t h, const char* kind) {
    switch (h % 10) {
        case 0: return TileName{};  // unnamed
        case 1: return MakeName("ABCDEFGHIJKLMNOPQRST");  // fills all 20 bytes
        case 2: return MakeName("caf\xE9 na\xEFve \xC6ther");  // bytes above 127
        case 3: {  // a name followed by left-over bytes after its terminator
            TileName name = MakeName("ABC");
            name[4] = 'x';
            name[5] = 0xFF;
            return name;
        }
        default: return MakeName(std::string(kWords[h % kWords.size()]) + " " + kind + std::to_string(n));
    }
}

// The upper half of a 64-bit flag word, from its own hash so that it varies
// independently of the lower half; nothing for 32-bit layouts.
std::uint64_t HighFlags(std::uint32_t h, const TileDataLayout& layout) {
    if (layout.FlagBits() == 32) return 0;
    return std::uint64_t{SampleFlags(SampleHash(h ^ 0x5BD1E995u))} << 32;
}

std::size_t Offset(const TileDataLayout& layout, TileKind kind, int n) {
    return static_cast<std::size_t>(*layout.RecordPosition(kind, n)) - 1;
}

}  // namespace

TileDataBuilder::TileDataBuilder(const TileDataLayout& layout)
    : layout_(layout), bytes_(static_cast<std::size_t>(layout.FileSize()), 0) {}

std::size_t LandRecordOffset(int n) { return Offset(kClassicLayout, TileKind::Land, n); }

std::size_t ItemRecordOffset(int n) { return Offset(kClassicLayout, TileKind::Item, n); }

void TileDataBuilder::Set(const TileRow& row) {
    EncodeTileRow(layout_, row, std::span(bytes_).subspan(Offset(layout_, row.kind, row.id)));
}

void TileDataBuilder::SetLandBlockHeader(int block, std::uint32_t header) {
    const std::size_t at = static_cast<std::size_t>(block) * layout_.BlockSize(TileKind::Land);
    WriteU32LE(std::span(bytes_).subspan(at).first<4>(), header);
}

void TileDataBuilder::SetItemBlockHeader(int block, std::uint32_t header) {
    const std::size_t at = layout_.itemSectionStart + static_cast<std::size_t>(block) * layout_.BlockSize(TileKind::Item);
    WriteU32LE(std::span(bytes_).subspan(at).first<4>(), header);
}

TileRow LandRow(int n, std::uint64_t flags, std::int32_t texture, const TileName& name) {
    TileRow row{TileKind::Land, n, flags};
    row.value("texture") = texture;
    row.name = name;
    return row;
}

TileName MakeName(std::string_view latin1) {
    TileName name{};
    std::copy_n(latin1.begin(), std::min(latin1.size(), kNameSize), name.begin());
    return name;
}

TileRow SampleLandRecord(int n, const TileDataLayout& layout) {
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(n));
    TileRow r{TileKind::Land, n};
    r.flags = SampleFlags(h) | HighFlags(h, layout);
    // Mostly the tile's own picture; now and then another one, a picture
    // number without an image or a negative number.
    switch (h % 16) {
        case 0: r.value("texture") = -1 - static_cast<int>(h % 100); break;
        case 1: r.value("texture") = (n + 1) % kLandRecordCount; break;
        default: r.value("texture") = static_cast<std::int16_t>(n);
    }
    r.name = SampleName(n, h >> 8, "land ");
    return r;
}

TileRow SampleItemRecord(int n, const TileDataLayout& layout) {
    if (n >= kSampleFreeItems && n < 16384) return TileRow{TileKind::Item, n};
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(n) + 0x9E3779B9u);
    const std::uint32_t v = SampleHash(h);
    TileRow r{TileKind::Item, n};
    r.flags = SampleFlags(h) | HighFlags(h, layout);
    const bool extremes = h % 7 == 0;
    r.value("weight") = extremes ? 255 : static_cast<std::uint8_t>(v % 60);
    r.value("quality") = static_cast<std::uint8_t>(v >> 8);
    r.value("unknown1") = extremes ? -1 : static_cast<std::int16_t>(v % 16384);
    r.value("unknown2") = static_cast<std::uint8_t>(v >> 16);
    r.value("quantity") = static_cast<std::uint8_t>(v >> 24);
    r.value("animation") = extremes ? -32768 : static_cast<std::int16_t>((v >> 4) % 16384);
    r.value("unknown3") = static_cast<std::uint8_t>(h >> 4);
    r.value("hue") = static_cast<std::uint8_t>(h >> 12);
    r.value("unknown4") = static_cast<std::uint8_t>(h >> 20);
    r.value("unknown5") = extremes ? 255 : 0;
    r.value("height") = static_cast<std::uint8_t>(h % 21);
    r.name = SampleName(n, h >> 8, "item ");
    return r;
}

std::uint32_t SampleBlockHeader(int section, int block) {
    return SampleHash(static_cast<std::uint32_t>(section * 1000 + block)) | 1u;  // never zero
}

std::vector<std::uint8_t> BuildSampleTileData(const TileDataLayout& layout) {
    TileDataBuilder builder(layout);
    const int landCount = layout.RecordCount(TileKind::Land), itemCount = layout.RecordCount(TileKind::Item);
    for (int block = 0; block < landCount / static_cast<int>(kRecordsPerBlock); ++block)
        builder.SetLandBlockHeader(block, SampleBlockHeader(0, block));
    for (int block = 0; block < itemCount / static_cast<int>(kRecordsPerBlock); ++block)
        builder.SetItemBlockHeader(block, SampleBlockHeader(1, block));
    for (int n = 0; n < landCount; ++n) builder.Set(SampleLandRecord(n, layout));
    // A classic file's item 16383 is never listed by the editor but is in the file all the same.
    for (int n = 0; n < itemCount; ++n) builder.Set(SampleItemRecord(n, layout));
    return builder.bytes();
}

Status WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path) + ": " + std::strerror(errno) + "."};
    return {};
}

}  // namespace tilewright::sample
