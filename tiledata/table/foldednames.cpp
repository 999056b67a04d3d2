#include "foldednames.h"

#include "tilecolumns.h"
#include "tilenamematch.h"

namespace tilewright {

FoldedNames::FoldedNames(const TileDataFile& file, TileKind kind) {
    const std::int32_t held = file.HeldCount(kind);
    names_.resize(static_cast<std::size_t>(held) * kNameSize);
    lengths_.resize(static_cast<std::size_t>(held));
    for (std::int32_t n = 0; n < held; ++n) {
        const TileName name = file.Name(kind, n);
        const std::size_t length = NameLength(name);
        char* out = names_.data() + static_cast<std::size_t>(n) * kNameSize;
        for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<char>(FoldCase(name[i]));
        lengths_[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(length);
    }
}

std::optional<std::string> FoldedNames::Fold(std::string_view utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        if (!NextCodePoint(utf8, at, code) || code > 0xFF) return std::nullopt;
        out.push_back(static_cast<char>(FoldCase(static_cast<char16_t>(code))));
    }
    return out;
}

}  // namespace tilewright
