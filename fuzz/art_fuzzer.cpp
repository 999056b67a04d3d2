// Fuzzes the art painters. An input is a 4-byte little-endian Lookup and a
// byte that picks the read window's first read size, then the bytes of
// art.mul. The image at Lookup is painted from memory and, through a
// one-entry artidx.mul and that art.mul on disk, by DrawLandArt and
// DrawItemArt and by a read window with the chosen first read; every way must
// paint exactly the same calls, and every call must lie where the format can
// put a pixel.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "artimage.h"
#include "bytes.h"
#include "decode_mul.h"
#include "fuzzfolder.h"

namespace {

using namespace tilewright;
using namespace tilewright::Decode_Mul;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "art fuzzer: %s\n", what);
    std::abort();
}

using Bounds = bool (*)(int x, int y);

// Counts and hashes the calls and checks each point against `allowed`.
class CheckingSurface final : public PixelSurface {
public:
    explicit CheckingSurface(Bounds allowed) : allowed_(allowed) {}
    void SetPixel(int x, int y, std::uint32_t colour) override {
        if (!allowed_(x, y)) Fail("pixel outside the image's bounds");
        if (colour > 0xFFFFFF) Fail("colour with bits above 23");
        ++count;
        for (std::uint64_t v : {std::uint64_t(std::uint32_t(x)), std::uint64_t(std::uint32_t(y)), std::uint64_t{colour}})
            hash = (hash ^ v) * 0x100000001B3ull;
    }
    std::uint64_t count = 0;
    std::uint64_t hash = 0xCBF29CE484222325ull;

private:
    Bounds allowed_;
};

bool InLandDiamond(int x, int y) {
    if (y < 0 || y >= kLandImageSide) return false;
    const int half = y < 22 ? y : 43 - y;
    return x >= 21 - half && x <= 22 + half;
}

bool InItemRange(int x, int y) { return y >= 0 && y < 32767 && x >= -32768 && x <= kItemMaxX; }

void Same(const CheckingSurface& a, const CheckingSurface& b, const char* what) {
    if (a.count != b.count || a.hash != b.hash) Fail(what);
}

// A folder of this process for the two files, on tmpfs when there is one:
// every input rewrites them.
const std::string& Folder() {
    static const fuzzing::FuzzFolder folder("tilewright-art-fuzz");
    return folder.path();
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) Fail("cannot write the fuzz files");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const std::span<const std::uint8_t> input(data, size);
    const std::int32_t lookup = ReadI32LE(input.first<4>());
    const std::size_t firstRead = 1 + input[4] % 64;
    const auto art = input.subspan(5);

    CheckingSurface memoryLand(InLandDiamond), memoryItem(InItemRange);
    if (lookup >= 0 && static_cast<std::uint64_t>(lookup) < art.size()) {
        const auto image = art.subspan(static_cast<std::size_t>(lookup));
        PaintLandImage(memoryLand, image);
        PaintItemImage(memoryItem, image);
    }

    std::uint8_t index[kArtIndexEntrySize] = {};
    WriteU32LE(std::span(index).first<4>(), static_cast<std::uint32_t>(lookup));
    WriteFile(Folder() + kArtIndexFileName, index);
    WriteFile(Folder() + kArtFileName, art);

    CheckingSurface fileLand(InLandDiamond), fileItem(InItemRange), windowItem(InItemRange);
    static_cast<void>(DrawLandArt(fileLand, 0, Folder()));
    static_cast<void>(DrawItemArt(fileItem, -kItemArtBase, Folder()));  // item -16384 is entry 0
    if (const auto image = OpenArtImage(0, Folder())) {
        ArtFileWindow window(*image, firstRead);
        PaintItemImage(windowItem, window);
    }

    Same(memoryLand, fileLand, "land painted differently from memory and from the files");
    Same(memoryItem, fileItem, "item painted differently from memory and from the files");
    Same(memoryItem, windowItem, "item painted differently through a small first read");
    if (memoryLand.count != 0 && memoryLand.count != kLandImagePixels) Fail("part of a land image painted");
    return 0;
}
