#include "containertable.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_set>

#include "bytes.h"
#include "lookup3.h"

namespace tilewright::Decode_Mul {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'M', 'Y', 'P', 0};
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kZlib = 1;

std::string Position(std::uint64_t offset) { return "position " + std::to_string(offset + 1); }

Error Broken(const std::string& path, const std::string& what) {
    return Error{ErrorKind::InvalidValue, "The art container " + Quoted(path) + " cannot be used: " + what + "."};
}

std::uint64_t Key(Lookup3Pair hash, bool swapped) {
    return swapped ? std::uint64_t{hash.primary} << 32 | hash.secondary
                   : std::uint64_t{hash.secondary} << 32 | hash.primary;
}

// The table entry of a 34-byte record, or nothing for an unused or broken one.
std::optional<ContainerEntry> EntryOf(std::span<const std::uint8_t, kContainerEntrySize> r, std::uint64_t fileSize) {
    const std::uint64_t offset = ReadU64LE(r.first<8>());
    const std::uint32_t headerLength = ReadU32LE(r.subspan<8, 4>());
    const std::uint32_t stored = ReadU32LE(r.subspan<12, 4>());
    const std::uint32_t size = ReadU32LE(r.subspan<16, 4>());
    const std::uint16_t compression = ReadU16LE(r.subspan<32, 2>());
    if (offset == 0) return std::nullopt;
    if (compression != kStored && compression != kZlib) return std::nullopt;
    if (stored > kContainerEntryLimit || size > kContainerEntryLimit) return std::nullopt;
    if (offset > fileSize || headerLength > fileSize - offset) return std::nullopt;
    const std::uint64_t start = offset + headerLength;
    if (stored > fileSize - start) return std::nullopt;
    const bool compressed = compression == kZlib;
    return ContainerEntry{start, stored, compressed ? size : stored, compressed};
}

using NameBuffer = std::array<char, 40>;

std::string_view FormatName(NameBuffer& buffer, std::int32_t entryNumber) {
    const int length = std::snprintf(buffer.data(), buffer.size(), "build/artlegacymul/%08d.tga", static_cast<int>(entryNumber));
    return {buffer.data(), static_cast<std::size_t>(length)};
}

// Without allocating: worked out at every picture and many times when a table is read.
Lookup3Pair NameHash(std::int32_t entryNumber) {
    NameBuffer buffer;
    return HashLittle2(Bytes(FormatName(buffer, entryNumber)));
}

}  // namespace

std::string ContainerEntryName(std::int32_t entryNumber) {
    NameBuffer buffer;
    return std::string(FormatName(buffer, entryNumber));
}

std::uint64_t ContainerEntryHash(std::int32_t entryNumber, bool swappedHalves) {
    return Key(NameHash(entryNumber), swappedHalves);
}

bool FileContainerBytes::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    const auto got = file_.ReadAt(offset, out);
    return got && *got == out.size();
}

bool MemoryContainerBytes::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
}

