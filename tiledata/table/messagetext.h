// Values from an input, quoted in a message: a name or header may be any
// length and hold any bytes, and a message must stay one readable line.
#pragma once

#include <string>
#include <string_view>

namespace tilewright {

// `text` between quotation marks: its first 40 characters, then "…" when
// there are more; control characters and bytes that are not UTF-8 as \xNN.
std::string QuotedValue(std::string_view text);

// `byte` as "\xNN" (upper-case hex), as messages and diff lines show a byte
// that cannot stand for itself.
void AppendByteEscape(std::string& out, unsigned char byte);

}  // namespace tilewright
