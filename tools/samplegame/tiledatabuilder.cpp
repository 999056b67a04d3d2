#include "tiledatabuilder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "bytes.h"
#include "samplehash.h"
#include "gamefile.h"

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

}  // namespace

TileDataBuilder::TileDataBuilder() : bytes_(kTileDataFileSize, 0) {}

std::size_t LandRecordOffset(int n) {
    return static_cast<std::size_t>(n / 32 + 1) * kBlockHeaderSize + static_cast<std::size_t>(n) * kLandRecordSize;
}

std::size_t ItemRecordOffset(int n) {
    return ItemSectionOffset + static_cast<std::size_t>(n / 32 + 1) * kBlockHeaderSize +
           static_cast<std::size_t>(n) * kItemRecordSize;
}

void TileDataBuilder::SetLand(int n, const LandTileRecord& record) {
    const auto b = EncodeLandRecord(record);
    std::copy(b.begin(), b.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(LandRecordOffset(n)));
}

void TileDataBuilder::SetItem(int n, const ItemTileRecord& record) {
    const auto b = EncodeItemRecord(record);
    std::copy(b.begin(), b.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(ItemRecordOffset(n)));
}

void TileDataBuilder::SetLandBlockHeader(int block, std::uint32_t header) {
    WriteU32LE(std::span(bytes_).subspan(static_cast<std::size_t>(block) * kLandBlockSize).first<4>(), header);
}

void TileDataBuilder::SetItemBlockHeader(int block, std::uint32_t header) {
    WriteU32LE(std::span(bytes_)
                   .subspan(ItemSectionOffset + static_cast<std::size_t>(block) * kItemBlockSize)
                   .first<4>(),
               header);
}

TileName MakeName(std::string_view latin1) {
    TileName name{};
    std::copy_n(latin1.begin(), std::min(latin1.size(), kNameSize), name.begin());
    return name;
}

LandTileRecord SampleLandRecord(int n) {
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(n));
    LandTileRecord r;
    r.Flags = SampleFlags(h);
    // Mostly the tile's own picture; now and then another one, a picture
    // number without an image or a negative number.
    switch (h % 16) {
        case 0: r.TextureId = static_cast<std::int16_t>(-1 - static_cast<int>(h % 100)); break;
        case 1: r.TextureId = static_cast<std::int16_t>((n + 1) % kLandTileCount); break;
        default: r.TextureId = static_cast<std::int16_t>(n);
    }
    r.Name = SampleName(n, h >> 8, "land ");
    return r;
}

ItemTileRecord SampleItemRecord(int n) {
    const std::uint32_t h = SampleHash(static_cast<std::uint32_t>(n) + 0x9E3779B9u);
    const std::uint32_t v = SampleHash(h);
    ItemTileRecord r;
    r.Flags = SampleFlags(h);
    const bool extremes = h % 7 == 0;
    r.Weight = extremes ? 255 : static_cast<std::uint8_t>(v % 60);
    r.Quality = static_cast<std::uint8_t>(v >> 8);
    r.Unknown1 = extremes ? std::int16_t{-1} : static_cast<std::int16_t>(v % 16384);
    r.Unknown2 = static_cast<std::uint8_t>(v >> 16);
    r.Quantity = static_cast<std::uint8_t>(v >> 24);
    r.Animation = extremes ? std::int16_t{-32768} : static_cast<std::int16_t>((v >> 4) % 16384);
    r.Unknown3 = static_cast<std::uint8_t>(h >> 4);
    r.Hue = static_cast<std::uint8_t>(h >> 12);
    r.Unknown4 = static_cast<std::uint8_t>(h >> 20);
    r.Unknown5 = extremes ? 255 : 0;
    r.Height = static_cast<std::uint8_t>(h % 21);
    r.Name = SampleName(n, h >> 8, "item ");
    return r;
}

std::uint32_t SampleBlockHeader(int section, int block) {
    return SampleHash(static_cast<std::uint32_t>(section * 1000 + block)) | 1u;  // never zero
}

std::vector<std::uint8_t> BuildSampleTileData() {
    TileDataBuilder builder;
    for (int block = 0; block < static_cast<int>(kLandBlockCount); ++block)
        builder.SetLandBlockHeader(block, SampleBlockHeader(0, block));
    for (int block = 0; block < static_cast<int>(kItemBlockCount); ++block)
        builder.SetItemBlockHeader(block, SampleBlockHeader(1, block));
    for (int n = 0; n < kLandTileCount; ++n) builder.SetLand(n, SampleLandRecord(n));
    // Item 16383 is never listed by the editor but is in the file all the same.
    for (int n = 0; n < static_cast<int>(kItemBlockCount * kRecordsPerBlock); ++n)
        builder.SetItem(n, SampleItemRecord(n));
    return builder.bytes();
}

Status WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path) + ": " + std::strerror(errno) + "."};
    return {};
}

}  // namespace tilewright::sample
