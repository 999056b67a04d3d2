#include "numberconversion.h"

#include <limits>

#include "utf8.h"

namespace tilewright {
namespace {

constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();
constexpr std::size_t kMessageTextLimit = 40;  // characters of a box text quoted in a message

template <class Char>
bool IsBlank(Char c) { return c == Char(' ') || c == Char('\t'); }
template <class Char>
bool IsDigit(Char c) { return c >= Char('0') && c <= Char('9'); }

template <class Char>
std::optional<WholeNumber> Read(std::basic_string_view<Char> s, NumberGrammar grammar) {
    if (grammar.blanks) {
        while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
        while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    }
    WholeNumber out;
    std::size_t i = 0;
    if (i < s.size() && ((grammar.plus && s[i] == Char('+')) || (grammar.minus && s[i] == Char('-'))))
        out.negative = s[i++] == Char('-');

    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
        const auto d = static_cast<std::uint64_t>(s[i] - Char('0'));
        out.magnitude = out.magnitude > (kSaturated - d) / 10 ? kSaturated : out.magnitude * 10 + d;
    }
    int firstFraction = 0;      // the digit after the '.', 0 when there is none
    bool moreFraction = false;  // any non-zero digit after that one
    if (grammar.fraction && i < s.size() && s[i] == Char('.')) {
        ++i;
        for (std::size_t place = 0; i < s.size() && IsDigit(s[i]); ++i, ++place, ++digits) {
            if (place == 0)
                firstFraction = static_cast<int>(s[i] - Char('0'));
            else if (s[i] != Char('0'))
                moreFraction = true;
        }
    }
    if (digits == 0 || i != s.size()) return std::nullopt;
    // Nearest whole magnitude, a half going to the even neighbour; ties are
    // symmetric about zero, so the sign does not matter.
    const bool up = firstFraction > 5 || (firstFraction == 5 && (moreFraction || out.magnitude % 2 == 1));
    if (up && out.magnitude != kSaturated) ++out.magnitude;
    return out;
}

std::string RangeText(std::int64_t min, std::int64_t max) {
    return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

std::optional<std::int64_t> WholeNumber::Within(std::int64_t min, std::int64_t max) const {
    std::int64_t out = 0;
    if (magnitude == 0) {
        out = 0;
    } else if (!negative) {
        if (max < 0 || magnitude > static_cast<std::uint64_t>(max)) return std::nullopt;
        out = static_cast<std::int64_t>(magnitude);
    } else {
        if (min >= 0) return std::nullopt;
        // |min| computed without negating min, which may be INT64_MIN.
        const std::uint64_t limit = static_cast<std::uint64_t>(-(min + 1)) + 1;
        if (magnitude > limit) return std::nullopt;
        out = magnitude == limit ? min : -static_cast<std::int64_t>(magnitude);
    }
    if (out < min || out > max) return std::nullopt;
    return out;
}

std::optional<WholeNumber> ReadWholeNumber(std::string_view text, NumberGrammar grammar) { return Read(text, grammar); }

std::optional<WholeNumber> ReadWholeNumber(std::u16string_view text, NumberGrammar grammar) {
    return Read(text, grammar);
}

std::string TextForMessage(std::u16string_view text) {
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++shown) {
        if (shown == kMessageTextLimit) {
            out += "...";
            break;
        }
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (high || low)
            c = 0xFFFD;  // a lone half of a pair has no character of its own
        AppendUtf8(out, c);
    }
    return out;
}

Result<std::int64_t> ConvertWholeNumber(std::u16string_view text, std::string_view label, std::int64_t min,
                                        std::int64_t max) {
    const std::string box = Quoted(label);
    if (text.find_first_not_of(u" \t") == std::u16string_view::npos)
        return Error{ErrorKind::InvalidValue, "The box " + box + " is empty: it needs " + RangeText(min, max) + "."};

    const auto number = ReadWholeNumber(text, kBoxNumber);
    const auto value = number ? number->Within(min, max) : std::nullopt;
    if (!value)
        return Error{ErrorKind::InvalidValue, "The value \"" + TextForMessage(text) + "\" in " + box + " is not " +
                                                  RangeText(min, max) + "."};
    return *value;
}

}  // namespace tilewright
