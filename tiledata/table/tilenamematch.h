// Matching tile names against text typed by a user.
#pragma once

#include <string_view>

#include "tilerow.h"

namespace tilewright {

// True when the name (its bytes before the first zero, as ISO 8859-1) holds
// `text`, ignoring the case of the letters of ISO 8859-1. An unnamed tile
// matches no text.
bool NameContains(const TileName& name, std::u16string_view text);

// A character in lower case when it is an upper-case letter of ISO 8859-1.
char16_t FoldCase(char16_t c);

}  // namespace tilewright
