// Whole-file tables on the 64-bit sample (16384 land and 65536 item
// records): export to CSV, and import of a full CSV (reading, checking and
// applying every row). Throughput is counted in bytes of CSV.
#include <benchmark/benchmark.h>

#include "editreader.h"
#include "tableexport.h"
#include "tiledatabuilder.h"

namespace {

using namespace tilewright;

const TileDataFile& WideSample() {
    static const TileDataFile file =
        TileDataFile::FromBytes("TileData.mul", sample::BuildSampleTileData(kWideFlagLayout));
    return file;
}

void BM_ExportCsv(benchmark::State& state) {
    const TileDataFile& file = WideSample();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = ExportTable(file, KindSelection::All, TableFormat::Csv);
        bytes += csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_ImportFullCsv(benchmark::State& state) {
    const TileDataFile& file = WideSample();
    const std::string csv = ExportTable(file, KindSelection::All, TableFormat::Csv);
    for (auto _ : state) {
        auto edits = ReadTileEdits(csv, "full.csv", file);
        if (!edits) state.SkipWithError(edits.error().message.c_str());
        const AppliedEdits applied = ApplyTileEdits(file, *edits);
        benchmark::DoNotOptimize(applied.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(csv.size() * state.iterations()));
}
BENCHMARK(BM_ImportFullCsv)->Unit(benchmark::kMillisecond);

void BM_ExportJson(benchmark::State& state) {
    const TileDataFile& file = WideSample();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string json = ExportTable(file, KindSelection::All, TableFormat::Json);
        bytes += json.size();
        benchmark::DoNotOptimize(json.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ExportJson)->Unit(benchmark::kMillisecond);

}  // namespace
