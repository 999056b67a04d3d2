#include "tileedit.h"

#include <gtest/gtest.h>

#include "shorttiledata.h"

namespace tilewright {
namespace {

int Column(std::string_view name) { return FindColumn(name).value(); }

struct CellCase {
    const char* column;
    const char* text;
    TileKind kind;
    int flagBits;
    EmptyCell empty;
    const char* refusal;  // nullptr: taken
};

TEST(SetCell, TakesEveryValueOfTheRangeAndNothingAround) {
    constexpr auto I = TileKind::Item, L = TileKind::Land;
    constexpr auto K = EmptyCell::Keeps, C = EmptyCell::ClearsName;
    const CellCase cases[] = {
        {"weight", "0", I, 32, K, nullptr},
        {"weight", "255", I, 32, K, nullptr},
        {"weight", "256", I, 32, K, "\"256\" in column weight is not a whole number from 0 to 255"},
        {"texture", "-32768", L, 32, K, nullptr},
        {"texture", "32767", L, 32, K, nullptr},
        {"texture", "-32769", L, 32, K, "\"-32769\" in column texture is not a whole number from -32768 to 32767"},
        {"animation", "99999999999999999999", I, 32, K, "\"99999999999999999999\" in column animation is not"},
        {"height", "1 ", I, 32, K, "\"1 \" in column height is not"},
        {"height", "-", I, 32, K, "\"-\" in column height is not"},
        {"height", "", I, 32, K, nullptr},
        {"height", "", I, 32, C, "column height needs a value"},
        {"weight", "1", L, 32, K, "\"1\" in column weight: land tiles have no weight"},
        {"texture", "", I, 32, K, nullptr},  // the empty cells of the other kind in every table row
        {"flag_background", "1", L, 32, K, nullptr},
        {"flag_background", "01", L, 32, K, "\"01\" in column flag_background is not 0 or 1"},
        {"flag_background", "", L, 32, C, "column flag_background needs a value"},
        {"name", "ABCDEFGHIJKLMNOPQRST", I, 32, K, nullptr},
        {"name", "ABCDEFGHIJKLMNOPQRSTU", I, 32, K, "the name \"ABCDEFGHIJKLMNOPQRSTU\" is longer than 20 characters"},
        {"name", "\xC3\xBF", I, 32, K, nullptr},
        {"name", "\xC4\x80", I, 32, K, "the name \"\xC4\x80\" has the character \"\xC4\x80\", above U+00FF"},
        {"name", "a\xC3", I, 32, K, "the name is not valid UTF-8"},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(std::string(c.column) + "=" + c.text);
        TileEdit edit;
        edit.kind = c.kind;
        const Status set = SetCell(edit, Column(c.column), c.text, c.flagBits, c.empty);
        ASSERT_EQ(set.ok(), c.refusal == nullptr) << (set.ok() ? "" : set.error().message);
        if (!set.ok()) {
            EXPECT_EQ(set.error().kind, ErrorKind::InvalidValue);
            EXPECT_TRUE(set.error().message.starts_with(c.refusal)) << set.error().message;
        }
    }
}

TEST(SetCell, AFlagBitOutsideTheLayoutIsRefusedWhateverTheCell) {
    const int bit40 = kFirstFlagColumn + 40;
    for (const char* text : {"1", "0", ""}) {
        TileEdit edit;
        const Status narrow = SetCell(edit, bit40, text, 32, EmptyCell::Keeps);
        ASSERT_FALSE(narrow.ok());
        EXPECT_EQ(narrow.error().message, "column " + ColumnName(bit40) + " is not in the file's layout (32-bit flags)");
        EXPECT_TRUE(SetCell(edit, bit40, text, 64, EmptyCell::Keeps).ok());
    }
}

// What the cells given do to a record: each given value and flag, nothing else.
TEST(SetCell, EditsOnlyWhatTheCellsGive) {
    const TileRow before = [] {
        TileRow row = testing::Row(TileKind::Item, 9, std::string_view("lamp\0old", 8), FlagMask(3) | FlagMask(63));
        row.value("weight") = 4;
        row.value("hue") = 9;
        return row;
    }();
    const struct {
        std::vector<std::pair<const char*, const char*>> cells;
        EmptyCell empty;
        std::uint64_t flags;
        std::int32_t weight;
        std::string_view name;  // the 20 bytes' start
    } cases[] = {
        {{{"weight", "200"}, {"hue", ""}}, EmptyCell::Keeps, before.flags, 200, std::string_view("lamp\0old", 8)},
        {{{"flag_background", "1"}, {"flag_background", "0"}}, EmptyCell::Keeps, before.flags, 4, "lamp"},
        {{{"name", "lamp"}}, EmptyCell::Keeps, before.flags, 4, std::string_view("lamp\0old", 8)},
        {{{"name", "lam"}}, EmptyCell::Keeps, before.flags, 4, std::string_view("lam\0\0", 5)},
        {{{"name", ""}}, EmptyCell::ClearsName, before.flags, 4, std::string_view("\0\0\0\0\0", 5)},
        {{{"name", ""}}, EmptyCell::Keeps, before.flags, 4, std::string_view("lamp\0old", 8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells.front().first);
        TileEdit edit;
        edit.kind = TileKind::Item;
        for (const auto& [column, text] : c.cells) ASSERT_TRUE(SetCell(edit, Column(column), text, 64, c.empty).ok());
        const TileRow after = Edited(before, edit);
        EXPECT_EQ(after.flags, c.flags);
        EXPECT_EQ(after.value("weight"), c.weight);
        EXPECT_EQ(after.value("hue"), 9);
        EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(after.name.data()), c.name.size()), c.name);
        EXPECT_TRUE(Matches(after, edit));
    }
}

TEST(ApplyTileEdits, ListsOnlyTheRecordsWhoseBytesChangeInFileOrder) {
    const TileDataFile file = testing::ShortTileData({testing::Row(TileKind::Item, 3, "three"), testing::Row(TileKind::Land, 8)});
    std::vector<TileEdit> edits(3);
    edits[0].kind = TileKind::Item, edits[0].id = 3;
    ASSERT_TRUE(SetCell(edits[0], kNameColumn, "three", 32, EmptyCell::Keeps).ok());  // the same name
    edits[1].kind = TileKind::Item, edits[1].id = 31;
    ASSERT_TRUE(SetCell(edits[1], Column("weight"), "1", 32, EmptyCell::Keeps).ok());
    edits[2].kind = TileKind::Land, edits[2].id = 8;
    ASSERT_TRUE(SetCell(edits[2], Column("texture"), "-1", 32, EmptyCell::Keeps).ok());

    const AppliedEdits applied = ApplyTileEdits(file, edits);
    ASSERT_EQ(applied.after.size(), 2u);
    EXPECT_EQ(applied.after[0].kind, TileKind::Land);
    EXPECT_EQ(applied.after[1].id, 31);
    EXPECT_EQ(TileDataFile::FromBytes("", applied.bytes, kClassicLayout).Row(TileKind::Land, 8).value("texture"), -1);
    std::size_t changedBytes = 0;
    for (std::size_t i = 0; i < applied.bytes.size(); ++i) changedBytes += applied.bytes[i] != file.bytes()[i];
    EXPECT_EQ(changedBytes, 3u);  // texture's two bytes, weight's one
}

}  // namespace
}  // namespace tilewright
