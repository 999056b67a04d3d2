#include "tileformat.h"

namespace tilewright {

std::string FormatHex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return out;
}

std::string FormatMask(int bit) {
    std::string hex = FormatHex(FlagMask(bit));
    const std::size_t digits = bit < 32 ? 8 : 16;
    return std::string(digits - hex.size(), '0') + hex;
}

std::string FlagTooltip(int bit) { return "Mask (in hex): " + FormatMask(bit); }

std::u16string DecodeTileName(const TileName& name) {
    std::u16string text;
    for (std::uint8_t byte : name) {
        if (byte == 0) break;
        text.push_back(static_cast<char16_t>(byte));
    }
    return text;
}

}  // namespace tilewright
