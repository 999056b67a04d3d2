// Reading a table of edits for a TileData.mul: a CSV or JSON file as the
// export writes it, or any part of one, as a spreadsheet saves it. The format
// is told apart by the content (JSON starts with '[' or '{'), the CSV
// separator by the header row (comma, semicolon or tab). Every refusal comes
// before anything is applied and names the input, the 1-based line and field.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "tabletext.h"
#include "tileedit.h"

namespace tilewright {

// Called now and then with how many of the input's bytes are read.
using ProgressFunction = std::function<void(std::size_t done, std::size_t total)>;

struct EditReading {
    // What bytes without a byte order mark are (see DecodeTableText).
    TableEncoding encoding = TableEncoding::Utf8;
    // Restoring: an empty name cell makes the name empty, where it otherwise
    // keeps the file's name like every empty cell.
    bool exact = false;
};

Result<std::vector<TileEdit>> ReadTileEdits(std::string_view bytes, const std::string& inputName,
                                            const TileDataFile& file, const EditReading& reading = {},
                                            const ProgressFunction& progress = {});

}  // namespace tilewright
