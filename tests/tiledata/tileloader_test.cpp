#include "tileloader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// A FIFO would block an ordinary open until a writer came along.
TEST(TileLoader, ANonRegularFileIsRefusedWithoutWaiting) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("TileData.mul").c_str(), 0600), 0);
    auto r = ReadItemRecord(folder.path(), 428037);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileUnreadable);
    EXPECT_NE(r.error().message.find("not a regular file"), std::string::npos);
    EXPECT_FALSE(GameFile::OpenForWriting(folder.path(), "TileData.mul").ok());
}

TEST_F(TileLoaderTest, LoadingLeavesTheFileUntouched) {
    const auto path = folder.file("TileData.mul");
    const auto before = std::filesystem::last_write_time(path);
    for (int n = 0; n < 100; ++n) ASSERT_TRUE(ReadItemRecord(folder.path(), *ItemRecordPosition(n)).ok());
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
    EXPECT_EQ(std::filesystem::file_size(path), sample::kTileDataFileSize);
}

TEST(GameFileNames, OtherLetterCasesAreFoundButTheExactNameWins) {
    TempFolder folder;
    ASSERT_TRUE(sample::WriteWholeFile(folder.file("tiledata.MUL"), {1}).ok());
    EXPECT_EQ(ResolveGameFile(folder.path(), "TileData.mul"), folder.file("tiledata.MUL"));

    ASSERT_TRUE(sample::WriteWholeFile(folder.file("TileData.mul"), {2}).ok());
    EXPECT_EQ(ResolveGameFile(folder.path(), "TileData.mul"), folder.file("TileData.mul"));

    // Two case variants and no exact match: neither is picked.
    ASSERT_TRUE(sample::WriteWholeFile(folder.file("ART.mul"), {3}).ok());
    ASSERT_TRUE(sample::WriteWholeFile(folder.file("Art.MUL"), {4}).ok());
    EXPECT_EQ(ResolveGameFile(folder.path(), "art.mul"), folder.file("art.mul"));
}

TEST(GameFileNames, AFolderWithoutTrailingSeparatorIsJoinedDirectly) {
    TempFolder folder;
    ASSERT_TRUE(sample::WriteWholeFile(folder.file("gameTileData.mul"), {1}).ok());
    const std::string prefix = folder.path() + "game";
    EXPECT_EQ(ResolveGameFile(prefix, "TileData.mul"), folder.file("gameTileData.mul"));
    EXPECT_EQ(ResolveGameFile(prefix, "tiledata.mul"), folder.file("gameTileData.mul"));
}

}  // namespace
}  // namespace tilewright
