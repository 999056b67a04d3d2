// The one reader of whole numbers in text, the same on every machine: the
// user's locale never changes what is accepted. A grammar says what may come
// around and after the digits:
//
// - plain (tables, the command line): an optional '-' and decimal digits;
// - digits (a tile number typed into a search): decimal digits alone;
// - box (the window's boxes): blanks (space, tab) before and after, an
//   optional '+' or '-', decimal digits with an optional fractional part
//   after a '.', either side of which may be empty ("5." and ".5") but not
//   both. A fractional part is rounded to the nearest whole number, a half to
//   the even neighbour, decided on the digits themselves so that no binary
//   rounding creeps in.
//
// Nothing else is a number: no exponents, hexadecimal, digit grouping or
// inner blanks, and an empty text is not one either.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "error.h"

namespace tilewright {

struct NumberGrammar {
    bool blanks = false;    // blanks around the number
    bool plus = false;      // a leading '+'
    bool minus = false;     // a leading '-'
    bool fraction = false;  // a fractional part, rounded away
};
inline constexpr NumberGrammar kPlainNumber{false, false, true, false};
inline constexpr NumberGrammar kDigitsOnly{};
inline constexpr NumberGrammar kBoxNumber{true, true, true, true};

// A number as read: its sign and its rounded magnitude, which saturates at
// the largest 64-bit value instead of wrapping.
struct WholeNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
    // The value when it lies within [min, max].
    std::optional<std::int64_t> Within(std::int64_t min, std::int64_t max) const;
};

std::optional<WholeNumber> ReadWholeNumber(std::string_view text, NumberGrammar grammar);
std::optional<WholeNumber> ReadWholeNumber(std::u16string_view text, NumberGrammar grammar);

// A box's text by the box grammar as a whole number within [min, max]. On
// failure the error is InvalidValue and its message names the box by `label`
// (its caption, such as "Weight :") and the range that the box accepts.
Result<std::int64_t> ConvertWholeNumber(std::u16string_view text, std::string_view label, std::int64_t min,
                                        std::int64_t max);

// A box text as UTF-8 for a message, shortened when it is too long to read.
std::string TextForMessage(std::u16string_view text);

}  // namespace tilewright
