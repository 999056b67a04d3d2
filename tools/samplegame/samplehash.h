// A small integer hash, so that every sample record and picture differs
// from its neighbours but every run of the builder writes the same bytes.
#pragma once

#include <cstdint>

namespace tilewright::sample {

constexpr std::uint32_t SampleHash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

}  // namespace tilewright::sample
