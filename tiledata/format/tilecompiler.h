// Compiling: the record that the window shows, written back into TileData.mul
// in place. Every box is converted before the file is opened, so a box that
// does not convert leaves the file untouched; the file is never created or
// extended, and the record is written with one positioned write.
#pragma once

#include <array>
#include <optional>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "error.h"
#include "tilelayout.h"

namespace tilewright {

// What the window shows when Compile is pressed, as the boxes hold it.
struct TileForm {
    std::array<bool, 64> flagTicks{};            // box i ticked (checked, not greyed) sets bit i
    std::array<std::u16string, 12> valueTexts;   // the value boxes 0 to 11
    std::u16string nameText;                     // the name box
    // The 20 name bytes as the file held them, while the name box still shows
    // them unedited (an unnamed tile's "Unlabeled" included): stored as they
    // are, so that a compile that did not touch the name neither renames an
    // unnamed tile "Unlabeled" nor clears bytes after a name's zero.
    std::optional<TileName> untouchedName;
    std::u16string offsetText;                   // the 1-based record position; empty when no tile is loaded
    // The number of the tile on show. When given, the write is refused unless
    // the file's layout, as it is now, still puts that tile at the offset
    // box's position: a file replaced by one of another layout since the
    // load must not get a record written across two of its own.
    std::optional<std::int32_t> tileNumber;
};

// Captions of the boxes, used to name a box whose text does not convert.
inline constexpr std::array<std::string_view, 12> kValueBoxLabels = {
    "Weight :", "Quality/Layer/LightID :", "Unknown1 :", "Unknown2 :", "Quantity/WC/AC :", "Gump/Animation :",
    "Unknown3 :", "Hue :", "Unknown4 :", "Unknown5 :", "Height :", "Id :",
};
inline constexpr std::string_view kOffsetLabel = "Offset :";
inline constexpr std::string_view kNameLabel = "Tile Name";
inline constexpr std::size_t kTextureBox = 11;

// Bit i set exactly when box i is ticked.
std::uint64_t GetFlagBoxes(std::span<const bool> ticked);

// Character i of the text as byte i (ISO 8859-1), zeros after the text,
// characters after the 20th ignored. A character above U+00FF fails.
Result<TileName> StoreTileName(std::u16string_view text);

// The record position from the offset box. An empty box means that no tile is
// loaded (NotLoaded); any other text must be a signed 32-bit number.
Result<std::int32_t> ConvertRecordPosition(std::u16string_view offsetText);

// A record built from the form and the 1-based position it is written to.
template <class Record>
struct CompiledTile {
    std::int32_t position = 0;
    Record record;
};

// All the conversions of a compile, without touching any file. A land tile
// reads only value box 11, an item tile only boxes 0 to 10. An empty offset
// box is NotLoaded whatever the other boxes hold; otherwise the first box that
// does not convert is reported, taken in the order flags, name, values (in
// box order), position.
Result<CompiledTile<LandTileRecord>> BuildLandTile(const TileForm& form);
Result<CompiledTile<ItemTileRecord>> BuildItemTile(const TileForm& form);

// Builds the record, then writes it in the file's layout (26 or 37 bytes, 30
// or 41 with 64-bit flags) at its position in `tileDataFolder` +
// "TileData.mul" and flushes it to disk. Succeeds only
// once the bytes are on disk. A refusal before the write (a box that does not
// convert, a missing or read-only file, a position outside the file) leaves
// the file untouched; a write or flush that fails is reported with the
// system's reason, and part of the record may then already be on disk.
Status CompileLandTile(const std::string& tileDataFolder, const TileForm& form);
Status CompileItemTile(const std::string& tileDataFolder, const TileForm& form);

// Compiles by the kind of the tile last selected: exactly "land" or "item".
// Any other tag (none selected yet) writes nothing and succeeds.
Status CompileTile(std::string_view kindTag, const std::string& tileDataFolder, const TileForm& form);

}  // namespace tilewright
