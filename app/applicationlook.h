// The look every window is laid out for: a narrow sans-serif (Arial
// metrics, bundled, at 10 pixels) and the "Windows" style, whose 13-pixel check-box
// indicator fits the 13-pixel-high check boxes.
#pragma once

class QApplication;
class QIcon;

namespace tilewright {

inline constexpr char kApplicationTitle[] = "Tilewright";

void ApplyApplicationLook(QApplication& app);
QIcon ApplicationIcon();

}  // namespace tilewright
