// Exporting every entry of the sample art as PNG files, on one core and on
// all of them, and where the time of one core goes: painting into the RGBA
// picture (file reads included), encoding the PNG, and the rest (writing).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "artexport.h"
#include "pngencoder.h"
#include "sampleart.h"

namespace {

using namespace tilewright;
using Clock = std::chrono::steady_clock;

// The sample art and a folder for the pictures, removed at exit.
class Folders {
public:
    Folders() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-export-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        art_ = dir_.string() + "/art/";
        out_ = dir_.string() + "/pictures";
        std::filesystem::create_directories(art_);
        if (!sample::WriteSampleArt(art_)) throw std::runtime_error("cannot write the sample art");
    }
    ~Folders() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& art() const { return art_; }
    const std::string& out() const { return out_; }

private:
    std::filesystem::path dir_;
    std::string art_, out_;
};

const Folders& TheFolders() {
    static const Folders folders;
    return folders;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// One core, no files written: the share of painting and of the encoder.
void BM_PaintAndEncodeEveryEntry(benchmark::State& state) {
    const std::string& art = TheFolders().art();
    double paint = 0, encode = 0, pictures = 0, bytes = 0;
    for (auto _ : state) {
        for (TileKind kind : {TileKind::Land, TileKind::Item}) {
            const std::int32_t count = kind == TileKind::Land ? sample::kSampleLandCount : sample::kSampleItemCount;
            for (std::int32_t id = 0; id < count; ++id) {
                const auto t0 = Clock::now();
                const auto picture = Decode_Mul::RenderArt(kind, id, art);
                const auto t1 = Clock::now();
                paint += Seconds(t1 - t0);
                if (!picture) continue;
                const auto png = EncodePng(*picture);
                encode += Seconds(Clock::now() - t1);
                if (!png) state.SkipWithError(png.error().message.c_str());
                ++pictures;
                bytes += static_cast<double>(png->size());
            }
        }
    }
    using benchmark::Counter;
    state.counters["paint_s"] = Counter(paint, Counter::kAvgIterations);
    state.counters["encode_s"] = Counter(encode, Counter::kAvgIterations);
    state.counters["pictures"] = Counter(pictures, Counter::kAvgIterations);
    state.counters["png_bytes"] = Counter(bytes, Counter::kAvgIterations);
}
BENCHMARK(BM_PaintAndEncodeEveryEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole export, files written, on `threads` threads (0: every core).
void BM_ExportEveryEntry(benchmark::State& state) {
    const auto& folders = TheFolders();
    ArtExportOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        // Into a new folder each time, as a first export would write.
        state.PauseTiming();
        std::filesystem::remove_all(folders.out());
        state.ResumeTiming();
        const auto summary = ExportAllArt(folders.art(), folders.out(), options);
        if (!summary) state.SkipWithError(summary.error().message.c_str());
    }
    state.counters["threads"] = options.threads ? options.threads : std::thread::hardware_concurrency();
}
BENCHMARK(BM_ExportEveryEntry)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
