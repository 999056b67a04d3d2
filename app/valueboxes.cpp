#include "valueboxes.h"

#include <limits>

#include "displaytext.h"
#include "numberconversion.h"

namespace tilewright {

const std::array<ValueBox, 12> kValueBoxes = {{
    {"Weight :", "if 255 then not moveable", "0 - 255"},
    {"Quality/Layer/LightID :", "Wearable - Layer, Light Source - LightID", "0 - 255"},
    {"Unknown1 :", nullptr, "0 - 16383"},
    {"Unknown2 :", nullptr, "0 - 255"},
    {"Quantity/WC/AC :", "Weapon - Weapon Class, Armor - Armor Class", "0 - 255"},
    {"Gump/Animation :", nullptr, "0 - 16383"},
    {"Unknown3 :", nullptr, "0 - 255"},
    {"Hue :", nullptr, "0 - 255"},
    {"Unknown4 :", nullptr, "0 - 255"},
    {"Unknown5 :", nullptr, "0 - 255"},
    {"Height :", nullptr, "0 - 255"},
    {"Id :", "Edit only for Land Tile", "0-16383"},
}};

// Boxes 0 to 10 show an item's fields in file order, box 11 a land tile's texture.
int FieldOfBox(TileKind kind, int box) {
    if (kind == TileKind::Land) return box == 11 ? ValueFieldIndex("texture") : -1;
    return box < 11 ? box + 1 : -1;
}

Result<PlacedRow> RowFromBoxes(TileKind kind, std::int32_t id, const BoxTexts& boxes) {
    if (boxes.offset.isEmpty())
        return Error{ErrorKind::NotLoaded, "No tile is loaded: select a tile in the list before compiling."};
    PlacedRow placed{TileRow{kind, id, boxes.flags}, 0};
    if (boxes.untouchedName) {
        placed.row.name = *boxes.untouchedName;
    } else {
        auto name = StoreTileName(boxes.name.toStdU16String(), kNameCaption);
        RETURN_IF_ERROR(name);
        placed.row.name = *name;
    }
    for (int box = 0; box < 12; ++box) {
        const int field = FieldOfBox(kind, box);
        if (field < 0) continue;
        const ValueField& f = kValueFields[static_cast<std::size_t>(field)];
        auto value = ConvertWholeNumber(boxes.values[box].toStdU16String(), kValueBoxes[box].caption, f.min, f.max);
        RETURN_IF_ERROR(value);
        placed.row.values[static_cast<std::size_t>(field)] = static_cast<std::int32_t>(*value);
    }
    auto position = ConvertWholeNumber(boxes.offset.toStdU16String(), kOffsetCaption,
                                       std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    RETURN_IF_ERROR(position);
    placed.position = static_cast<std::int32_t>(*position);
    return placed;
}

}  // namespace tilewright
