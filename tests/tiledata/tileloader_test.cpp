#include "tileloader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gamefile.h"
#include "recordposition.h"
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
    for (int n : {0, 1, 31, 32, 1234, 16383})
        EXPECT_EQ(ReadLandRecord(folder.path(), *LandRecordPosition(n)).value(), sample::SampleLandRecord(n)) << n;
    for (int n : {0, 31, 32, 1234, 16382})
        EXPECT_EQ(ReadItemRecord(folder.path(), *ItemRecordPosition(n)).value(), sample::SampleItemRecord(n)) << n;
}

TEST_F(TileLoaderTest, RefusesRecordsThatDoNotLieWhollyInsideTheFile) {
    const auto size = static_cast<std::int32_t>(sample::kTileDataFileSize);
    struct Case {
        bool land;
        std::int32_t position;
        bool ok;
    } const cases[] = {
        {true, 1, true},           {true, 0, false},           {true, -5, false},
        {false, size - 36, true},  {false, size - 35, false},  {true, size - 25, true},
        {true, size - 24, false},  {false, INT32_MAX, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        if (c.land) {
            auto r = ReadLandRecord(folder.path(), c.position);
            ASSERT_EQ(r.ok(), c.ok);
            if (!c.ok) {
                EXPECT_EQ(r.error().kind, ErrorKind::OutOfBounds);
            }
        } else {
            auto r = ReadItemRecord(folder.path(), c.position);
            ASSERT_EQ(r.ok(), c.ok);
            if (!c.ok) {
                EXPECT_EQ(r.error().kind, ErrorKind::OutOfBounds);
                EXPECT_NE(r.error().message.find(std::to_string(c.position)), std::string::npos);
                EXPECT_NE(r.error().message.find("TileData.mul"), std::string::npos);
            }
        }
    }
}

TEST(TileLoader, AMissingFileIsReportedAndNeverCreated) {
    TempFolder folder;
    auto r = ReadItemRecord(folder.path(), 428037);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileMissing);
    EXPECT_NE(r.error().message.find(folder.file("TileData.mul")), std::string::npos);
    EXPECT_NE(r.error().message.find("position 428037"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("TileData.mul")));
}

TEST(TileLoader, AFolderInPlaceOfTheFileIsUnreadable) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("TileData.mul"));
    auto r = ReadLandRecord(folder.path(), 5);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileUnreadable);
}

TEST_F(TileLoaderTest, LoadingLeavesTheFileUntouched) {
    const auto path = folder.file("TileData.mul");
    const auto before = std::filesystem::last_write_time(path);
    for (int n = 0; n < 100; ++n) ASSERT_TRUE(ReadItemRecord(folder.path(), *ItemRecordPosition(n)).ok());
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
    EXPECT_EQ(std::filesystem::file_size(path), sample::kTileDataFileSize);
}

}  // namespace
}  // namespace tilewright
