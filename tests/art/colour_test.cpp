#include <gtest/gtest.h>

#include "decode_mul.h"

namespace tilewright::Decode_Mul {
namespace {

struct ChannelCase {
    std::uint16_t channel;
    std::uint32_t scaled;
};

// Rounded to nearest: 3 is 24.68, so 25; 16 is 131.61, so 132.
constexpr ChannelCase kChannels[] = {{0, 0},     {1, 8},     {2, 16},    {3, 25},    {15, 123},
                                     {16, 132},  {29, 239},  {30, 247},  {31, 255}};

TEST(Color555ToRgb, ScalesEachChannelToTheNearestByteValueInItsPlace) {
    for (const auto& c : kChannels) {
        SCOPED_TRACE(c.channel);
        EXPECT_EQ(Color555ToRgb(static_cast<std::uint16_t>(c.channel << 10)), c.scaled);        // red, bits 0-7
        EXPECT_EQ(Color555ToRgb(static_cast<std::uint16_t>(c.channel << 5)), c.scaled << 8);    // green, bits 8-15
        EXPECT_EQ(Color555ToRgb(c.channel), c.scaled << 16);                                    // blue, bits 16-23
    }
}

struct ColourCase {
    std::uint16_t art;
    std::uint32_t windows;
};

constexpr ColourCase kExamples[] = {
    {0x7C00, 0x000000FF}, {0x03E0, 0x0000FF00}, {0x001F, 0x00FF0000}, {0x4210, 0x00848484},
    {0x7FFF, 0x00FFFFFF}, {0xFFFF, 0x00FFFFFF}, {0x0000, 0},          {0x8000, 0},
    {0x0C63, 0x00191919},  // 3, 3, 3
};

TEST(Color555ToRgb, ConvertsTheWorkedExamplesIgnoringBit15) {
    for (const auto& c : kExamples) {
        SCOPED_TRACE(c.art);
        EXPECT_EQ(Color555ToRgb(c.art), c.windows);
        EXPECT_EQ(Color555ToRgb(static_cast<std::uint16_t>(c.art ^ 0x8000)), c.windows);
    }
}

}  // namespace
}  // namespace tilewright::Decode_Mul
