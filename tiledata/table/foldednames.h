// The names of one kind of a whole file with their letters in lower case,
// made once so that a text typed by a user is matched against every name in
// a few milliseconds: each keystroke of a filter over 65,536 names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tiledatafile.h"

namespace tilewright {

class FoldedNames {
public:
    FoldedNames(const TileDataFile& file, TileKind kind);

    // The text with its letters in lower case as names are folded, as
    // ISO 8859-1 bytes; nothing when it holds a character above U+00FF or
    // is not UTF-8 (then no name holds it).
    static std::optional<std::string> Fold(std::string_view utf8);
    // As NameContains(name of tile n, text) for `folded` = Fold(text); n
    // below file.HeldCount(kind).
    bool Contains(std::int32_t n, std::string_view folded) const {
        const std::string_view name(names_.data() + static_cast<std::size_t>(n) * kNameSize, lengths_[static_cast<std::size_t>(n)]);
        return !name.empty() && name.find(folded) != std::string_view::npos;
    }

private:
    std::vector<char> names_;  // kNameSize bytes a tile
    std::vector<std::uint8_t> lengths_;
};

}  // namespace tilewright
