// What the window shows for each flag bit: the caption beside its check box
// and the tooltip with the bit's mask.
#pragma once

#include <QString>

namespace tilewright {

// "Background", "No Shoot", "Article \"A\""; "Bit 35" for a bit without one.
QString FlagCaption(int bit);
// "Mask (in hex): 00000001"; bits 32 to 63 in 16 digits.
QString FlagTooltip(int bit);

}  // namespace tilewright
