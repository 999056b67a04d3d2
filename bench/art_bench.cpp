// How long the art painters take, from files on disk as the editor reads
// them, with a surface that only counts: the cost of the reads and the
// decoding, not of any drawing.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "decode_mul.h"
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

// The sample art, written once for all benchmarks into a folder removed at exit.
class SampleFolder {
public:
    SampleFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-art-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        path_ = dir_.string() + "/";
        if (!sample::WriteSampleArt(path_)) throw std::runtime_error("cannot write the sample art");
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
    static const SampleFolder folder;
    return folder.path();
}

void Report(benchmark::State& state, const CountingSurface& surface) {
    benchmark::DoNotOptimize(surface.sum);
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(surface.count) / state.iterations());
}

void BM_DrawLandArt(benchmark::State& state) {
    const std::string& folder = Folder();
    CountingSurface surface;
    for (auto _ : state) Decode_Mul::DrawLandArt(surface, 1, folder);
    Report(state, surface);
}
BENCHMARK(BM_DrawLandArt)->Unit(benchmark::kMicrosecond);

// A typical item (about 40 x 40) and the largest one (256 x 256).
void BM_DrawItemArt(benchmark::State& state) {
    const std::string& folder = Folder();
    const auto item = static_cast<std::int32_t>(state.range(0));
    CountingSurface surface;
    for (auto _ : state) Decode_Mul::DrawItemArt(surface, item, folder);
    Report(state, surface);
}
BENCHMARK(BM_DrawItemArt)->Arg(1)->Arg(sample::kSampleLargeItem)->Unit(benchmark::kMicrosecond);

void BM_DrawEveryEntry(benchmark::State& state) {
    const std::string& folder = Folder();
    CountingSurface surface;
    for (auto _ : state) {
        for (std::int32_t e = 0; e < sample::kSampleLandCount; ++e) Decode_Mul::DrawLandArt(surface, e, folder);
        for (std::int32_t n = 0; n < sample::kSampleItemCount; ++n) Decode_Mul::DrawItemArt(surface, n, folder);
    }
    Report(state, surface);
}
BENCHMARK(BM_DrawEveryEntry)->Unit(benchmark::kMillisecond);

}  // namespace
