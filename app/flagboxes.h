// The 64 flag check boxes of the main window: bits 0 to 31 in the "Flags"
// frame, bits 32 to 63 in a frame of their own that is only on show while a
// record with 64-bit flags is.
#pragma once

#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace tilewright {

class FlagBoxes {
public:
    // Fills `lowFrame` with boxes 0 to 31 and `highFrame` with 32 to 63.
    FlagBoxes(QGroupBox* lowFrame, QGroupBox* highFrame);

    // Ticks exactly the boxes of the bits set in `flags`.
    void Show(std::uint64_t flags);
    void Clear() { Show(0); }
    // Bit i set exactly when box i is ticked (checked, not greyed).
    std::uint64_t Flags() const;
    const std::array<QCheckBox*, 64>& boxes() const { return boxes_; }

private:
    std::array<QCheckBox*, 64> boxes_{};
};

}  // namespace tilewright
