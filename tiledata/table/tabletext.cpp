#include "tabletext.h"

#include <array>
#include <cstdint>

#include "messagetext.h"
#include "tilecolumns.h"
#include "utf8.h"

namespace tilewright {
namespace {

// Code page 1252 at 0x80 to 0x9F; the five bytes it leaves undefined stand
// for the C1 control of their own value, as Windows converts them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

Error BadLine(const std::string& inputName, std::size_t line, const std::string& reason) {
    return Error{ErrorKind::InvalidValue, inputName + ":" + std::to_string(line) + ": " + reason};
}

// The line of the first byte that does not begin a valid UTF-8 sequence, or 0.
std::size_t FirstBadUtf8Line(std::string_view text, std::size_t& badAt) {
    std::size_t line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (static_cast<unsigned char>(c) < 0x80) {
            line += c == '\n';
            ++at;
            continue;
        }
        char32_t code = 0;
        if (!NextCodePoint(text, at, code)) {
            badAt = at;
            return line;
        }
    }
    return 0;
}

Result<std::string_view> FromUtf16(std::string_view bytes, bool bigEndian, const std::string& inputName,
                                   std::string& storage) {
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    storage.clear();
    storage.reserve(bytes.size() / 2);
    std::size_t line = 1;
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at + 1 == bytes.size()) return BadLine(inputName, line, "the UTF-16 text ends in half a character");
        char32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
            unit(at + 2) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            return BadLine(inputName, line, "the UTF-16 text has half of a surrogate pair alone");
        }
        line += code == '\n';
        AppendUtf8(storage, code);
    }
    return std::string_view(storage);
}

std::string_view FromWindows1252(std::string_view bytes, std::string& storage) {
    storage.clear();
    storage.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            storage += c;
        else
            AppendUtf8(storage, byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return storage;
}

}  // namespace

Result<std::string_view> DecodeTableText(std::string_view bytes, const std::string& inputName,
                                         TableEncoding encoding, std::string& storage) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        encoding = TableEncoding::Utf8;
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return FromUtf16(bytes.substr(2), bytes[0] == '\xFE', inputName, storage);
    }
    if (encoding == TableEncoding::Windows1252) return FromWindows1252(bytes, storage);
    std::size_t badAt = 0;
    if (const std::size_t line = FirstBadUtf8Line(bytes, badAt))
        return BadLine(inputName, line,
                       "the text is not valid UTF-8 (" + QuotedValue(bytes.substr(badAt, 1)) +
                           "); --encoding windows-1252 reads it in the Windows code page, where names must "
                           "still fit ISO 8859-1");
    return bytes;
}

}  // namespace tilewright
