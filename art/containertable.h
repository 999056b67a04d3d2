// artLegacyMUL.uop: one container file holding the images that art.mul holds,
// each entry named by a hash of "build/artlegacymul/" + its number as eight
// decimal digits + ".tga". The table of entries is read once from the header
// and the chain of blocks; an entry's bytes are then one positioned read,
// inflated with zlib when stored compressed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "error.h"
#include "gamefile.h"

namespace tilewright::Decode_Mul {

inline constexpr char kArtContainerFileName[] = "artLegacyMUL.uop";
inline constexpr std::size_t kContainerHeaderSize = 28;      // "MYP\0", version, signature, first block, block size, count
inline constexpr std::size_t kContainerBlockHeaderSize = 12;  // entry count, next block
inline constexpr std::size_t kContainerEntrySize = 34;
// No image comes near this; a larger stored or inflated size is a broken entry.
inline constexpr std::uint32_t kContainerEntryLimit = 16u << 20;

// The name whose hash finds entry `entryNumber`: "build/artlegacymul/00016384.tga" for 16384.
std::string ContainerEntryName(std::int32_t entryNumber);
// The hash that the table of entries stores for entry `entryNumber`, in the
// halves' order the container uses.
std::uint64_t ContainerEntryHash(std::int32_t entryNumber, bool swappedHalves);

// Positioned reads of a container, from a file or from memory.
class ContainerBytes {
public:
    virtual ~ContainerBytes() = default;
    virtual std::uint64_t size() const = 0;
    // Reads exactly out.size() bytes at `offset`; false when they are not all there.
    virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const = 0;
};

class FileContainerBytes final : public ContainerBytes {
public:
    explicit FileContainerBytes(const GameFile& file) : file_(file) {}
    std::uint64_t size() const override { return file_.size(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

private:
    const GameFile& file_;
};

class MemoryContainerBytes final : public ContainerBytes {
public:
    explicit MemoryContainerBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

private:
    std::span<const std::uint8_t> bytes_;
};

// Where an entry's bytes lie, already checked against the container's size.
struct ContainerEntry {
    std::uint64_t start = 0;       // data offset + header length
    std::uint32_t storedSize = 0;  // bytes in the file
    std::uint32_t size = 0;        // bytes of the image
    bool compressed = false;
};

class ContainerTable {
public:
    // Reads the header and every block. A bad header, a block outside the
    // file, a chain that loops, or more entries than the file has room for is
    // an error naming `path`. Single entries that are unused (data offset 0),
    // have an unknown compression, a size over kContainerEntryLimit or bytes
    // outside the file are left out: entries without an image.
    static Result<ContainerTable> Read(const ContainerBytes& bytes, const std::string& path);

    std::optional<ContainerEntry> Find(std::int32_t entryNumber) const;
    // The container stores its hashes as c * 2^32 + b rather than b * 2^32 + c.
    bool swappedHalves() const { return swapped_; }
    std::size_t entryCount() const { return slots_.size(); }

private:
    struct Slot {
        std::uint64_t hash;
        ContainerEntry entry;
    };
    std::optional<ContainerEntry> FindHash(std::uint64_t hash) const;

    std::vector<Slot> slots_;  // by hash; the first listed of equal hashes first
    bool swapped_ = false;
};

// The image bytes of `entry`: its stored bytes, inflated when compressed.
// Nothing when they cannot be read or do not inflate to exactly entry.size bytes.
std::optional<std::vector<std::uint8_t>> ReadContainerEntry(const ContainerBytes& bytes, const ContainerEntry& entry);

}  // namespace tilewright::Decode_Mul
