// A whole TileData.mul as a table: CSV (RFC 4180, UTF-8, one header row) or
// JSON (an array with one object per record). Land rows come first, each
// kind by id; the header is the same whichever kinds are asked for.
#pragma once

#include <string>

#include "tiledatafile.h"

namespace tilewright {

enum class KindSelection { Land, Item, All };
enum class TableFormat { Csv, Json };

// Every record of the kinds asked for that lies wholly inside the file.
std::string ExportTable(const TileDataFile& file, KindSelection kinds, TableFormat format);

}  // namespace tilewright
