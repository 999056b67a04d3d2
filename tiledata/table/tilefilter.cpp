#include "tilefilter.h"

#include "tilenamematch.h"

namespace tilewright {
namespace {

// The text as UTF-16, or nothing when it holds a character no name can
// hold (above U+00FF) or is not UTF-8: then nothing matches.
std::optional<std::u16string> Latin1Text(std::string_view text) {
    std::u16string out;
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        if (!NextCodePoint(text, at, code) || code > 0xFF) return std::nullopt;
        out.push_back(static_cast<char16_t>(code));
    }
    return out;
}

}  // namespace

std::vector<std::int32_t> FindTiles(const TileDataFile& file, const TileFilter& filter) {
    std::vector<std::int32_t> ids;
    std::optional<std::u16string> nameText;
    if (filter.nameContains) {
        nameText = Latin1Text(*filter.nameContains);
        if (!nameText) return ids;
    }
    const TileKind kind = filter.wanted.kind;
    for (std::int32_t n = 0; n < file.HeldCount(kind); ++n) {
        const TileRow row = file.Row(kind, n);
        if (Matches(row, filter.wanted) && (!nameText || NameContains(row.name, *nameText))) ids.push_back(n);
    }
    return ids;
}

}  // namespace tilewright
