#include "flagcaptions.h"

#include <array>

namespace tilewright {
namespace {

constexpr std::array<const char*, 41> kFlagCaptions = {
    "Background", "Weapon",      "Transparent",   "Translucent",    "Wall",        "Damaging",
    "Impassable", "Wet",         "Unknown1",      "Surface",        "Bridge",      "Generic",
    "Window",     "No Shoot",    "Article \"A\"", "Article \"An\"", "Internal",    "Foliage",
    "Partial Hue", "Unknown2",   "Map",           "Container",      "Wearable",    "LightSource",
    "Animation",  "No Diagonal", "Unknown3",      "Armor",          "Roof",        "Door",
    "Stair Back", "Stair Right", "Alpha Blend",   "Use New Art",    "Art Used",    nullptr,
    "No Shadow",  "Pixel Bleed", "Play Anim Once", "Missile Frames", "Multi Movable",
};

}  // namespace

QString FlagCaption(int bit) {
    if (bit >= 0 && bit < static_cast<int>(kFlagCaptions.size()) && kFlagCaptions[bit])
        return QString::fromLatin1(kFlagCaptions[bit]);
    return QStringLiteral("Bit %1").arg(bit);
}

QString FlagTooltip(int bit) {
    const int digits = bit < 32 ? 8 : 16;
    return QStringLiteral("Mask (in hex): ") +
           QStringLiteral("%1").arg(quint64{1} << bit, digits, 16, QLatin1Char('0')).toUpper();
}

}  // namespace tilewright
