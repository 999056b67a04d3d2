// Putting pictures into the art files, against the speed goals: one put into
// a .mul pair whose art.mul is 100 MB and whose index has 81,920 entries (an
// append and a 1 MB index written, <= 50 ms); putting a folder of 10,000 item
// pictures of 44 x 80 as art-put --from does (<= 2 s on 2 cores); one put
// into a 100 MB container, written anew (<= 1 s). Times are wall-clock: the
// writes and their flushes to disk are the point.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "artcontainerbuilder.h"
#include "artput.h"
#include "artwriter.h"
#include "pngencoder.h"
#include "tiledatabuilder.h"

namespace {

using namespace tilewright;
using Decode_Mul::ImagePut;

constexpr std::uint64_t kHundredMegabytes = 100'000'000;
constexpr std::int32_t kIndexEntries = 81920;

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-artwrite-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string path() const { return dir_.string() + "/"; }

private:
    std::filesystem::path dir_;
};

void Check(const Status& status) {
    if (!status) throw std::runtime_error(status.error().message);
}

// A 44 x 80 item picture: a filled shape with transparent corners, varied colours.
Decode_Mul::RgbaImage ItemPicture(int seed) {
    Decode_Mul::RgbaImage picture{44, 80, std::vector<std::uint8_t>(44 * 80 * 4, 0)};
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 44; ++x) {
            if ((x - 22) * (x - 22) * 4 + (y - 40) * (y - 40) > 1900) continue;
            std::uint8_t* p = &picture.rgba[4 * static_cast<std::size_t>(y * 44 + x)];
            p[0] = static_cast<std::uint8_t>(x * 5 + seed), p[1] = static_cast<std::uint8_t>(y * 3), p[2] = static_cast<std::uint8_t>(seed * 7);
            p[3] = 255;
        }
    return picture;
}

std::vector<std::uint8_t> ItemImage(int seed) {
    return Decode_Mul::EncodeItemImage(ItemPicture(seed), "bench.png").value().bytes;
}

void BM_PutIntoMulPair(benchmark::State& state) {
    TempDir dir;
    sample::ArtFileBuilder art(kIndexEntries);
    Check(art.WriteTo(dir.path()));
    std::filesystem::resize_file(dir.path() + "art.mul", kHundredMegabytes);
    {  // real bytes, not a hole
        std::ofstream fill(dir.path() + "art.mul", std::ios::binary | std::ios::in | std::ios::out);
        const std::vector<char> block(1 << 20, '\x5A');
        for (std::uint64_t at = 0; at < kHundredMegabytes; at += block.size())
            fill.write(block.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(block.size(), kHundredMegabytes - at)));
    }
    const ImagePut put{Decode_Mul::kItemArtBase + 1234, ItemImage(1)};
    for (auto _ : state) Check(Decode_Mul::PutArtImages(dir.path(), std::span(&put, 1)));
    state.counters["art.mul MB"] = static_cast<double>(std::filesystem::file_size(dir.path() + "art.mul")) / 1e6;
}
BENCHMARK(BM_PutIntoMulPair)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PutFromFolderOf10000Items(benchmark::State& state) {
    TempDir dir;
    const std::string pictures = dir.path() + "pictures/";
    std::filesystem::create_directories(pictures);
    for (int n = 0; n < 10000; ++n) {
        const auto png = EncodePng(ItemPicture(n % 97)).value();
        char name[32];
        std::snprintf(name, sizeof name, "item-%05d.png", n);
        std::ofstream(pictures + name, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
    Check(sample::ArtFileBuilder(kIndexEntries).WriteTo(dir.path()));
    for (auto _ : state) {
        // What art-put FOLDER --from DIR does.
        const auto files = Decode_Mul::PictureFilesIn(pictures);
        const auto batch = Decode_Mul::ReadPictures(files.value());
        Check(Decode_Mul::PutArtImages(dir.path(), batch.value().puts));
    }
}
BENCHMARK(BM_PutFromFolderOf10000Items)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PutIntoContainer(benchmark::State& state) {
    TempDir dir;
    sample::ArtContainerBuilder container;
    // 81,920 entries of about 1,220 bytes: a 100 MB container.
    const std::vector<std::uint8_t> image(kHundredMegabytes / kIndexEntries - 34, 0x33);
    for (std::int32_t e = 0; e < kIndexEntries; ++e) container.Add(e, image);
    Check(container.WriteTo(dir.path()));
    const ImagePut put{Decode_Mul::kItemArtBase + 1234, ItemImage(2)};
    for (auto _ : state) Check(Decode_Mul::PutArtImages(dir.path(), std::span(&put, 1)));
    state.counters["container MB"] =
        static_cast<double>(std::filesystem::file_size(dir.path() + Decode_Mul::kArtContainerFileName)) / 1e6;
}
BENCHMARK(BM_PutIntoContainer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
