// The three layouts of TileData.mul: positions, the size rules, 64-bit flags,
// and loading and compiling every record of a whole file of each layout.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "support/files.h"
#include "support/tempfolder.h"
#include "tilecompiler.h"
#include "tiledatabuilder.h"
#include "tiledatafile.h"
#include "displaytext.h"
#include "tileloader.h"
#include "tilenamematch.h"

namespace tilewright {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ReadAll;
using testing::TempFolder;

const TileDataLayout* const kLayouts[] = {&kClassicLayout, &kLargeItemLayout, &kWideFlagLayout};

TEST(LayoutPositions, WorkedPositionsOfEachLayout) {
    const struct {
        const TileDataLayout& layout;
        TileKind kind;
        std::int32_t n;
        std::int32_t position;
    } cases[] = {
        {kClassicLayout, TileKind::Land, 0, 5},
        {kClassicLayout, TileKind::Land, 16383, 428007},      // its 26 bytes end the land section
        {kClassicLayout, TileKind::Item, 0, 428037},
        {kClassicLayout, TileKind::Item, 16383, 1036252},     // its 37 bytes end the file
        {kLargeItemLayout, TileKind::Item, 32767, 1644508},
        {kWideFlagLayout, TileKind::Land, 31, 935},
        {kWideFlagLayout, TileKind::Land, 32, 969},           // after the second block header
        {kWideFlagLayout, TileKind::Land, 16383, 493539},     // its 30 bytes end the land section
        {kWideFlagLayout, TileKind::Item, 0, 493573},
        {kWideFlagLayout, TileKind::Item, 32, 493573 + 32 * 41 + 4},
        {kWideFlagLayout, TileKind::Item, 65535, 3188696},    // its 41 bytes end the file
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.layout.RecordPosition(c.kind, c.n), c.position) << c.layout.id << " " << c.n;
        EXPECT_LE(c.position - 1 + c.layout.RecordSize(c.kind),
                  c.kind == TileKind::Land ? c.layout.itemSectionStart : c.layout.FileSize());
    }
}

TEST(LayoutForFileSize, SizeRules) {
    const struct {
        std::uint64_t size;
        std::string_view id;
        int flagBits;
        std::int32_t items;
        std::int32_t listed;
        bool exact = true;
    } cases[] = {
        {1036288, "classic", 32, 16384, 16383},
        {1644544, "large", 32, 32768, 32768},
        {3188736, "64bit", 64, 65536, 65536},
        {428032 + 1188 * 3, "classic", 32, 96, 16383},  // whole blocks, fewer of them
        {493568 + 1316 * 10, "64bit", 64, 320, 320},
        {428032, "classic", 32, 0, 16383},             // a land section alone
        {1036288 - 1, "classic", 32, 16384, 16383, false},  // fits no layout: the classic arithmetic
        {1036288 + 1, "classic", 32, 16384, 16383, false},
        {1644544 + 1, "classic", 32, 16384, 16383, false},
        {3188736 - 1, "classic", 32, 16384, 16383, false},
        {1000, "classic", 32, 16384, 16383, false},
        {0, "classic", 32, 16384, 16383, false},
    };
    for (const auto& c : cases) {
        const TileDataLayout layout = LayoutForFileSize(c.size);
        EXPECT_EQ(layout.id, c.id) << c.size;
        EXPECT_EQ(layout.FlagBits(), c.flagBits) << c.size;
        EXPECT_EQ(layout.itemRecordCount, c.items) << c.size;
        EXPECT_EQ(layout.ListedCount(TileKind::Item), c.listed) << c.size;
        EXPECT_EQ(layout.ListedCount(TileKind::Land), 16384) << c.size;
        EXPECT_EQ(ExactLayoutForFileSize(c.size).has_value(), c.exact) << c.size;
    }
}

TEST(LayoutRecords, SixtyFourBitFlagsShiftEveryLaterField) {
    TileRow item{TileKind::Item, 0, 0x8000001000000001ull};
    item.value("weight") = 255;
    item.value("animation") = -2;
    item.value("height") = 7;
    item.name = sample::MakeName("torch");
    Bytes bytes(kWideFlagLayout.RecordSize(TileKind::Item));
    EncodeTileRow(kWideFlagLayout, item, bytes);
    const Bytes head = {0x01, 0, 0, 0, 0x10, 0, 0, 0x80, 255, 0, 0, 0, 0, 0, 0xFE, 0xFF, 0, 0, 0, 0, 7, 't'};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + head.size()), head);
    EXPECT_EQ(DecodeTileRow(kWideFlagLayout, TileKind::Item, 0, bytes), item);

    TileRow land{TileKind::Land, 0, 0xFFFFFFFF00000000ull};
    land.value("texture") = -32768;
    land.name = sample::MakeName("grass");
    Bytes landBytes(30);
    EncodeTileRow(kWideFlagLayout, land, landBytes);
    EXPECT_EQ(Bytes(landBytes.begin(), landBytes.begin() + 11),
              (Bytes{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x80, 'g'}));
    EXPECT_EQ(DecodeTileRow(kWideFlagLayout, TileKind::Land, 0, landBytes), land);
    EXPECT_EQ(FormatHex(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
}

class WholeFile : public ::testing::TestWithParam<const TileDataLayout*> {};

// Every record loaded gives back its own bytes when encoded again; a few go
// through a real compile into the file.
TEST_P(WholeFile, LoadAndCompileEveryRecordUnchanged) {
    const TileDataLayout& layout = *GetParam();
    TempFolder folder;
    const Bytes original = sample::BuildSampleTileData(layout);
    ASSERT_EQ(original.size(), layout.FileSize());
    ASSERT_TRUE(sample::WriteWholeFile(folder.file(kTileDataFileName), original));

    const auto file = TileDataFile::FromBytes("w", original);
    for (TileKind kind : {TileKind::Land, TileKind::Item}) {
        for (std::int32_t n = 0; n < layout.RecordCount(kind); ++n) {
            Bytes again(layout.RecordSize(kind));
            EncodeTileRow(layout, file.Row(kind, n), again);
            const auto bytes = file.RecordBytes(kind, n);
            ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), again.begin())) << n;
        }
    }

    const std::int32_t lastItem = layout.RecordCount(TileKind::Item) - 1;
    const std::pair<TileKind, std::int32_t> tiles[] = {{TileKind::Land, 0},  {TileKind::Land, 31},
                                                       {TileKind::Land, 32}, {TileKind::Land, 16383},
                                                       {TileKind::Item, 0},  {TileKind::Item, 32},
                                                       {TileKind::Item, lastItem}};
    for (const auto& [kind, n] : tiles) {
        auto tile = LoadTile(folder.path(), kind, n);
        ASSERT_TRUE(tile) << tile.error().message;
        ASSERT_TRUE(CompileTile(folder.path(), tile->row, tile->position));
    }
    EXPECT_TRUE(ReadAll(folder.file(kTileDataFileName)) == original);
}

