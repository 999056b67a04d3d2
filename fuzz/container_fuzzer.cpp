// Fuzzes the art container reader: an input is the whole of artLegacyMUL.uop.
// Its table is read from memory and the first land and item entries it names
// are inflated and painted; the same bytes as a file, read through the kept
// table, must paint exactly the same calls, and a container found broken must
// be told. (Which of a folder's files is read is left to the tests: a
// directory scan per input would slow the fuzzer tenfold.)
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <utility>

#include "artimage.h"
#include "containertable.h"
#include "decode_mul.h"
#include "fuzzfolder.h"

namespace {

using namespace tilewright;
using namespace tilewright::Decode_Mul;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "container fuzzer: %s\n", what);
    std::abort();
}

// Counts and hashes the calls.
class HashingSurface final : public PixelSurface {
public:
    void SetPixel(int x, int y, std::uint32_t colour) override {
        if (colour > 0xFFFFFF) Fail("colour with bits above 23");
        ++count;
        for (std::uint64_t v : {std::uint64_t(std::uint32_t(x)), std::uint64_t(std::uint32_t(y)), std::uint64_t{colour}})
            hash = (hash ^ v) * 0x100000001B3ull;
    }
    bool operator==(const HashingSurface& other) const { return count == other.count && hash == other.hash; }
    std::uint64_t count = 0;
    std::uint64_t hash = 0xCBF29CE484222325ull;
};

// A folder of this process on tmpfs when there is one. Every input is a new
// file (a new inode), so the kept table of the last input never answers.
const std::string& Folder() {
    static const fuzzing::FuzzFolder folder("tilewright-container-fuzz");
    return folder.path();
}

// Plain system calls: a stream's buffer would cost more than the rest of a run.
void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) Fail("cannot create the fuzz file");
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) Fail("cannot write the fuzz file");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

constexpr std::int32_t kEntries[] = {0, 1, 2, 3, kItemArtBase, kItemArtBase + 1, kItemArtBase + 2, kItemArtBase + 3};

void PaintEntry(HashingSurface& surface, std::int32_t entry, std::span<const std::uint8_t> image) {
    if (entry < kItemArtBase)
        PaintLandImage(surface, image);
    else
        PaintItemImage(surface, image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const MemoryContainerBytes memory(input);
    const auto table = ContainerTable::Read(memory, "fuzz.uop");

    HashingSurface memoryPainted[std::size(kEntries)];
    bool found[std::size(kEntries)] = {};
    if (table) {
        for (std::size_t i = 0; i < std::size(kEntries); ++i) {
            const auto entry = table->Find(kEntries[i]);
            if (!entry) continue;
            found[i] = true;
            if (entry->storedSize > kContainerEntryLimit || entry->size > kContainerEntryLimit) Fail("entry over the limit");
            const auto image = ReadContainerEntry(memory, *entry);
            if (!image) continue;
            if (image->size() != entry->size) Fail("entry inflated to another size");
            PaintEntry(memoryPainted[i], kEntries[i], *image);
        }
    }

    // The same through a file and the kept table, for the entries the table
    // holds and one it does not.
    const std::string path = Folder() + kArtContainerFileName;
    WriteNewFile(path, input);
    bool absentTried = false;
    int told = 0;
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        if (!found[i] && std::exchange(absentTried, true)) continue;
        HashingSurface filePainted;
        const auto image = ReadContainerImage(path, kEntries[i]);
        told += !image.ok();
        if (image && *image) PaintEntry(filePainted, kEntries[i], **image);
        if (!(filePainted == memoryPainted[i])) Fail("painted differently from memory and from the file");
    }
    if (told != (table.ok() ? 0 : 1)) Fail("a broken container not told once, or a good one told");
    return 0;
}
