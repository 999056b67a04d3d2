// Little-endian integers read from and written to bounded byte spans. The
// fixed-extent overloads make the caller prove the bytes are there; the
// checked ones return false instead of reading past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tilewright {

inline std::uint16_t ReadU16LE(std::span<const std::uint8_t, 2> b) {
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

inline std::int16_t ReadI16LE(std::span<const std::uint8_t, 2> b) {
    return static_cast<std::int16_t>(ReadU16LE(b));
}

inline std::uint32_t ReadU32LE(std::span<const std::uint8_t, 4> b) {
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

inline std::int32_t ReadI32LE(std::span<const std::uint8_t, 4> b) {
    return static_cast<std::int32_t>(ReadU32LE(b));
}

inline std::uint64_t ReadU64LE(std::span<const std::uint8_t, 8> b) {
    return static_cast<std::uint64_t>(ReadU32LE(b.first<4>())) |
           (static_cast<std::uint64_t>(ReadU32LE(b.last<4>())) << 32);
}

// Reads at `offset` only if the whole integer lies inside `bytes`.
inline bool ReadU16LEAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::uint16_t& out) {
    if (offset > bytes.size() || bytes.size() - offset < 2) return false;
    out = ReadU16LE(bytes.subspan(offset).first<2>());
    return true;
}

inline bool ReadU32LEAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::uint32_t& out) {
    if (offset > bytes.size() || bytes.size() - offset < 4) return false;
    out = ReadU32LE(bytes.subspan(offset).first<4>());
    return true;
}

inline void WriteU16LE(std::span<std::uint8_t, 2> b, std::uint16_t v) {
    b[0] = static_cast<std::uint8_t>(v & 0xFF);
    b[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void WriteU32LE(std::span<std::uint8_t, 4> b, std::uint32_t v) {
    b[0] = static_cast<std::uint8_t>(v & 0xFF);
    b[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    b[2] = static_cast<std::uint8_t>((v >> 16) & 0xFF);
    b[3] = static_cast<std::uint8_t>(v >> 24);
}

inline void WriteU64LE(std::span<std::uint8_t, 8> b, std::uint64_t v) {
    WriteU32LE(b.first<4>(), static_cast<std::uint32_t>(v));
    WriteU32LE(b.last<4>(), static_cast<std::uint32_t>(v >> 32));
}

}  // namespace tilewright
