#include "tilerow.h"

#include <gtest/gtest.h>

#include "tiledatabuilder.h"
#include "displaytext.h"

namespace tilewright {
namespace {

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
    TileRow item{TileKind::Item, 0, 0x11223344};
    item.value("weight") = 0xFF;
    item.value("quality") = 7;
    item.value("unknown1") = -1;
    item.value("unknown2") = 8;
    item.value("quantity") = 9;
    item.value("animation") = -32768;
    item.value("unknown3") = 10;
    item.value("hue") = 11;
    item.value("unknown4") = 12;
    item.value("unknown5") = 13;
    item.value("height") = 14;
    item.name = sample::MakeName("Door");
    const std::vector<std::uint8_t> expected = {0x44, 0x33, 0x22, 0x11, 0xFF, 7,  0xFF, 0xFF, 8, 9, 0x00, 0x80, 10,
                                                11,   12,   13,   14,   'D',  'o', 'o',  'r',  0, 0, 0,    0,    0,
                                                0,    0,    0,    0,    0,    0,  0,    0,    0, 0, 0};
    std::vector<std::uint8_t> bytes(kClassicLayout.RecordSize(TileKind::Item));
    EncodeTileRow(kClassicLayout, item, bytes);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DecodeTileRow(kClassicLayout, TileKind::Item, 0, expected), item);

    TileRow land{TileKind::Land, 0, 0x80000000u};
    land.value("texture") = -2;
    land.name = sample::MakeName("ABCDEFGHIJKLMNOPQRST");
    std::vector<std::uint8_t> landBytes(kClassicLayout.RecordSize(TileKind::Land));
    EncodeTileRow(kClassicLayout, land, landBytes);
    EXPECT_EQ(landBytes[3], 0x80);
    EXPECT_EQ(landBytes[4], 0xFE);
    EXPECT_EQ(landBytes[5], 0xFF);
    EXPECT_EQ(landBytes[25], 'T');
    EXPECT_EQ(DecodeTileRow(kClassicLayout, TileKind::Land, 0, landBytes), land);
}

}  // namespace
}  // namespace tilewright
