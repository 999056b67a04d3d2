#include "tileloader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gamefile.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"

namespace tilewright {
namespace {

using testing::TempFolder;

class TileLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sample::WriteWholeFile(folder.file("TileData.mul"), sample::BuildSampleTileData()).ok());
    }
    TempFolder folder;
};

TEST_F(TileLoaderTest, ReadsTheSampleRecordsAtTheirPositions) {
    for (int n : {0, 1, 31, 32, 1234, 16383}) {
        const auto tile = LoadTile(folder.path(), TileKind::Land, n);
        ASSERT_TRUE(tile.ok()) << n;
        EXPECT_EQ(tile->row, sample::SampleLandRecord(n)) << n;
        EXPECT_EQ(tile->position, kClassicLayout.RecordPosition(TileKind::Land, n)) << n;
        EXPECT_EQ(tile->bytes.size(), 26u);
    }
    for (int n : {0, 31, 32, 1234, 16382})
        EXPECT_EQ(LoadTile(folder.path(), TileKind::Item, n)->row, sample::SampleItemRecord(n)) << n;
}

TEST(TileLoader, RefusesRecordsThatDoNotLieWhollyInsideTheFile) {
    const auto size = static_cast<std::int32_t>(sample::kTileDataFileSize);
    struct Case {
        TileKind kind;
        std::int32_t position;
        bool ok;
    } const cases[] = {
        {TileKind::Land, 1, true},           {TileKind::Land, 0, false},          {TileKind::Land, -5, false},
        {TileKind::Item, size - 36, true},   {TileKind::Item, size - 35, false},  {TileKind::Land, size - 25, true},
        {TileKind::Land, size - 24, false},  {TileKind::Item, INT32_MAX, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const Status inside = CheckRecordInside("/x/TileData.mul", c.kind, c.position,
                                                kClassicLayout.RecordSize(c.kind), sample::kTileDataFileSize);
        ASSERT_EQ(inside.ok(), c.ok);
        if (!c.ok) {
            EXPECT_EQ(inside.error().kind, ErrorKind::OutOfBounds);
            EXPECT_NE(inside.error().message.find(std::to_string(c.position)), std::string::npos);
            EXPECT_NE(inside.error().message.find("TileData.mul"), std::string::npos);
        }
    }
}

TEST(TileLoader, AShortenedFileHoldsOnlyItsWholeRecords) {
    TempFolder folder;
    auto bytes = sample::BuildSampleTileData();
    bytes.resize(kClassicLayout.itemSectionStart + 4 + 37 + 36);
    ASSERT_TRUE(sample::WriteWholeFile(folder.file("TileData.mul"), bytes).ok());
    EXPECT_TRUE(LoadTile(folder.path(), TileKind::Item, 0).ok());
    const auto second = LoadTile(folder.path(), TileKind::Item, 1);
    ASSERT_FALSE(second.ok());
    EXPECT_EQ(second.error().kind, ErrorKind::OutOfBounds);
}

TEST(TileLoader, AMissingFileIsReportedAndNeverCreated) {
    TempFolder folder;
    auto r = LoadTile(folder.path(), TileKind::Item, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileMissing);
    EXPECT_NE(r.error().message.find(folder.file("TileData.mul")), std::string::npos);
    EXPECT_NE(r.error().message.find("position 428037"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("TileData.mul")));
}

TEST(TileLoader, AFolderInPlaceOfTheFileIsUnreadable) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("TileData.mul"));
    auto r = LoadTile(folder.path(), TileKind::Land, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileUnreadable);
}

TEST_F(TileLoaderTest, LoadingLeavesTheFileUntouched) {
    const auto path = folder.file("TileData.mul");
    const auto before = std::filesystem::last_write_time(path);
    for (int n = 0; n < 100; ++n) ASSERT_TRUE(LoadTile(folder.path(), TileKind::Item, n).ok());
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
    EXPECT_EQ(std::filesystem::file_size(path), sample::kTileDataFileSize);
}

}  // namespace
}  // namespace tilewright