Result<ContainerTable> ContainerTable::Read(const ContainerBytes& bytes, const std::string& path) {
    const std::uint64_t fileSize = bytes.size();
    std::array<std::uint8_t, kContainerHeaderSize> header{};
    if (!bytes.ReadAt(0, header))
        return Broken(path, "it holds " + std::to_string(fileSize) + " bytes, fewer than the " +
                                std::to_string(kContainerHeaderSize) + " of a container's header");
    if (!std::equal(kMagic.begin(), kMagic.end(), header.begin()))
        return Broken(path, "it does not start with \"MYP\" and a zero byte");
    const std::span<const std::uint8_t, kContainerHeaderSize> h(header);

    ContainerTable table;
    std::unordered_set<std::uint64_t> visited;
    // Blocks may not loop, but could overlap; bounding the entries by the
    // file's size bounds the work whatever the chain does.
    const std::uint64_t roomForEntries = fileSize / kContainerEntrySize;
    std::uint64_t listed = 0;
    std::vector<std::uint8_t> records;
    for (std::uint64_t block = ReadU64LE(h.subspan<12, 8>()); block != 0;) {
        if (!visited.insert(block).second)
            return Broken(path, "its chain of blocks comes back to the block at " + Position(block));
        std::array<std::uint8_t, kContainerBlockHeaderSize> blockHeader{};
        if (block > fileSize || !bytes.ReadAt(block, blockHeader))
            return Broken(path, "a block at " + Position(block) + " lies past the end of the file (" +
                                    std::to_string(fileSize) + " bytes)");
        const std::span<const std::uint8_t, kContainerBlockHeaderSize> b(blockHeader);
        const std::uint32_t count = ReadU32LE(b.first<4>());
        const std::uint64_t recordsStart = block + kContainerBlockHeaderSize;
        if (count > (fileSize - recordsStart) / kContainerEntrySize)
            return Broken(path, "the block at " + Position(block) + " lists " + std::to_string(count) +
                                    " entries, more than the rest of the file holds");
        listed += count;
        if (listed > roomForEntries)
            return Broken(path, "its blocks list more entries than the file has room for");
        records.resize(std::size_t{count} * kContainerEntrySize);
        if (!bytes.ReadAt(recordsStart, records))
            return Broken(path, "the entries of the block at " + Position(block) + " cannot be read");
        for (std::size_t i = 0; i < count; ++i) {
            const auto record = std::span<const std::uint8_t>(records).subspan(i * kContainerEntrySize).first<kContainerEntrySize>();
            if (const auto entry = EntryOf(record, fileSize))
                table.slots_.push_back({ReadU64LE(record.subspan<20, 8>()), *entry});
        }
        block = ReadU64LE(b.subspan<4, 8>());
    }
    std::stable_sort(table.slots_.begin(), table.slots_.end(),
                     [](const Slot& a, const Slot& b) { return a.hash < b.hash; });

    // The two halves of the hash are taken in the order under which more of
    // the first land and item entries are found; the usual order on a tie.
    int usual = 0, swapped = 0;
    for (std::int32_t first : {0, 16384}) {
        for (std::int32_t e = first; e < first + 64; ++e) {
            const Lookup3Pair hash = NameHash(e);
            usual += table.FindHash(Key(hash, false)).has_value();
            swapped += table.FindHash(Key(hash, true)).has_value();
        }
    }
    table.swapped_ = swapped > usual;
    return table;
}

std::optional<ContainerEntry> ContainerTable::FindHash(std::uint64_t hash) const {
    const auto at = std::lower_bound(slots_.begin(), slots_.end(), hash,
                                     [](const Slot& s, std::uint64_t h) { return s.hash < h; });
    if (at == slots_.end() || at->hash != hash) return std::nullopt;
    return at->entry;
}

std::optional<ContainerEntry> ContainerTable::Find(std::int32_t entryNumber) const {
    if (entryNumber < 0) return std::nullopt;
    return FindHash(Key(NameHash(entryNumber), swapped_));
}

std::optional<std::vector<std::uint8_t>> ReadContainerEntry(const ContainerBytes& bytes, const ContainerEntry& entry) {
    std::vector<std::uint8_t> stored(entry.storedSize);
    if (!bytes.ReadAt(entry.start, stored)) return std::nullopt;
    if (!entry.compressed) return stored;
    // Deflate never packs more than 1032 bytes into one, so a larger claim
    // is refused before its buffer is made.
    if (entry.size > std::uint64_t{entry.storedSize} * 1032) return std::nullopt;

    // One byte of room more than expected tells a stream that inflates to more.
    std::vector<std::uint8_t> image(std::size_t{entry.size} + 1);
    uLongf produced = static_cast<uLongf>(image.size());
    uLong consumed = static_cast<uLong>(stored.size());
    const int result = ::uncompress2(image.data(), &produced, stored.data(), &consumed);
    if (result != Z_OK || produced != entry.size) return std::nullopt;
    image.resize(entry.size);
    return image;
}

}  // namespace tilewright::Decode_Mul
