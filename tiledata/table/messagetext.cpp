#include "messagetext.h"

#include "tilecolumns.h"

namespace tilewright {
namespace {

constexpr std::size_t kQuotedCharacters = 40;

}  // namespace

void AppendByteEscape(std::string& out, unsigned char byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

std::string QuotedValue(std::string_view text) {
    std::string out = "\"";
    std::size_t shown = 0;
    for (std::size_t at = 0; at < text.size(); ++shown) {
        if (shown == kQuotedCharacters) {
            out += "\xE2\x80\xA6";  // …
            break;
        }
        const std::size_t begin = at;
        char32_t code = 0;
        if (!NextCodePoint(text, at, code)) {
            AppendByteEscape(out, static_cast<unsigned char>(text[at++]));
        } else if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
            for (std::size_t k = begin; k < at; ++k) AppendByteEscape(out, static_cast<unsigned char>(text[k]));
        } else {
            out.append(text.substr(begin, at - begin));
        }
    }
    return out + "\"";
}

}  // namespace tilewright
