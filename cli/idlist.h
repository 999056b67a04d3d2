// The tile ids a batch edit works on: "5", "100-200", "1,5,9-12" on the
// command line, or one id a line from standard input.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"

namespace tilewright::cli {

// Ascending, each once. Fails with InvalidValue on anything else than ids
// and ranges, with OutOfBounds on an id not below `held`.
Result<std::vector<std::int32_t>> ParseIdList(std::string_view text, std::int32_t held);

// One id a line (blank lines skipped), each below `held`; refusals name
// `inputName`, the line and field 1. The ids are kept as one bit per record
// the file holds, so memory stays the same however long the input runs.
Result<std::vector<std::int32_t>> ReadIdLines(std::istream& in, const std::string& inputName, std::int32_t held);

}  // namespace tilewright::cli
