#include "tableexport.h"

#include <gtest/gtest.h>

#include "editreader.h"
#include "shorttiledata.h"

namespace tilewright {
namespace {

// The line of `table` that starts with `prefix`, without its line end.
std::string LineStartingWith(const std::string& table, const std::string& prefix) {
    const std::size_t at = table.find("\n" + prefix);
    if (at == std::string::npos) return {};
    return table.substr(at + 1, table.find('\n', at + 1) - at - 1);
}

TEST(ExportTable, QuotesCsvNamesOnlyWhenTheyNeedIt) {
    const struct {
        std::string_view name;  // ISO 8859-1 bytes
        const char* cell;
    } cases[] = {
        {"plain name", "plain name"},
        {"a;b 'c'", "a;b 'c'"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const TileDataFile file = testing::ShortTileData({testing::Row(TileKind::Item, 7, c.name)});
        const std::string table = ExportTable(file, KindSelection::Item, TableFormat::Csv);
        EXPECT_NE(table.find("\r\nitem,7," + std::string(c.cell) + ",,0,0,"), std::string::npos) << c.cell;  // no texture
    }
}

// The header, its sharing by both kinds and the order of the rows are
// checked through the command line; here, the cells of each kind.
TEST(ExportTable, WritesEachKindsOwnCells) {
    TileRow land = testing::Row(TileKind::Land, 1, "", FlagMask(31));
    land.value("texture") = -32768;
    TileRow item = testing::Row(TileKind::Item, 0, "\x01\"\\\x7F");
    item.value("height") = 255;
    const TileDataFile file = testing::ShortTileData({land, item});

    const std::string csv = ExportTable(file, KindSelection::All, TableFormat::Csv);
    std::string landLine = "land,1,,-32768" + std::string(kValueFieldCount - 1, ',');
    for (int bit = 0; bit < 31; ++bit) landLine += ",0";
    EXPECT_EQ(LineStartingWith(csv, "land,1,"), landLine + ",1\r");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 16384 + 32);

    const std::string json = ExportTable(file, KindSelection::Item, TableFormat::Json);
    EXPECT_EQ(json.substr(0, 2), "[\n");
    EXPECT_EQ(json.substr(json.size() - 3), "\n]\n");
    const std::string first = LineStartingWith(json, "{\"kind\":\"item\",\"id\":0,");
    EXPECT_TRUE(first.starts_with("{\"kind\":\"item\",\"id\":0,\"name\":\"\\u0001\\\"\\\\\x7F\",\"weight\":0,")) << first;
    EXPECT_NE(first.find(",\"height\":255,\"flag_"), std::string::npos) << first;
    EXPECT_EQ(first.find("texture"), std::string::npos);
    EXPECT_EQ(first.back(), ',');
}

// What an export says is what an import of it does: exported from one file
// and read into an empty one, every record comes back byte for byte.
TEST(ExportTable, ReadBackExactRestoresEveryRecord) {
    TileRow item = testing::Row(TileKind::Item, 31, "\"a,b\"\n\x85\xFF\\", ~std::uint64_t{0});
    item.value("animation") = -1;
    const TileDataFile source = testing::ShortTileData({testing::Row(TileKind::Land, 16383, "x;y\t"), item}, kWideFlagLayout);
    const TileDataFile empty = testing::ShortTileData({}, kWideFlagLayout);
    for (const TableFormat format : {TableFormat::Csv, TableFormat::Json}) {
        const std::string table = ExportTable(source, KindSelection::All, format);
        const auto edits = ReadTileEdits(table, "table", empty, EditReading{TableEncoding::Utf8, true});
        ASSERT_TRUE(edits.ok()) << edits.error().message;
        EXPECT_TRUE(std::ranges::equal(ApplyTileEdits(empty, *edits).bytes, source.bytes()));
    }
}

}  // namespace
}  // namespace tilewright
