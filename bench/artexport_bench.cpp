// Exporting every entry of the sample art as PNG files, on one core and on
// all of them, and where the time of one core goes: painting into the RGBA
// picture (file reads included), encoding the PNG, and the rest (writing).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "artexport.h"
#include "pngencoder.h"
#include "sampleart.h"

namespace {

using namespace tilewright;

// CPU time of the calling thread, so that other work on the machine does not count.
double ThreadSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The sample art and a folder for the pictures, removed at exit.
class Folders {
public:
    Folders() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-export-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        art_ = dir_.string() + "/art/";
        out_ = dir_.string() + "/pictures-";
        std::filesystem::create_directories(art_);
        if (!sample::WriteSampleArt(art_)) throw std::runtime_error("cannot write the sample art");
    }
    ~Folders() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& art() const { return art_; }
    std::string NewOut() { return out_ + std::to_string(++outs_); }

private:
    std::filesystem::path dir_;
    std::string art_, out_;
    int outs_ = 0;
};

Folders& TheFolders() {
    static Folders folders;
    return folders;
}

// One core, no files written: the CPU time of painting (file reads included)
// and of the encoder, against which the export's time gives the encoder's share.
void BM_PaintAndEncodeEveryEntry(benchmark::State& state) {
    const std::string& art = TheFolders().art();
    double paint = 0, encode = 0, pictures = 0, bytes = 0;
    for (auto _ : state) {
        for (TileKind kind : {TileKind::Land, TileKind::Item}) {
            const std::int32_t count = kind == TileKind::Land ? sample::kSampleLandCount : sample::kSampleItemCount;
            for (std::int32_t id = 0; id < count; ++id) {
                const double t0 = ThreadSeconds();
                const auto picture = Decode_Mul::RenderArt(kind, id, art);
                const double t1 = ThreadSeconds();
                paint += t1 - t0;
                if (!picture) continue;
                const auto png = EncodePng(*picture);
                encode += ThreadSeconds() - t1;
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
    auto& folders = TheFolders();
    ArtExportOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        // Into a new folder each time, as a first export writes. The folders
        // stay until the end: ext4 takes much longer to find inodes for new
        // files right after as many were deleted.
        const auto summary = ExportAllArt(folders.art(), folders.NewOut(), options);
        if (!summary) state.SkipWithError(summary.error().message.c_str());
    }
    state.counters["threads"] = options.threads ? options.threads : std::thread::hardware_concurrency();
}
// "CPU" is the whole process's: with no other load it is about the wall time
// times the threads kept busy.
BENCHMARK(BM_ExportEveryEntry)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
