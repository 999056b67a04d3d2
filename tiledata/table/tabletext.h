// The bytes of a table of edits as UTF-8 text, whatever a spreadsheet saved
// them as: UTF-8 with or without a byte order mark, UTF-16 of either byte
// order with its mark, or, when asked for, the Windows code page 1252.
#pragma once

#include <string>
#include <string_view>

#include "error.h"

namespace tilewright {

enum class TableEncoding { Utf8, Windows1252 };

// The text of `bytes` as UTF-8, without a byte order mark. A byte order mark
// decides the encoding; without one the bytes are `encoding`. The text is
// `bytes` itself when nothing is to convert, else it is made in `storage`.
// Text that is not valid in its encoding is refused, naming `inputName` and
// the first bad line.
Result<std::string_view> DecodeTableText(std::string_view bytes, const std::string& inputName,
                                         TableEncoding encoding, std::string& storage);

}  // namespace tilewright
