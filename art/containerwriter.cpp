// artLegacyMUL.uop written anew: a copy of the file with new entries' bytes
// appended, their records put in free slots of the blocks or in a new block
// linked at the end of the chain, and every other record and byte kept.
#include <zlib.h>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "artwriter.h"
#include "bytes.h"
#include "containertable.h"
#include "filereplacement.h"
#include "gamefile.h"
#include "lookup3.h"

namespace tilewright::Decode_Mul {
namespace {

constexpr std::size_t kFirstBlockField = 12;
constexpr std::size_t kBlockSizeField = 20;
constexpr std::size_t kCountField = 24;
constexpr std::uint32_t kMostRecordsPerNewBlock = 100000;

struct Container {
    std::string path;
    std::vector<std::uint8_t> bytes;
    bool swapped = false;
    std::vector<std::uint64_t> records;  // offsets of every record, in chain order
    std::uint64_t lastBlock = 0;         // 0: the chain is empty

    std::span<std::uint8_t> Record(std::uint64_t at) {
        return std::span(bytes).subspan(static_cast<std::size_t>(at), kContainerEntrySize);
    }
    std::uint64_t DataOffset(std::uint64_t at) { return ReadU64LE(Record(at).first<8>()); }
    std::uint64_t Hash(std::uint64_t at) { return ReadU64LE(Record(at).subspan<20, 8>()); }
};

// The file, checked by the reader, and where its records lie.
Result<Container> ReadContainer(const std::string& path) {
    auto file = GameFile::OpenForReading(path, "");
    if (!file) return file.error();
    Container c;
    c.path = file->path();
    c.bytes.resize(static_cast<std::size_t>(file->size()));
    RETURN_IF_ERROR(file->ReadExactlyAt(0, c.bytes));
    auto table = ContainerTable::Read(MemoryContainerBytes(c.bytes), c.path);
    if (!table) return table.error();
    c.swapped = table->swappedHalves();
    // The reader has checked the chain: every block and record lies inside.
    const auto all = std::span<const std::uint8_t>(c.bytes);
    for (std::uint64_t block = ReadU64LE(all.subspan<kFirstBlockField, 8>()); block != 0;) {
        const auto header = all.subspan(static_cast<std::size_t>(block)).first<kContainerBlockHeaderSize>();
        const std::uint32_t count = ReadU32LE(header.first<4>());
        for (std::uint32_t i = 0; i < count; ++i)
            c.records.push_back(block + kContainerBlockHeaderSize + std::uint64_t{i} * kContainerEntrySize);
        c.lastBlock = block;
        block = ReadU64LE(header.subspan<4, 8>());
    }
    return c;
}

// The first used record of each hash, as the reader finds it.
std::unordered_map<std::uint64_t, std::uint64_t> FirstUsedRecords(Container& c) {
    std::unordered_map<std::uint64_t, std::uint64_t> first;
    for (std::uint64_t at : c.records)
        if (c.DataOffset(at) != 0) first.emplace(c.Hash(at), at);
    return first;
}

Result<std::vector<std::uint8_t>> Compress(const std::vector<std::uint8_t>& image, const std::string& path) {
    uLongf size = ::compressBound(static_cast<uLong>(image.size()));
    std::vector<std::uint8_t> out(size);
    if (::compress2(out.data(), &size, image.data(), static_cast<uLong>(image.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return Error{ErrorKind::FileUnwritable, "An image for " + Quoted(path) + " could not be compressed."};
    out.resize(size);
    return out;
}

void FillRecord(std::span<std::uint8_t> r, std::uint64_t offset, std::size_t stored, std::size_t size,
                std::uint64_t hash, bool compressed) {
    std::fill(r.begin(), r.end(), 0);
    WriteU64LE(r.first<8>(), offset);
    WriteU32LE(r.subspan<12, 4>(), static_cast<std::uint32_t>(stored));
    WriteU32LE(r.subspan<16, 4>(), static_cast<std::uint32_t>(size));
    WriteU64LE(r.subspan<20, 8>(), hash);
    WriteU32LE(r.subspan<28, 4>(), HashLittle({}));  // of the entry's empty data header
    WriteU16LE(r.subspan<32, 2>(), compressed ? 1 : 0);
}

}  // namespace

Status PutContainerImages(const std::string& path, std::span<const ImagePut> puts, const ArtWriteOptions& options) {
    auto read = ReadContainer(path);
    if (!read) return read.error();
    Container& c = read.value();
    RETURN_IF_ERROR(CheckReplaceable(c.path));

    auto used = FirstUsedRecords(c);
    std::vector<std::uint64_t> free;
    for (std::uint64_t at : c.records)
        if (c.DataOffset(at) == 0) free.push_back(at);
    std::reverse(free.begin(), free.end());  // taken from the back: the first free slot first

    struct Pending {
        std::uint64_t offset;
        std::size_t stored, size;
        std::uint64_t hash;
    };
    std::vector<Pending> homeless;  // records for a new block
    std::uint32_t added = 0;
    for (const ImagePut& put : puts) {
        std::vector<std::uint8_t> stored = put.image;
        if (options.compress) {
            auto packed = Compress(put.image, c.path);
            if (!packed) return packed.error();
            stored = std::move(packed).value();
        }
        if (stored.size() > kContainerEntryLimit || put.image.size() > kContainerEntryLimit)
            return Error{ErrorKind::OutOfBounds, "An image of " + std::to_string(put.image.size()) + " bytes is too large for " + Quoted(c.path) + "."};
        const std::uint64_t offset = c.bytes.size();
        c.bytes.insert(c.bytes.end(), stored.begin(), stored.end());
        const std::uint64_t hash = ContainerEntryHash(put.entry, c.swapped);
        std::optional<std::uint64_t> slot;
        if (const auto found = used.find(hash); found != used.end()) {
            slot = found->second;
        } else {
            ++added;
            if (!free.empty()) {
                slot = free.back();
                free.pop_back();
                used.emplace(hash, *slot);
            }
        }
        if (slot)
            FillRecord(c.Record(*slot), offset, stored.size(), put.image.size(), hash, options.compress);
        else
            homeless.push_back({offset, stored.size(), put.image.size(), hash});
    }

    // New blocks as large as the header says blocks are, the rest of each
    // left free for later puts.
    const auto header = std::span(c.bytes).first<kContainerHeaderSize>();
    std::uint32_t perBlock = ReadU32LE(header.subspan<kBlockSizeField, 4>());
    if (perBlock == 0 || perBlock > kMostRecordsPerNewBlock) perBlock = static_cast<std::uint32_t>(homeless.size());
    for (std::size_t first = 0; first < homeless.size(); first += perBlock) {
        const std::uint64_t block = c.bytes.size();
        const std::size_t link = c.lastBlock == 0 ? kFirstBlockField : static_cast<std::size_t>(c.lastBlock) + 4;
        WriteU64LE(std::span(c.bytes).subspan(link).first<8>(), block);
        c.bytes.resize(c.bytes.size() + kContainerBlockHeaderSize + std::size_t{perBlock} * kContainerEntrySize, 0);
        WriteU32LE(std::span(c.bytes).subspan(static_cast<std::size_t>(block)).first<4>(), perBlock);
        for (std::size_t i = first; i < std::min<std::size_t>(homeless.size(), first + perBlock); ++i) {
            const Pending& p = homeless[i];
            const std::uint64_t at = block + kContainerBlockHeaderSize + (i - first) * kContainerEntrySize;
            FillRecord(c.Record(at), p.offset, p.stored, p.size, p.hash, options.compress);
        }
        c.lastBlock = block;
    }
    const auto count = std::span(c.bytes).subspan<kCountField, 4>();
    WriteU32LE(count, ReadU32LE(count) + added);
    return options.ReplaceFile(c.path, c.bytes);
}

Result<std::size_t> RemoveContainerImages(const std::string& path, std::span<const std::int32_t> entries,
                                          const ArtWriteOptions& options) {
    auto read = ReadContainer(path);
    if (!read) return read.error();
    Container& c = read.value();
    RETURN_IF_ERROR(CheckReplaceable(c.path));
    std::unordered_set<std::uint64_t> hashes;
    for (std::int32_t entry : entries) hashes.insert(ContainerEntryHash(entry, c.swapped));
    // Every used record of the names, so that no older copy shows through.
    std::unordered_set<std::uint64_t> emptied;
    for (std::uint64_t at : c.records) {
        if (c.DataOffset(at) == 0 || !hashes.count(c.Hash(at))) continue;
        emptied.insert(c.Hash(at));
        const auto r = c.Record(at);
        std::fill(r.begin(), r.end(), 0);
    }
    const std::size_t changed = emptied.size();
    if (changed == 0) return changed;
    RETURN_IF_ERROR(options.ReplaceFile(c.path, c.bytes));
    return changed;
}

}  // namespace tilewright::Decode_Mul
