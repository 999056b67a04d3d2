// How record values are written in the window's boxes: decimal for values and
// positions, upper-case hexadecimal without prefix or leading zeros for the
// flag word and the record size, and names as ISO 8859-1 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "tilelayout.h"

namespace tilewright {

std::string FormatHex(std::uint64_t value);  // 0 -> "0", 0x80000000 -> "80000000"
// The mask of bit 0 to 31 in 8 digits ("00000001"), of bit 32 to 63 in 16
// ("0000000100000000").
std::string FormatMask(int bit);
std::string FlagTooltip(int bit);             // "Mask (in hex): 00000001"

// The characters before the first zero byte, each byte its own code point
// (ISO 8859-1). Empty for an unnamed tile.
std::u16string DecodeTileName(const TileName& name);

// The text the name box shows for a record: the name, or "Unlabeled".
inline constexpr char16_t kUnlabeled[] = u"Unlabeled";

}  // namespace tilewright
