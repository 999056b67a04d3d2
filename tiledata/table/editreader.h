// Reading a table of edits for a TileData.mul: a CSV or JSON file as the
// export writes it, or any part of one. The format is told apart by the
// content (JSON starts with '['). Every refusal comes before anything is
// applied and names the input, the 1-based line and field.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "tileedit.h"

namespace tilewright {

// Called now and then with how many of the input's bytes are read.
using ProgressFunction = std::function<void(std::size_t done, std::size_t total)>;

Result<std::vector<TileEdit>> ReadTileEdits(std::string_view text, const std::string& inputName,
                                            const TileDataFile& file, const ProgressFunction& progress = {});

}  // namespace tilewright
