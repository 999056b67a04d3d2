// Edits of whole records given as table cells (an imported CSV or JSON row,
// the assignments of a batch edit) and the records they pick out when used
// as a filter. A cell is checked against its column's type and the file's
// layout when it is read, so that applying the edits cannot fail.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "tilecolumns.h"

namespace tilewright {

struct TileEdit {
    TileKind kind = TileKind::Land;
    std::int32_t id = 0;
    std::uint64_t flagMask = 0;    // the bits given
    std::uint64_t flagValues = 0;  // their values
    std::uint16_t valueMask = 0;   // bit v: kValueFields[v] given
    std::array<std::int32_t, kValueFieldCount> values{};
    bool hasName = false;
    TileName name{};  // the given text's bytes, zero after it
    // The name's 20 bytes are written as given, zeros after the text and
    // all, even when the record's name has the same text.
    bool wholeName = false;
};

// What an empty cell means: in a table it keeps the file's value; in an
// assignment it clears the name (and is refused for any other column).
enum class EmptyCell { Keeps, ClearsName };

// Puts the cell `text` of `column` (a name, value or flag column) into `edit`,
// whose kind is already set. A refusal (InvalidValue) is worded to follow
// "FILE:LINE:FIELD: ": a number out of range, a flag other than 0 or 1, a
// name too long or not ISO 8859-1, a column of the other kind, a flag bit the
// layout (of `flagBits` bits) does not have.
Status SetCell(TileEdit& edit, int column, std::string_view text, int flagBits, EmptyCell empty);

// The row with the edit's columns put in. A name whose text is the row's
// text keeps the row's 20 bytes, bytes after the first zero included,
// unless the edit gives the whole name.
TileRow Edited(const TileRow& row, const TileEdit& edit);

// Whether the row has every value, flag and name (compared as text) that
// `wanted` gives.
bool Matches(const TileRow& row, const TileEdit& wanted);

// The records whose bytes the edits change, before and after, land first
// then by id, and the whole file's new bytes (every other byte as it was).
struct AppliedEdits {
    std::vector<std::uint8_t> bytes;
    std::vector<TileRow> before;
    std::vector<TileRow> after;
};

// `edits` name held records of `file`, at most one edit per record.
AppliedEdits ApplyTileEdits(const TileDataFile& file, std::span<const TileEdit> edits);

}  // namespace tilewright
