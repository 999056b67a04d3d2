#include "numberconversion.h"

#include <limits>

namespace tilewright {
namespace {

constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();
constexpr std::size_t kMessageTextLimit = 40;  // characters of a box text quoted in a message

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A decimal number split into the parts that rounding needs.
struct DecimalText {
    bool negative = false;
    std::uint64_t whole = 0;   // saturates instead of wrapping
    int firstFraction = 0;     // the digit after the '.', 0 when there is none
    bool moreFraction = false;  // any non-zero digit after that one
};

bool Parse(std::u16string_view text, DecimalText& out) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::u16string_view s = text.substr(begin, end - begin);

    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) out.negative = s[i++] == u'-';

    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
        const auto d = static_cast<std::uint64_t>(s[i] - u'0');
        out.whole = out.whole > (kSaturated - d) / 10 ? kSaturated : out.whole * 10 + d;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        for (std::size_t place = 0; i < s.size() && IsDigit(s[i]); ++i, ++place, ++digits) {
            if (place == 0)
                out.firstFraction = s[i] - u'0';
            else if (s[i] != u'0')
                out.moreFraction = true;
        }
    }
    return digits > 0 && i == s.size();
}

// Nearest whole magnitude, a half going to the even neighbour. The sign does
// not matter: ties are symmetric about zero.
std::uint64_t RoundedMagnitude(const DecimalText& n) {
    const bool up = n.firstFraction > 5 || (n.firstFraction == 5 && (n.moreFraction || n.whole % 2 == 1));
    return up && n.whole != kSaturated ? n.whole + 1 : n.whole;
}

bool FitInRange(bool negative, std::uint64_t magnitude, std::int64_t min, std::int64_t max, std::int64_t& out) {
    if (magnitude == 0) {
        out = 0;
    } else if (!negative) {
        if (max < 0 || magnitude > static_cast<std::uint64_t>(max)) return false;
        out = static_cast<std::int64_t>(magnitude);
    } else {
        if (min >= 0) return false;
        // |min| computed without negating min, which may be INT64_MIN.
        const std::uint64_t limit = static_cast<std::uint64_t>(-(min + 1)) + 1;
        if (magnitude > limit) return false;
        out = magnitude == limit ? min : -static_cast<std::int64_t>(magnitude);
    }
    return out >= min && out <= max;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string RangeText(std::int64_t min, std::int64_t max) {
    return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

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
    const std::string box = "\"" + std::string(label) + "\"";
    if (text.find_first_not_of(u" \t") == std::u16string_view::npos)
        return Error{ErrorKind::InvalidValue, "The box " + box + " is empty: it needs " + RangeText(min, max) + "."};

    DecimalText number;
    std::int64_t value = 0;
    if (!Parse(text, number) || !FitInRange(number.negative, RoundedMagnitude(number), min, max, value))
        return Error{ErrorKind::InvalidValue, "The value \"" + TextForMessage(text) + "\" in " + box + " is not " +
                                                  RangeText(min, max) + "."};
    return value;
}

Result<std::uint8_t> ConvertUnsigned8(std::u16string_view text, std::string_view label) {
    auto n = ConvertWholeNumber(text, label, 0, std::numeric_limits<std::uint8_t>::max());
    if (!n) return n.error();
    return static_cast<std::uint8_t>(*n);
}

Result<std::int16_t> ConvertSigned16(std::u16string_view text, std::string_view label) {
    auto n = ConvertWholeNumber(text, label, std::numeric_limits<std::int16_t>::min(),
                                std::numeric_limits<std::int16_t>::max());
    if (!n) return n.error();
    return static_cast<std::int16_t>(*n);
}

Result<std::int32_t> ConvertSigned32(std::u16string_view text, std::string_view label) {
    auto n = ConvertWholeNumber(text, label, std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max());
    if (!n) return n.error();
    return static_cast<std::int32_t>(*n);
}

}  // namespace tilewright
