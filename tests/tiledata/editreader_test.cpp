// The CSV and JSON readers of edit tables, on what the command-line tests
// leave aside: where one cell ends and the next begins, what counts as a row,
// and the id column's own checks.
#include "editreader.h"

#include <gtest/gtest.h>

#include "shorttiledata.h"

namespace tilewright {
namespace {

const TileDataFile& File() {
    static const TileDataFile file = testing::ShortTileData({}, kWideFlagLayout);
    return file;
}

// The edits as "kind id column=value ..." lines, or the refusal's message.
std::string Read(std::string_view input, bool exact = false) {
    const auto edits = ReadTileEdits(input, "in", File(), EditReading{TableEncoding::Utf8, exact});
    if (!edits) return edits.error().message;
    std::string out;
    for (const TileEdit& edit : *edits) {
        out += std::string(KindName(edit.kind)) + " " + std::to_string(edit.id);
        for (int v = 0; v < kValueFieldCount; ++v)
            if (edit.valueMask >> v & 1) out += " " + ColumnName(kFirstValueColumn + v) + "=" + std::to_string(edit.values[v]);
        for (int bit = 0; bit < 64; ++bit)
            if (edit.flagMask >> bit & 1) out += " " + ColumnName(kFirstFlagColumn + bit) + "=" + std::to_string(edit.flagValues >> bit & 1);
        if (edit.hasName) out += " name=" + NameText(edit.name);
        out += ";";
    }
    return out;
}

struct ReadCase {
    const char* what;
    const char* input;
    const char* expected;  // the edits, or the start of the refusal
};

void ExpectReads(std::span<const ReadCase> cases) {
    for (const ReadCase& c : cases) EXPECT_EQ(Read(c.input).substr(0, std::string_view(c.expected).size()), c.expected) << c.what;
}

TEST(ReadTileEdits, CutsCellsAndRowsWhereTheTableDoes) {
    const ReadCase cases[] = {
        {"separator inside a quoted name", "kind;id;name\nitem;5;\"a;b,c\"\n", "item 5 name=a;b,c;"},
        {"comma header whose names hold no comma", "kind,id,name\nitem,5,a;b\n", "item 5 name=a;b;"},
        {"quoted line break and doubled quote", "kind,id,name\nitem,5,\"a\"\"\nb\"\n", "item 5 name=a\"\nb;"},
        {"blanks are part of the name", "kind,id,name\nitem,5, a \n", "item 5 name= a ;"},
        {"no line end after the last row", "kind,id,weight\r\nitem,5,7", "item 5 weight=7;"},
        {"header alone", "kind,id,weight\n", ""},
        {"blank lines between rows", "kind,id,weight\n\nitem,5,7\n\r\n\nland,2,\n", "item 5 weight=7;land 2;"},
        {"cells past the header", "kind,id\nitem,5,7,8\n", "in:2: the row has 4 fields, the header 2"},
        {"nothing at all", "", "in:1: there is no header row"},
        {"only blank lines", "\n\r\n", "in:1: there is no header row"},
        {"an empty id", "kind,id,weight\nitem,,7\n", "in:2:2: \"\" in column id is not an id the file holds (item 0 to 31)"},
        {"a signed id", "kind,id\nitem,-0\n", "in:2:2: \"-0\" in column id is not"},
        {"the first id past the file", "kind,id\nitem,32\n", "in:2:2: \"32\" in column id is not"},
        {"the last id of the file", "kind,id\nitem,31\n", "item 31;"},
        {"the same id of both kinds", "kind,id\nitem,4\nland,4\n", "item 4;land 4;"},
        {"an empty kind", "kind,id\n,4\n", "in:2:1: \"\" in column kind is not land or item"},
        {"a header cell quoted in part", "kind,\"id\"x\nitem,4\n", "in:1:2: a quotation mark out of place"},
    };
    ExpectReads(cases);
}

TEST(ReadTileEdits, TakesJsonCellsByTheirType) {
    const ReadCase cases[] = {
        {"null keeps the value", "[{\"kind\":\"item\",\"id\":5,\"weight\":null}]", "item 5;"},
        {"an empty array", " [ ] ", ""},
        {"keys in any order", "[{\"flag_door\":1,\"id\":5,\"kind\":\"item\"}]", "item 5 flag_door=1;"},
        {"a flag past 32 bits", "{\"kind\":\"land\",\"id\":0,\"flag_alpha_blend\":1}", "land 0 flag_alpha_blend=1;"},
        {"an exponent", "[{\"kind\":\"item\",\"id\":5,\"weight\":1e2}]", "in:1:3: \"1e2\" in column weight is not"},
        {"a number past 64 bits", "[{\"kind\":\"item\",\"id\":18446744073709551616}]", "in:1:2: \"18446744073709551616\""},
        {"true", "[{\"kind\":\"item\",\"id\":5,\"flag_door\":true}]", "in:1:3: a value in column flag_door is true or false"},
        {"an id as a string", "[{\"kind\":\"item\",\"id\":\"5\"}]", "in:1:2: \"5\" in column id is a string, not a number"},
        {"a name as a number", "[{\"kind\":\"item\",\"id\":5,\"name\":7}]", "in:1:3: \"7\" in column name is a number"},
        {"an object in a cell", "[{\"kind\":\"item\",\"id\":5,\"name\":{}}]", "in:1:3: a cell must be a number or a string"},
        {"an array in the array", "[[1]]", "in:1: the array must hold objects"},
        {"a number alone", "[5]", "in:1: the array must hold objects, not a number"},
        {"a second table", "[]\n[]", "in:2: not valid JSON"},
        {"a row without id", "[{\"kind\":\"item\"}]", "in:1: the row has no id"},
    };
    ExpectReads(cases);
}

// An empty name cell keeps the name unless the table restores records.
TEST(ReadTileEdits, AnEmptyNameCellClearsOnlyWhenExact) {
    for (const char* input : {"kind,id,name\nitem,5,\n", "[{\"kind\":\"item\",\"id\":5,\"name\":\"\"}]"}) {
        const bool json = input[0] == '[';
        EXPECT_EQ(Read(input, false), json ? "item 5 name=;" : "item 5;") << input;
        EXPECT_EQ(Read(input, true), "item 5 name=;") << input;
    }
}

}  // namespace
}  // namespace tilewright
