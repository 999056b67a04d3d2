#include "tilebatchedit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/files.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"

namespace tilewright {
namespace {

using testing::ReadAll;

// Which changes on disk since loading stand in the way of editing items 10 and 44.
TEST(CheckRecordsUnchanged, RefusesOnlyChangesOfTheEditedRecords) {
    const std::vector<std::uint8_t> loadedBytes = sample::BuildSampleTileData();
    const auto loaded = TileDataFile::FromBytes("TileData.mul", loadedBytes);
    const std::vector<std::int32_t> ids = {10, 44};
    const struct {
        const char* what;
        std::function<std::vector<std::uint8_t>()> onDisk;
        const char* refusal;  // the start of the message, or nothing
    } cases[] = {
        {"nothing", [&] { return loadedBytes; }, nullptr},
        {"item 45", [&] {
             auto bytes = loadedBytes;
             bytes[loaded.RecordOffset(TileKind::Item, 45)] ^= 1;
             return bytes;
         }, nullptr},
        {"land 44", [&] {
             auto bytes = loadedBytes;
             bytes[loaded.RecordOffset(TileKind::Land, 44) + 7] ^= 1;
             return bytes;
         }, nullptr},
        {"the last name byte of item 44", [&] {
             auto bytes = loadedBytes;
             bytes[loaded.RecordOffset(TileKind::Item, 44) + kClassicLayout.RecordSize(TileKind::Item) - 1] ^= 1;
             return bytes;
         }, "Tile item 44 has changed in \"TileData.mul\""},
        {"the layout", [&] { return sample::BuildSampleTileData(kWideFlagLayout); },
         "\"TileData.mul\" has changed its layout"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status checked =
            CheckRecordsUnchanged(loaded, TileDataFile::FromBytes("TileData.mul", c.onDisk()), TileKind::Item, ids);
        if (!c.refusal) {
            EXPECT_TRUE(checked.ok()) << checked.error().message;
        } else {
            ASSERT_FALSE(checked.ok());
            EXPECT_EQ(checked.error().message.rfind(c.refusal, 0), 0u) << checked.error().message;
        }
    }
}

// An edit written and taken back leaves the file as it was; taking back
// after another write is refused and writes nothing.
TEST(TileBatchEdit, WriteAndTakeBack) {
    testing::TempFolder folder;
    const std::string path = folder.file("TileData.mul");
    const std::vector<std::uint8_t> original = sample::BuildSampleTileData();
    ASSERT_TRUE(sample::WriteWholeFile(path, original).ok());
    const auto loaded = TileDataFile::Read(path);
    ASSERT_TRUE(loaded.ok());

    TileEdit heavy;
    heavy.kind = TileKind::Item;
    heavy.valueMask = 1u << 1;  // weight
    heavy.values[1] = 200;
    const std::vector<std::int32_t> ids = {3, 4, 5};
    const auto edit = TileBatchEdit::Prepare(*loaded, heavy, ids);
    ASSERT_TRUE(edit.ok()) << edit.error().message;
    EXPECT_EQ(edit->changed(), 3u);
    ASSERT_TRUE(edit->Write().ok());
    const std::vector<std::uint8_t> written = ReadAll(path);
    for (const std::int32_t id : ids) EXPECT_EQ(TileDataFile::FromBytes(path, written).Row(TileKind::Item, id).value("weight"), 200);

    ASSERT_TRUE(TakeBack(path, edit->before(), edit->after()).ok());
    EXPECT_EQ(ReadAll(path), original);

    ASSERT_TRUE(sample::WriteWholeFile(path, written).ok());
    auto changed = written;
    changed[100] ^= 1;
    ASSERT_TRUE(sample::WriteWholeFile(path, changed).ok());
    const Status refused = TakeBack(path, edit->before(), edit->after());
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("cannot be undone"), std::string::npos);
    EXPECT_EQ(ReadAll(path), changed);
}

}  // namespace
}  // namespace tilewright
