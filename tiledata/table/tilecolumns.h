// The columns of a whole-file table of TileData.mul, as exported to CSV and
// JSON and as read back: `kind`, `id`, `name`, the twelve value fields, then
// one column per flag bit. A TileRow is one record of either kind in those
// terms, so that exporting, editing, matching and comparing share one table.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "tiledatafile.h"
#include "tilerow.h"

namespace tilewright {

// Column numbers in export order.
inline constexpr int kKindColumn = 0;
inline constexpr int kIdColumn = 1;
inline constexpr int kNameColumn = 2;
inline constexpr int kFirstValueColumn = 3;
inline constexpr int kFirstFlagColumn = kFirstValueColumn + kValueFieldCount;  // 15
inline constexpr int kMaxFlagBits = 64;
inline constexpr int kMaxColumnCount = kFirstFlagColumn + kMaxFlagBits;

inline bool IsValueColumn(int column) { return column >= kFirstValueColumn && column < kFirstFlagColumn; }
inline bool IsFlagColumn(int column) { return column >= kFirstFlagColumn && column < kMaxColumnCount; }
inline int FlagBitOf(int column) { return column - kFirstFlagColumn; }
inline const ValueField& ValueFieldOf(int column) { return kValueFields[static_cast<std::size_t>(column - kFirstValueColumn)]; }

// The columns a file of `layout` exports: 15 plus one per flag bit.
inline int ColumnCount(const TileDataLayout& layout) { return kFirstFlagColumn + layout.FlagBits(); }

// "kind" ... "height", then "flag_" + the bit's caption in lower case with
// quotation marks dropped and blanks turned into '_' ("flag_article_a").
const std::string& ColumnName(int column);
// The column of that exact name, if any.
std::optional<int> FindColumn(std::string_view name);

// Whether a row of `kind` has a cell in `column`: the value fields belong to
// one kind each, every other column to both.
inline bool ColumnBelongs(int column, TileKind kind) { return !IsValueColumn(column) || ValueFieldOf(column).kind == kind; }


// The name's bytes before the first zero, each byte the character of that
// code (ISO 8859-1), as UTF-8. Empty for an unnamed tile.
std::string NameText(const TileName& name);
// The code point of the UTF-8 sequence at text[at], moving `at` past it;
// false for a sequence that is not valid UTF-8.
bool NextCodePoint(std::string_view text, std::size_t& at, char32_t& code);
// How many bytes come before the first zero.
std::size_t NameLength(const TileName& name);

// A column's cell as exported: numbers in plain decimal, flags 0 or 1, the
// name as UTF-8; empty for a value column of the other kind.
void AppendCell(std::string& out, const TileRow& row, int column);

}  // namespace tilewright
