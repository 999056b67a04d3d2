#include "artencoder.h"

#include "decode_mul.h"
#include "gamefile.h"
#include "pngdecoder.h"

namespace tilewright::Decode_Mul {
namespace {

Error Refused(const std::string& name, const std::string& what) {
    return Error{ErrorKind::InvalidValue, Quoted(name) + " cannot be used as a picture: " + what + "."};
}

std::string Size(const RgbaImage& picture) {
    return std::to_string(picture.width) + " x " + std::to_string(picture.height);
}

const std::uint8_t* Point(const RgbaImage& picture, int x, int y) {
    return picture.rgba.data() + 4 * (static_cast<std::size_t>(y) * picture.width + x);
}

bool InDiamond(int x, int y) {
    return y < 22 ? x >= 21 - y && x <= 22 + y : x >= y - 22 && x <= 65 - y;
}

std::size_t RoundedAlpha(const RgbaImage& picture) {
    std::size_t rounded = 0;
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) rounded += picture.rgba[i] != 0 && picture.rgba[i] != 255;
    return rounded;
}

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t word) {
    out.push_back(static_cast<std::uint8_t>(word & 0xFF));
    out.push_back(static_cast<std::uint8_t>(word >> 8));
}

void PutColour(std::vector<std::uint8_t>& out, const std::uint8_t* p) { PutWord(out, RgbToColor555(p[0], p[1], p[2])); }

}  // namespace

Result<EncodedImage> EncodeLandImage(const RgbaImage& picture, const std::string& name) {
    if (picture.width != kLandImageSide || picture.height != kLandImageSide)
        return Refused(name, "a land picture is 44 x 44 points, this one is " + Size(picture));
    std::size_t wrong = 0;
    int firstX = 0, firstY = 0;
    for (int y = 0; y < kLandImageSide; ++y) {
        for (int x = 0; x < kLandImageSide; ++x) {
            if (IsOpaque(Point(picture, x, y)[3]) == InDiamond(x, y)) continue;
            if (wrong++ == 0) firstX = x, firstY = y;
        }
    }
    if (wrong > 0)
        return Refused(name, std::to_string(wrong) + (wrong == 1 ? " point lies" : " points lie") +
                                 " on the wrong side of the land diamond (opaque outside it or transparent inside), "
                                 "the first at x " + std::to_string(firstX) + ", y " + std::to_string(firstY));
    EncodedImage image;
    image.bytes.reserve(kLandImageSize);
    // Row by row from the top, each row left to right: the painter's order.
    for (int y = 0; y < kLandImageSide; ++y)
        for (int x = 0; x < kLandImageSide; ++x)
            if (InDiamond(x, y)) PutColour(image.bytes, Point(picture, x, y));
    image.roundedAlpha = RoundedAlpha(picture);
    return image;
}

Result<EncodedImage> EncodeItemImage(const RgbaImage& picture, const std::string& name) {
    if (picture.width < 1 || picture.height < 1 || picture.width > kMostPictureSide || picture.height > kMostPictureSide)
        return Refused(name, "an item picture is 1 to 1024 points a side, this one is " + Size(picture));
    const auto height = static_cast<std::size_t>(picture.height);
    EncodedImage image;
    std::vector<std::uint8_t> runs;
    std::vector<std::uint32_t> rowStarts(height);
    bool anyOpaque = false;
    for (int y = 0; y < picture.height; ++y) {
        rowStarts[static_cast<std::size_t>(y)] = static_cast<std::uint32_t>(runs.size() / 2);
        int end = 0;  // x after the previous run
        for (int x = 0; x < picture.width;) {
            if (!IsOpaque(Point(picture, x, y)[3])) {
                ++x;
                continue;
            }
            int last = x;
            while (last + 1 < picture.width && IsOpaque(Point(picture, last + 1, y)[3])) ++last;
            PutWord(runs, static_cast<std::uint16_t>(x - end));
            PutWord(runs, static_cast<std::uint16_t>(last - x + 1));
            for (int i = x; i <= last; ++i) PutColour(runs, Point(picture, i, y));
            end = last + 1;
            x = end;
            anyOpaque = true;
        }
        PutWord(runs, 0);
        PutWord(runs, 0);
    }
    if (!anyOpaque) return Refused(name, "it has no opaque point (an entry without a picture is made by art-remove)");
    if (rowStarts.back() > 0xFFFF)
        return Refused(name, "a " + Size(picture) + " picture with these points needs row offsets past 65535 words");

    image.bytes.reserve(8 + 2 * height + runs.size());
    PutWord(image.bytes, 0);
    PutWord(image.bytes, 0);
    PutWord(image.bytes, static_cast<std::uint16_t>(picture.width));
    PutWord(image.bytes, static_cast<std::uint16_t>(picture.height));
    for (std::uint32_t start : rowStarts) PutWord(image.bytes, static_cast<std::uint16_t>(start));
    image.bytes.insert(image.bytes.end(), runs.begin(), runs.end());
    image.roundedAlpha = RoundedAlpha(picture);
    return image;
}

}  // namespace tilewright::Decode_Mul
