// Building records from the window's boxes, without any file.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tilecompiler.h"
#include "tilelayout.h"

namespace tilewright {
namespace {

std::vector<std::uint8_t> NameBytes(std::vector<std::uint8_t> head) {
    head.resize(kNameSize, 0);
    return head;
}

TEST(GetFlagBoxesTest, EachTickedBoxSetsItsOwnBit) {
    std::array<bool, 32> ticks{};
    EXPECT_EQ(GetFlagBoxes(ticks), 0u);
    for (int bit = 0; bit < 32; ++bit) {
        std::array<bool, 32> one{};
        one[static_cast<std::size_t>(bit)] = true;
        EXPECT_EQ(GetFlagBoxes(one), std::uint32_t{1} << bit) << bit;
    }
    ticks.fill(true);
    EXPECT_EQ(GetFlagBoxes(ticks), 0xFFFFFFFFu);
}

TEST(StoreTileNameTest, StoresEachCharacterAsOneByte) {
    const struct {
        std::u16string_view text;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {u"abc", NameBytes({0x61, 0x62, 0x63})},
        {u"\u00E9", NameBytes({0xE9})},
        {u"\u00FF\u0080", NameBytes({0xFF, 0x80})},
        {u"", NameBytes({})},
        {u"  a ", NameBytes({0x20, 0x20, 0x61, 0x20})},
        {u"ABCDEFGHIJKLMNOPQRST", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L',
                                                    'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        {u"ABCDEFGHIJKLMNOPQRSTUVW", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K',
                                                       'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        // Past the 20th character nothing is stored, so nothing can fail.
        {u"ABCDEFGHIJKLMNOPQRST\u20AC", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                                                          'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        {u"Unlabeled", NameBytes({'U', 'n', 'l', 'a', 'b', 'e', 'l', 'e', 'd'})},
    };
    for (const auto& c : cases) {
        auto name = StoreTileName(c.text);
        ASSERT_TRUE(name.ok()) << name.error().message;
        EXPECT_EQ(std::vector<std::uint8_t>(name->begin(), name->end()), c.bytes) << c.bytes.size();
    }
}

TEST(StoreTileNameTest, RefusesCharactersAboveLatin1) {
    const struct {
        std::u16string_view text;
        std::string_view mentions;
    } cases[] = {
        {u"\u20AC", "character 1, \"\xE2\x82\xAC\" (U+20AC)"},
        {u"ab\u0100", "character 3, \"\xC4\x80\" (U+0100)"},
        {u"x\U0001F600", "character 2, \"\xF0\x9F\x98\x80\" (U+1F600)"},
    };
    for (const auto& c : cases) {
        auto name = StoreTileName(c.text);
        ASSERT_FALSE(name.ok());
        EXPECT_EQ(name.error().kind, ErrorKind::InvalidValue);
        EXPECT_NE(name.error().message.find("\"Tile Name\""), std::string::npos) << name.error().message;
        EXPECT_NE(name.error().message.find(c.mentions), std::string::npos) << name.error().message;
        EXPECT_NE(name.error().message.find("U+00FF"), std::string::npos) << name.error().message;
    }
}

// An untouched name is stored as loaded, bytes after its zero included; the
// box text is not even converted.
TEST(BuildTileTest, AnUntouchedNameKeepsItsLoadedBytes) {
    TileName loaded{};
    loaded[0] = 'A';
    loaded[2] = 0xFF;
    TileForm form;
    form.valueTexts.fill(u"1");
    form.offsetText = u"5";
    form.nameText = u"\u20AC";
    form.untouchedName = loaded;
    auto tile = BuildLandTile(form);
    ASSERT_TRUE(tile.ok()) << tile.error().message;
    EXPECT_EQ(tile->record.Name, loaded);
    form.untouchedName.reset();
    EXPECT_FALSE(BuildLandTile(form).ok());
}

TileForm ItemForm() {
    TileForm form;
    form.flagTicks[0] = form.flagTicks[29] = form.flagTicks[31] = true;
    form.valueTexts = {u"255", u"1", u"-1", u"3", u"4", u"32767", u"6", u"7", u"8", u"9", u"10", u"not read"};
    form.nameText = u"abc";
    form.offsetText = u"473847";
    return form;
}

TEST(BuildTileTest, ItemRecordBytesFollowTheBoxes) {
    auto tile = BuildItemTile(ItemForm());
    ASSERT_TRUE(tile.ok()) << tile.error().message;
    EXPECT_EQ(tile->position, 473847);
    const ItemRecordBytes expected = {0x01, 0x00, 0x00, 0xA0, 0xFF, 0x01, 0xFF, 0xFF, 0x03, 0x04,
                                      0xFF, 0x7F, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x61, 0x62, 0x63};
    EXPECT_EQ(EncodeItemRecord(tile->record), expected);
}

TEST(BuildTileTest, LandRecordReadsOnlyTheIdBox) {
    TileForm form;
    form.flagTicks.fill(true);
    form.valueTexts.fill(u"junk");
    form.valueTexts[11] = u" -32768 ";
    form.nameText = u"Unlabeled";
    form.untouchedName = TileName{};  // an unnamed tile as loaded
    form.offsetText = u"5";
    auto tile = BuildLandTile(form);
    ASSERT_TRUE(tile.ok()) << tile.error().message;
    EXPECT_EQ(tile->position, 5);
    const LandRecordBytes expected = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x80};
    EXPECT_EQ(EncodeLandRecord(tile->record), expected);
}

TEST(BuildTileTest, EachItemBoxHasItsFieldsWidthAndLabel) {
    const bool wide[11] = {false, false, true, false, false, true, false, false, false, false, false};
    for (std::size_t box = 0; box < 11; ++box) {
        SCOPED_TRACE(box);
        TileForm form = ItemForm();
        for (std::u16string_view text : {u"-1", u"256", u"-32768"}) {
            form.valueTexts[box] = text;
            auto tile = BuildItemTile(form);
            EXPECT_EQ(tile.ok(), wide[box]);
            if (!tile) {
                EXPECT_NE(tile.error().message.find(kValueBoxLabels[box]), std::string::npos);
            }
        }
        for (std::u16string_view text : {u"32768", u"", u"ten"}) {
            form.valueTexts[box] = text;
            auto tile = BuildItemTile(form);
            ASSERT_FALSE(tile.ok());
            EXPECT_EQ(tile.error().kind, ErrorKind::InvalidValue);
            EXPECT_NE(tile.error().message.find("\"" + std::string(kValueBoxLabels[box]) + "\""), std::string::npos);
        }
    }
}

TEST(BuildTileTest, EmptyOffsetMeansNoTileIsLoaded) {
    TileForm form = ItemForm();
    form.offsetText.clear();
    EXPECT_EQ(BuildItemTile(form).error().kind, ErrorKind::NotLoaded);
    EXPECT_EQ(BuildLandTile(form).error().kind, ErrorKind::NotLoaded);
    form.offsetText = u" ";
    EXPECT_EQ(BuildItemTile(form).error().kind, ErrorKind::InvalidValue);
}

// Several boxes wrong at once: the one reported is the first in the order
// name, values, position, except that with nothing loaded nothing else counts.
TEST(BuildTileTest, TheFirstBoxThatDoesNotConvertIsTheOneReported) {
    const auto badName = [](TileForm& f) { f.nameText = u"\u20AC"; };
    const auto badOffset = [](TileForm& f) { f.offsetText = u"abc"; };
    const auto noOffset = [](TileForm& f) { f.offsetText.clear(); };
    const auto bad = [](std::size_t box) { return [box](TileForm& f) { f.valueTexts[box] = u"ten"; }; };
    const std::string name = "\"Tile Name\"", offset = "\"Offset :\"";
    const auto label = [](std::size_t box) { return "\"" + std::string(kValueBoxLabels[box]) + "\""; };
    const struct {
        const char* what;
        bool land;
        std::vector<std::function<void(TileForm&)>> edits;
        ErrorKind kind;
        std::string mentions;
    } cases[] = {
        {"item name and value", false, {badName, bad(0)}, ErrorKind::InvalidValue, name},
        {"item value and name", false, {bad(10), badName}, ErrorKind::InvalidValue, name},
        {"land name and texture", true, {badName, bad(kTextureBox)}, ErrorKind::InvalidValue, name},
        {"item value and offset", false, {bad(4), badOffset}, ErrorKind::InvalidValue, label(4)},
        {"land texture and offset", true, {bad(kTextureBox), badOffset}, ErrorKind::InvalidValue,
         label(kTextureBox)},
        {"item name and offset", false, {badName, badOffset}, ErrorKind::InvalidValue, name},
        {"land name and offset", true, {badName, badOffset}, ErrorKind::InvalidValue, name},
        {"item later box and earlier box", false, {bad(9), bad(1)}, ErrorKind::InvalidValue, label(1)},
        {"item empty offset and name", false, {noOffset, badName}, ErrorKind::NotLoaded, "No tile is loaded"},
        {"land empty offset and name", true, {noOffset, badName}, ErrorKind::NotLoaded, "No tile is loaded"},
        {"item empty offset and everything", false, {noOffset, badName, bad(0), bad(5)}, ErrorKind::NotLoaded,
         "No tile is loaded"},
        {"land empty offset and texture", true, {noOffset, bad(kTextureBox)}, ErrorKind::NotLoaded,
         "No tile is loaded"},
        {"item offset alone", false, {badOffset}, ErrorKind::InvalidValue, offset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TileForm form = ItemForm();
        form.valueTexts[kTextureBox] = u"12";
        for (const auto& edit : c.edits) edit(form);
        const auto land = BuildLandTile(form);
        const auto item = BuildItemTile(form);
        ASSERT_FALSE(c.land ? land.ok() : item.ok());
        const Error& error = c.land ? land.error() : item.error();
        EXPECT_EQ(error.kind, c.kind) << error.message;
        EXPECT_NE(error.message.find(c.mentions), std::string::npos) << error.message;
    }
}

}  // namespace
}  // namespace tilewright
