#include "displaytext.h"

#include "numberconversion.h"

namespace tilewright {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

Error NameCharacterError(std::u16string_view text, std::size_t index, std::string_view label) {
    // Show the whole character when it is the first half of a pair.
    std::size_t units = 1;
    char32_t code = text[index];
    if (IsHighSurrogate(text[index]) && index + 1 < text.size() && IsLowSurrogate(text[index + 1])) {
        code = 0x10000 + ((code - 0xD800) << 10) + (text[index + 1] - 0xDC00);
        units = 2;
    }
    std::string hex = FormatHex(code);
    if (hex.size() < 4) hex.insert(0, 4 - hex.size(), '0');
    return Error{ErrorKind::InvalidValue, "The name in \"" + std::string(label) + "\" cannot be stored: character " +
                                              std::to_string(index + 1) + ", \"" +
                                              TextForMessage(text.substr(index, units)) + "\" (U+" + hex +
                                              "), is not an ISO 8859-1 character; only characters up to U+00FF "
                                              "can be stored."};
}

}  // namespace

std::string FormatHex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return out;
}

std::u16string DecodeTileName(const TileName& name) {
    std::u16string text;
    for (std::uint8_t byte : name) {
        if (byte == 0) break;
        text.push_back(static_cast<char16_t>(byte));
    }
    return text;
}

Result<TileName> StoreTileName(std::u16string_view text, std::string_view label) {
    TileName name{};
    for (std::size_t i = 0; i < text.size() && i < kNameSize; ++i) {
        if (text[i] > 0xFF) return NameCharacterError(text, i, label);
        name[i] = static_cast<std::uint8_t>(text[i]);
    }
    return name;
}

}  // namespace tilewright
