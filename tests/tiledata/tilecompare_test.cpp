#include "tilecompare.h"

#include <gtest/gtest.h>

#include "shorttiledata.h"

namespace tilewright {
namespace {

std::string Differences(const TileRow& before, const TileRow& after) {
    std::string out;
    const std::size_t lines = AppendDifferences(out, before, after);
    EXPECT_EQ(lines, static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')));
    return out;
}

// Escaped are exactly the bytes that could split or blur a line: below
// U+0020, U+007F to U+009F, and the quote and backslash.
TEST(AppendDifferences, EscapesNameBytesAtTheEdgesOfTheControlRanges) {
    const struct {
        std::string_view name;
        const char* shown;
    } cases[] = {
        {"\x1F\x20", "\\x1F "},
        {"\x7E\x7F", "~\\x7F"},
        {"\x80\x9F", "\\x80\\x9F"},
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"\xC2\x85", "\xC3\x82\\x85"},  // bytes that spell U+0085 in UTF-8 are two characters here
        {"\"\\", "\\\"\\\\"},
    };
    for (const auto& c : cases) {
        const TileRow before = testing::Row(TileKind::Land, 2);
        EXPECT_EQ(Differences(before, testing::Row(TileKind::Land, 2, c.name)),
                  "land 2 name: \"\" -> \"" + std::string(c.shown) + "\"\n");
    }
}

TEST(AppendDifferences, ComparesAsExported) {
    const TileRow before = testing::Row(TileKind::Item, 4, std::string_view("oak\0x", 5), FlagMask(63));
    TileRow same = testing::Row(TileKind::Item, 4, std::string_view("oak\0y", 5), FlagMask(63));
    EXPECT_EQ(Differences(before, same), "");  // bytes after the name's zero are not compared

    TileRow after = before;
    after.flags = FlagMask(0);
    after.value("unknown1") = -2;
    EXPECT_EQ(Differences(before, after), "item 4 unknown1: 0 -> -2\nitem 4 flag_background: 0 -> 1\n"
                                          "item 4 " + ColumnName(kFirstFlagColumn + 63) + ": 1 -> 0\n");
}

// Records only one file holds are compared with empty ones; a flag bit the
// classic layout lacks counts as clear there.
TEST(CompareTileData, ComparesFilesOfOtherLayoutsAndLengths) {
    TileRow wide = testing::Row(TileKind::Item, 30, "", FlagMask(1) | FlagMask(40));
    wide.value("quantity") = 3;
    const TileDataFile classic = testing::ShortTileData({testing::Row(TileKind::Item, 30, "", FlagMask(1))});
    TileDataFile longer = testing::ShortTileData({wide}, kWideFlagLayout);
    std::string out;
    EXPECT_EQ(CompareTileData(classic, longer, out), 2u);
    EXPECT_EQ(out, "item 30 quantity: 0 -> 3\nitem 30 " + ColumnName(kFirstFlagColumn + 40) + ": 0 -> 1\n");

    sample::TileDataBuilder builder;
    TileRow past = testing::Row(TileKind::Item, 40, "far");
    builder.Set(past);
    std::vector<std::uint8_t> bytes = builder.bytes();
    bytes.resize(kClassicLayout.itemSectionStart + 2 * kClassicLayout.BlockSize(TileKind::Item));
    const TileDataFile twoBlocks = TileDataFile::FromBytes("two.mul", bytes, kClassicLayout);
    out.clear();
    EXPECT_EQ(CompareTileData(twoBlocks, classic, out), 2u);
    EXPECT_EQ(out, "item 30 flag_weapon: 0 -> 1\nitem 40 name: \"far\" -> \"\"\n");
}

}  // namespace
}  // namespace tilewright
