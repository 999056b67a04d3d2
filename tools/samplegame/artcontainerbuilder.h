// Builds artLegacyMUL.uop in memory: a header, blocks of entry records each
// followed by the bytes of its entries, stored as they are or zlib-compressed,
// optionally behind a data header. Test support: the editor only reads
// containers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "artfilebuilder.h"
#include "containertable.h"
#include "error.h"

namespace tilewright::sample {

struct ContainerEntryForm {
    bool compressed = false;
    std::uint32_t headerLength = 0;  // filler bytes before the image's bytes
};

class ArtContainerBuilder {
public:
    explicit ArtContainerBuilder(std::uint32_t entriesPerBlock = 1000) : entriesPerBlock_(entriesPerBlock) {}

    void Add(std::int32_t entryNumber, const std::vector<std::uint8_t>& image, ContainerEntryForm form = {});
    void AddUnused();  // a record whose data offset is 0
    // Stores hashes as c * 2^32 + b instead of b * 2^32 + c.
    void SwapHashHalves() { swapped_ = true; }

    std::vector<std::uint8_t> Bytes() const;
    Status WriteTo(const std::string& folder, const std::string& name = Decode_Mul::kArtContainerFileName) const;

    // Where the first block lies in Bytes(), and the record of entry `slot`
    // (counted over all Add and AddUnused calls), for tests that break them.
    static constexpr std::uint64_t kFirstBlock = 40;
    std::uint64_t RecordOffset(std::size_t slot) const;

private:
    struct Slot {
        bool used = false;
        std::uint64_t hash = 0;
        std::vector<std::uint8_t> stored;
        std::uint32_t size = 0;
        ContainerEntryForm form;
    };
    std::uint32_t entriesPerBlock_;
    bool swapped_ = false;
    std::vector<Slot> slots_;
};

// Every image of `art`, in entry order, each in the form `formOf` gives its entry.
ArtContainerBuilder ContainerOfArt(const ArtFileBuilder& art,
                                   const std::function<ContainerEntryForm(std::int32_t entry)>& formOf,
                                   std::uint32_t entriesPerBlock = 1000);

}  // namespace tilewright::sample
