// Bob Jenkins' lookup3 hash (hashlittle2), by which artLegacyMUL.uop names
// its entries. Byte by byte, so it gives the same values on every machine.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tilewright::Decode_Mul {

struct Lookup3Pair {
    std::uint32_t primary;    // c: what hashlittle returns
    std::uint32_t secondary;  // b
};

// hashlittle2 of `key` with the initial values `primary` (c) and `secondary` (b).
Lookup3Pair HashLittle2(std::span<const std::uint8_t> key, std::uint32_t primary = 0, std::uint32_t secondary = 0);
// hashlittle: the primary result with `seed` as c and 0 as b.
std::uint32_t HashLittle(std::span<const std::uint8_t> key, std::uint32_t seed = 0);

inline std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace tilewright::Decode_Mul
