// Fuzzes the reading of CSV and JSON tables of edits. The first byte picks
// the file the edits are for (bit 0: 32-bit or 64-bit flags, each with the
// whole land section and two item blocks) and how the table is read (bit 1:
// in the Windows code page, bit 2: restoring); the rest is the table. A table that is
// read must apply without touching any byte outside the records it changes,
// and each changed record must differ from what it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "editreader.h"
#include "tiledatafile.h"

namespace {

using namespace tilewright;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "edits fuzzer: %s\n", what);
    std::abort();
}

TileDataFile SmallFile(const TileDataLayout& layout) {
    std::vector<std::uint8_t> bytes(layout.itemSectionStart + 2 * layout.BlockSize(TileKind::Item));
    std::uint32_t x = 0x9E3779B9u;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x);
    }
    return TileDataFile::FromBytes("TileData.mul", std::move(bytes));
}

void CheckApplied(const TileDataFile& file, const AppliedEdits& applied) {
    const auto original = file.bytes();
    if (applied.bytes.size() != original.size()) Fail("the file changed size");
    std::vector<bool> inRecord(original.size(), false);
    for (std::size_t i = 0; i < applied.before.size(); ++i) {
        if (applied.before[i] == applied.after[i]) Fail("an unchanged record counted as changed");
        const TileKind kind = applied.before[i].kind;
        const std::size_t offset = file.RecordOffset(kind, applied.before[i].id);
        for (std::size_t k = 0; k < file.layout().RecordSize(kind); ++k) inRecord[offset + k] = true;
    }
    for (std::size_t k = 0; k < original.size(); ++k)
        if (!inRecord[k] && applied.bytes[k] != original[k]) Fail("a byte outside the changed records changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TileDataFile narrow = SmallFile(kClassicLayout);
    static const TileDataFile wide = SmallFile(kWideFlagLayout);
    if (size == 0) return 0;
    const TileDataFile& file = data[0] & 1 ? wide : narrow;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const EditReading reading{data[0] & 2 ? TableEncoding::Windows1252 : TableEncoding::Utf8, (data[0] & 4) != 0};
    auto edits = ReadTileEdits(text, "edits", file, reading);
    if (!edits) {
        if (!edits.error().message.starts_with("edits:")) Fail("a refusal that does not name the input");
        return 0;
    }
    CheckApplied(file, ApplyTileEdits(file, *edits));
    return 0;
}
