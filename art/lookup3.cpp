#include "lookup3.h"

#include <algorithm>
#include <bit>

namespace tilewright::Decode_Mul {
namespace {

struct State {
    std::uint32_t a, b, c;

    void Mix() {
        a -= c; a ^= std::rotl(c, 4);  c += b;
        b -= a; b ^= std::rotl(a, 6);  a += c;
        c -= b; c ^= std::rotl(b, 8);  b += a;
        a -= c; a ^= std::rotl(c, 16); c += b;
        b -= a; b ^= std::rotl(a, 19); a += c;
        c -= b; c ^= std::rotl(b, 4);  b += a;
    }

    void Final() {
        c ^= b; c -= std::rotl(b, 14);
        a ^= c; a -= std::rotl(c, 11);
        b ^= a; b -= std::rotl(a, 25);
        c ^= b; c -= std::rotl(b, 16);
        a ^= c; a -= std::rotl(c, 4);
        b ^= a; b -= std::rotl(a, 14);
        c ^= b; c -= std::rotl(b, 24);
    }
};

// Up to four bytes as a little-endian word, missing bytes 0.
std::uint32_t Word(std::span<const std::uint8_t> bytes) {
    std::uint32_t w = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) w |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return w;
}

}  // namespace

Lookup3Pair HashLittle2(std::span<const std::uint8_t> key, std::uint32_t primary, std::uint32_t secondary) {
    // The length enters as 32 bits, as in the original.
    const std::uint32_t start = 0xDEADBEEFu + static_cast<std::uint32_t>(key.size()) + primary;
    State s{start, start, start + secondary};
    while (key.size() > 12) {
        s.a += Word(key.subspan(0, 4));
        s.b += Word(key.subspan(4, 4));
        s.c += Word(key.subspan(8, 4));
        s.Mix();
        key = key.subspan(12);
    }
    // The last 1 to 12 bytes, zero-padded; an empty key skips the final mix.
    if (key.empty()) return {s.c, s.b};
    s.a += Word(key.subspan(0, std::min<std::size_t>(4, key.size())));
    if (key.size() > 4) s.b += Word(key.subspan(4, std::min<std::size_t>(4, key.size() - 4)));
    if (key.size() > 8) s.c += Word(key.subspan(8));
    s.Final();
    return {s.c, s.b};
}

std::uint32_t HashLittle(std::span<const std::uint8_t> key, std::uint32_t seed) {
    return HashLittle2(key, seed, 0).primary;
}

}  // namespace tilewright::Decode_Mul
