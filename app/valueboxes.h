// The main window's record boxes in terms of the core's record: the captions
// and tooltips of the twelve value boxes, which field each box shows, and the
// conversion of the boxes' texts into the record that Compile writes.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "error.h"
#include "tilerow.h"

namespace tilewright {

struct ValueBox {
    const char* caption;
    const char* labelTooltip;
    const char* boxTooltip;
};
extern const std::array<ValueBox, 12> kValueBoxes;
inline constexpr char kOffsetCaption[] = "Offset :";
inline constexpr char kNameCaption[] = "Tile Name";
// What the name box shows for an unnamed tile.
inline constexpr char kUnlabeled[] = "Unlabeled";

// The field of kValueFields that value box `box` shows for a tile of `kind`,
// or -1: an item's box 11 shows the tile's number, which is not compiled.
int FieldOfBox(TileKind kind, int box);

// What the window holds when Compile is pressed.
struct BoxTexts {
    std::uint64_t flags = 0;
    std::array<QString, 12> values;
    QString name;
    // The 20 name bytes as the file held them, while the name box still shows
    // them unedited (an unnamed tile's "Unlabeled" included): stored as they
    // are, so that a compile that did not touch the name neither renames an
    // unnamed tile "Unlabeled" nor clears bytes after a name's zero.
    std::optional<TileName> untouchedName;
    QString offset;  // empty when no tile is loaded
};

struct PlacedRow {
    TileRow row;
    std::int32_t position = 0;  // 1-based
};

// Tile `id` of `kind` as the boxes describe it, and the position they name.
// Nothing loaded (an empty offset box) is the first answer; after that the
// boxes are converted in the order the window reads them, flags, name,
// values in box order, position, so that the first bad box is the one named.
Result<PlacedRow> RowFromBoxes(TileKind kind, std::int32_t id, const BoxTexts& boxes);

}  // namespace tilewright
