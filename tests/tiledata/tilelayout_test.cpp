#include "tilelayout.h"

#include <gtest/gtest.h>

#include "tiledatabuilder.h"
#include "tileformat.h"

namespace tilewright {
namespace {

TEST(FlagTable, CaptionsMasksAndTooltips) {
    struct Case {
        int bit;
        std::string_view caption;
        const char* tooltip;
    } const cases[] = {
        {0, "Background", "Mask (in hex): 00000001"},   {8, "Unknown1", "Mask (in hex): 00000100"},
        {13, "No Shoot", "Mask (in hex): 00002000"},    {14, "Article \"A\"", "Mask (in hex): 00004000"},
        {15, "Article \"An\"", "Mask (in hex): 00008000"}, {23, "LightSource", "Mask (in hex): 00800000"},
        {25, "No Diagonal", "Mask (in hex): 02000000"}, {29, "Door", "Mask (in hex): 20000000"},
        {31, "Stair Right", "Mask (in hex): 80000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlagCaption(c.bit), c.caption);
        EXPECT_EQ(FlagTooltip(c.bit), c.tooltip);
    }
}

TEST(Formatting, HexIsUpperCaseWithoutLeadingZeros) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, "0"}, {2, "2"}, {26, "1A"}, {37, "25"}, {0xABCDEF, "ABCDEF"}, {0x80000000u, "80000000"},
        {0xFFFFFFFFu, "FFFFFFFF"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatHex(value), text);
}

TEST(Names, DecodeStopsAtFirstZeroAndMapsEveryByteToItsOwnCodePoint) {
    TileName abc = sample::MakeName("ABC");
    abc[4] = 'x';
    const std::pair<TileName, std::u16string> cases[] = {
        {TileName{}, u""},
        {abc, u"ABC"},
        {sample::MakeName("ABCDEFGHIJKLMNOPQRST"), u"ABCDEFGHIJKLMNOPQRST"},
        {sample::MakeName("caf\xE9 \x80\xFF"), u"caf\u00E9 \u0080\u00FF"},
    };
    for (const auto& [name, text] : cases) EXPECT_EQ(DecodeTileName(name), text);
}

TEST(RecordCoding, FieldsSitAtTheirOffsetsLittleEndian) {
    ItemTileRecord item;
    item.Flags = 0x11223344;
    item.Weight = 0xFF;
    item.Quality = 7;
    item.Unknown1 = -1;
    item.Unknown2 = 8;
    item.Quantity = 9;
    item.Animation = -32768;
    item.Unknown3 = 10;
    item.Hue = 11;
    item.Unknown4 = 12;
    item.Unknown5 = 13;
    item.Height = 14;
    item.Name = sample::MakeName("Door");
    const ItemRecordBytes expected = {0x44, 0x33, 0x22, 0x11, 0xFF, 7,  0xFF, 0xFF, 8, 9, 0x00, 0x80, 10,
                                      11,   12,   13,   14,   'D',  'o', 'o',  'r',  0, 0, 0,    0,    0,
                                      0,    0,    0,    0,    0,    0,  0,    0,    0, 0, 0};
    EXPECT_EQ(EncodeItemRecord(item), expected);
    EXPECT_EQ(DecodeItemRecord(expected), item);

    LandTileRecord land{0x80000000u, -2, sample::MakeName("ABCDEFGHIJKLMNOPQRST")};
    const LandRecordBytes landBytes = EncodeLandRecord(land);
    EXPECT_EQ(landBytes[3], 0x80);
    EXPECT_EQ(landBytes[4], 0xFE);
    EXPECT_EQ(landBytes[5], 0xFF);
    EXPECT_EQ(landBytes[25], 'T');
    EXPECT_EQ(DecodeLandRecord(landBytes), land);
}

TEST(RecordCoding, SampleRecordsSurviveARoundTrip) {
    for (int n = 0; n < 2000; ++n) {
        const auto land = sample::SampleLandRecord(n);
        const auto item = sample::SampleItemRecord(n);
        ASSERT_EQ(DecodeLandRecord(EncodeLandRecord(land)), land);
        ASSERT_EQ(DecodeItemRecord(EncodeItemRecord(item)), item);
    }
}

}  // namespace
}  // namespace tilewright
