// Record values as text: upper-case hexadecimal without prefix or leading
// zeros for flag words and sizes, and names as ISO 8859-1 text, each byte
// its own character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "error.h"
#include "tilerow.h"

namespace tilewright {

std::string FormatHex(std::uint64_t value);  // 0 -> "0", 0x80000000 -> "80000000"

// The characters before the first zero byte. Empty for an unnamed tile.
std::u16string DecodeTileName(const TileName& name);

// Character i of the text as byte i, zeros after the text, characters after
// the 20th ignored. A character above U+00FF fails, naming the box the text
// came from by `label`.
Result<TileName> StoreTileName(std::u16string_view text, std::string_view label);

}  // namespace tilewright
