#include "tilenamematch.h"

#include <algorithm>
#include <string>

#include "displaytext.h"

namespace tilewright {
// Upper-case letters of ISO 8859-1: A-Z and U+00C0 to U+00DE but for the
// multiplication sign.
char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 0x20);
    return c;
}

bool NameContains(const TileName& name, std::u16string_view text) {
    std::u16string shown = DecodeTileName(name);
    if (shown.empty()) return false;
    std::u16string wanted(text);
    std::transform(shown.begin(), shown.end(), shown.begin(), FoldCase);
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), FoldCase);
    return shown.find(wanted) != std::u16string::npos;
}

}  // namespace tilewright