// Ticking the highest bit the layout has changes exactly the record's bytes.
TEST_P(WholeFile, OneHighFlagBitEditChangesOnlyItsRecord) {
    const TileDataLayout& layout = *GetParam();
    TempFolder folder;
    const Bytes original = sample::BuildSampleTileData(layout);
    ASSERT_TRUE(sample::WriteWholeFile(folder.file(kTileDataFileName), original));
    const std::int32_t n = layout.RecordCount(TileKind::Item) - 1;
    const int bit = layout.FlagBits() - 1;

    auto item = LoadTile(folder.path(), TileKind::Item, n);
    ASSERT_TRUE(item);
    TileRow edited = item->row;
    edited.flags ^= FlagMask(bit);
    ASSERT_TRUE(CompileTile(folder.path(), edited, item->position));

    const Bytes after = ReadAll(folder.file(kTileDataFileName));
    ASSERT_EQ(after.size(), original.size());
    const std::size_t start = static_cast<std::size_t>(item->position) - 1;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != original[i]) {
            EXPECT_TRUE(i >= start && i < start + layout.RecordSize(TileKind::Item)) << "byte " << i;
        }
    auto reloaded = LoadTile(folder.path(), TileKind::Item, n);
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->row.flags, item->row.flags ^ FlagMask(bit));
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, WholeFile, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param->id == "64bit" ? "wide" : info.param->id); });

// A tile loaded from one file is not written into a file of another layout
// that has taken its place: its record would straddle two of the new file's.
TEST(CompileAcrossLayouts, AFileReplacedByAnotherLayoutIsRefused) {
    TempFolder folder;
    const std::string path = folder.file(kTileDataFileName);
    ASSERT_TRUE(sample::WriteWholeFile(path, sample::BuildSampleTileData(kClassicLayout)));
    auto item = LoadTile(folder.path(), TileKind::Item, 100);
    ASSERT_TRUE(item);
    const Bytes wide = sample::BuildSampleTileData(kWideFlagLayout);
    ASSERT_TRUE(sample::WriteWholeFile(path, wide));

    const Status written = CompileTile(folder.path(), item->row, item->position);
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find("has changed since item tile 100 was loaded"), std::string::npos)
        << written.error().message;
    EXPECT_TRUE(ReadAll(path) == wide);
}

TEST(TileDataFileTest, HoldsTheRecordsLyingWhollyInside) {
    Bytes bytes = sample::BuildSampleTileData(kWideFlagLayout);
    const auto whole = TileDataFile::FromBytes("w", bytes);
    EXPECT_EQ(whole.layout(), kWideFlagLayout);
    EXPECT_EQ(whole.HeldCount(TileKind::Item), 65536);
    EXPECT_EQ(whole.Row(TileKind::Item, 65535), sample::SampleItemRecord(65535, kWideFlagLayout));
    EXPECT_EQ(whole.Row(TileKind::Land, 16383), sample::SampleLandRecord(16383, kWideFlagLayout));

    bytes = sample::BuildSampleTileData(kClassicLayout);
    bytes.resize(bytes.size() - 1);  // no layout: classic arithmetic, last item cut
    const auto shortened = TileDataFile::FromBytes("s", bytes);
    EXPECT_EQ(shortened.HeldCount(TileKind::Land), 16384);
    EXPECT_EQ(shortened.HeldCount(TileKind::Item), 16383);
    bytes.resize(1000);
    EXPECT_EQ(TileDataFile::FromBytes("t", bytes).HeldCount(TileKind::Land), 38);  // land 37 ends at byte 996
}

TEST(NameContainsTest, IgnoresCaseOfLatinOneLetters) {
    const struct {
        const char* name;
        std::u16string_view text;
        bool matches;
    } cases[] = {
        {"Torch item5", u"torch", true},  {"torch", u"TORCH", true},  {"wall torch", u"rch", true},
        {"caf\xC9", u"\u00E9", true},      {"\xD7", u"\u00F7", false}, {"torch", u"torches", false},
        {"", u"", false},                  {"", u"a", false},          {"ABC", u"", true},
    };
    for (const auto& c : cases) EXPECT_EQ(NameContains(sample::MakeName(c.name), c.text), c.matches) << c.name;
    TileName afterZero = sample::MakeName("ab");
    afterZero[3] = 'c';
    EXPECT_FALSE(NameContains(afterZero, u"c"));
}

}  // namespace
}  // namespace tilewright
