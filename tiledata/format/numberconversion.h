// Turning the text of a value box or the offset box into a whole number, the
// same on every machine: the user's locale never changes what is accepted.
//
// Accepted: blanks (space, tab) before and after; an optional '+' or '-';
// decimal digits with an optional fractional part after a '.'. Either side of
// the '.' may be empty ("5." and ".5"), but not both. A fractional part is
// rounded to the nearest whole number, a half to the even neighbour, decided
// on the digits themselves so that no binary rounding creeps in. Nothing else
// is a number: no exponents, hexadecimal, digit grouping or inner blanks, and
// an empty or all-blank text is not one either.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "error.h"

namespace tilewright {

// The text as a whole number within [min, max]. On failure the error is
// InvalidValue and its message names the box by `label` (its caption, such as
// "Weight :") and the range that the box accepts.
Result<std::int64_t> ConvertWholeNumber(std::u16string_view text, std::string_view label, std::int64_t min,
                                        std::int64_t max);

// The widths of the record fields and of the record position.
Result<std::uint8_t> ConvertUnsigned8(std::u16string_view text, std::string_view label);
Result<std::int16_t> ConvertSigned16(std::u16string_view text, std::string_view label);
Result<std::int32_t> ConvertSigned32(std::u16string_view text, std::string_view label);

// A box text as UTF-8 for a message, shortened when it is too long to read.
std::string TextForMessage(std::u16string_view text);

}  // namespace tilewright
