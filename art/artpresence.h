// Which entries of an art folder have a picture, from its index alone (the
// artidx.mul of a .mul pair or the table of artLegacyMUL.uop); no image is
// read or decoded. Read once, then asked for many numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "containertable.h"
#include "decode_mul.h"
#include "error.h"

namespace tilewright::Decode_Mul {

// The entry that holds the picture of land n and of item n.
constexpr std::int32_t LandArtEntry(std::int32_t n) { return n; }
constexpr std::int32_t ItemArtEntry(std::int32_t n) { return kItemArtBase + n; }

class ArtPresence {
public:
    // The index of `artFolder`, read where the painters read: the .mul pair
    // when both files are there, else the container. An error names the file.
    static Result<ArtPresence> Read(const std::string& artFolder);

    // Entry `entryNumber` points at an image: a Lookup that is not negative,
    // or a used entry of the container.
    bool Has(std::int32_t entryNumber) const;

private:
    std::vector<std::uint8_t> index_;        // artidx.mul, when read from the pair
    std::optional<ContainerTable> container_;
};

}  // namespace tilewright::Decode_Mul
