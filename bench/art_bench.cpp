// How long the art painters take, from files on disk as the editor reads
// them (artidx.mul and art.mul, or artLegacyMUL.uop), with a surface that only
// counts: the cost of the reads and the decoding, not of any drawing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "decode_mul.h"
#include "artcontainerbuilder.h"
#include "sampleart.h"

namespace {

using namespace tilewright;

class CountingSurface final : public Decode_Mul::PixelSurface {
public:
    void SetPixel(int x, int y, std::uint32_t colour) override {
        ++count;
        sum += static_cast<std::uint64_t>(x) + static_cast<std::uint64_t>(y) + colour;
    }
    std::uint64_t count = 0;
    std::uint64_t sum = 0;
};

// 80,000 entries, as many as a game's container holds: the sample art, then
// a tiny item to fill up; odd entries compressed, even ones stored.
sample::ArtContainerBuilder LargeContainer() {
    const sample::ArtFileBuilder art = sample::BuildSampleArt();
    const std::vector<std::uint8_t> tiny = sample::EncodeItemImage(*sample::SampleItemImage(500));
    sample::ArtContainerBuilder container;
    for (std::int32_t e = 0; e < 80000; ++e)
        container.Add(e, art.Image(e).value_or(tiny), {e % 2 == 1, 0});
    return container;
}

// The sample art, written once for all benchmarks into a folder removed at exit.
class SampleFolder {
public:
    explicit SampleFolder(bool container) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-art-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        path_ = dir_.string() + "/";
        const Status written = container ? LargeContainer().WriteTo(path_) : sample::WriteSampleArt(path_);
        if (!written) throw std::runtime_error("cannot write the sample art");
    }
    ~SampleFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::filesystem::path dir_;
    std::string path_;
};

const std::string& Folder() {
    static const SampleFolder folder(false);
    return folder.path();
}

const std::string& ContainerFolder() {
    static const SampleFolder folder(true);
    return folder.path();
}

void Report(benchmark::State& state, const CountingSurface& surface) {
    benchmark::DoNotOptimize(surface.sum);
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(surface.count) / state.iterations());
}

void BM_DrawLandArt(benchmark::State& state) {
    const std::string& folder = Folder();
    const auto entry = static_cast<std::int32_t>(state.range(0));
    CountingSurface surface;
    for (auto _ : state) benchmark::DoNotOptimize(Decode_Mul::DrawLandArt(surface, entry, folder));
    Report(state, surface);
}
BENCHMARK(BM_DrawLandArt)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A typical item (about 40 x 40) and the largest one (256 x 256).
void BM_DrawItemArt(benchmark::State& state) {
    const std::string& folder = Folder();
    const auto item = static_cast<std::int32_t>(state.range(0));
    CountingSurface surface;
    for (auto _ : state) benchmark::DoNotOptimize(Decode_Mul::DrawItemArt(surface, item, folder));
    Report(state, surface);
}
BENCHMARK(BM_DrawItemArt)->Arg(1)->Arg(2)->Arg(sample::kSampleLargeItem)->Unit(benchmark::kMicrosecond);

// The first picture from the container: its table of 80,000 entries is read
// (a new modification time makes the kept one stale), then the picture.
void BM_ContainerFirstPicture(benchmark::State& state) {
    const std::string path = ContainerFolder() + Decode_Mul::kArtContainerFileName;
    CountingSurface surface;
    struct timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000, 0}};
    for (auto _ : state) {
        state.PauseTiming();
        ++times[1].tv_sec;
        if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) state.SkipWithError("cannot touch the container");
        state.ResumeTiming();
        static_cast<void>(Decode_Mul::DrawLandArt(surface, 1, ContainerFolder()));
    }
    Report(state, surface);
}
BENCHMARK(BM_ContainerFirstPicture)->Unit(benchmark::kMillisecond);

// Later pictures, the table kept: land 1 and item 1 compressed, land 2 and
// item 2 stored, the large item compressed; compare BM_DrawLandArt and BM_DrawItemArt.
void BM_ContainerLandArt(benchmark::State& state) {
    const auto entry = static_cast<std::int32_t>(state.range(0));
    CountingSurface warmUp, surface;
    static_cast<void>(Decode_Mul::DrawLandArt(warmUp, entry, ContainerFolder()));
    for (auto _ : state) benchmark::DoNotOptimize(Decode_Mul::DrawLandArt(surface, entry, ContainerFolder()));
    Report(state, surface);
}
BENCHMARK(BM_ContainerLandArt)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ContainerItemArt(benchmark::State& state) {
    const auto item = static_cast<std::int32_t>(state.range(0));
    CountingSurface warmUp, surface;
    static_cast<void>(Decode_Mul::DrawItemArt(warmUp, item, ContainerFolder()));
    for (auto _ : state) benchmark::DoNotOptimize(Decode_Mul::DrawItemArt(surface, item, ContainerFolder()));
    Report(state, surface);
}
BENCHMARK(BM_ContainerItemArt)->Arg(1)->Arg(2)->Arg(sample::kSampleLargeItem)->Unit(benchmark::kMicrosecond);

void BM_DrawEveryEntry(benchmark::State& state) {
    const std::string& folder = Folder();
    CountingSurface surface;
    for (auto _ : state) {
        for (std::int32_t e = 0; e < sample::kSampleLandCount; ++e) benchmark::DoNotOptimize(Decode_Mul::DrawLandArt(surface, e, folder));
        for (std::int32_t n = 0; n < sample::kSampleItemCount; ++n) benchmark::DoNotOptimize(Decode_Mul::DrawItemArt(surface, n, folder));
    }
    Report(state, surface);
}
BENCHMARK(BM_DrawEveryEntry)->Unit(benchmark::kMillisecond);

}  // namespace
