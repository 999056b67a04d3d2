#include "flagboxes.h"

#include <QCheckBox>
#include <QGroupBox>

#include "flagcaptions.h"
#include "tiledatalayout.h"

namespace tilewright {
namespace {

// Widths of flag boxes 16 to 31, each as wide as its caption needs.
constexpr std::array<int, 16> kRightFlagWidths = {57, 65, 73, 73, 49, 65, 73, 81, 73, 81, 73, 49, 49, 49, 73, 73};

// Boxes 0 to 31 keep the places they have always had; the upper frame's left
// column is wider, for "Play Anim Once".
QRect BoxGeometry(int bit) {
    if (bit < 16) return {8, 16 + 16 * bit, 89, 13};
    if (bit < 32) return {88, 16 + 16 * (bit - 16), kRightFlagWidths[bit - 16], 13};
    if (bit < 48) return {8, 16 + 16 * (bit - 32), 97, 13};
    return {112, 16 + 16 * (bit - 48), 57, 13};
}

}  // namespace

FlagBoxes::FlagBoxes(QGroupBox* lowFrame, QGroupBox* highFrame) {
    for (int i = 0; i < 64; ++i) {
        auto* box = new QCheckBox(FlagCaption(i), i < 32 ? lowFrame : highFrame);
        box->setObjectName(QStringLiteral("FlagState(%1)").arg(i));
        box->setToolTip(FlagTooltip(i));
        box->setGeometry(BoxGeometry(i));
        boxes_[i] = box;
    }
}

void FlagBoxes::Show(std::uint64_t flags) {
    for (int i = 0; i < 64; ++i) boxes_[i]->setChecked((flags & FlagMask(i)) != 0);
}

std::uint64_t FlagBoxes::Flags() const {
    std::uint64_t flags = 0;
    for (int i = 0; i < 64; ++i)
        if (boxes_[i]->checkState() == Qt::Checked) flags |= FlagMask(i);
    return flags;
}

}  // namespace tilewright
