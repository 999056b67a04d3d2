// Differences between records, one line per column that differs, in the
// form "item 1234 weight: 11 -> 50" (names in double quotes). Columns are
// compared as exported: block headers and name bytes after the first zero
// are not compared, and a flag bit one layout lacks counts as 0 there.
#pragma once

#include <cstddef>
#include <string>

#include "tilecolumns.h"

namespace tilewright {

// Appends the lines for two versions of one record (the same kind and id),
// in column order; returns how many.
std::size_t AppendDifferences(std::string& out, const TileRow& before, const TileRow& after);

// Every difference between two files: land before item, then by id, then in
// column order. A record that only one file holds is compared with an empty
// record (all zero, unnamed). Returns how many lines were appended.
std::size_t CompareTileData(const TileDataFile& a, const TileDataFile& b, std::string& out);

}  // namespace tilewright
