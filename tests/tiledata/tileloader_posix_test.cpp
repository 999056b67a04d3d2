// What only POSIX systems have: a FIFO under the game file's name, and names
// that differ only in case naming different files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "gamefile.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "tileloader.h"

namespace tilewright {
namespace {

using testing::TempFolder;

// A FIFO would block an ordinary open until a writer came along.
TEST(TileLoader, ANonRegularFileIsRefusedWithoutWaiting) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("TileData.mul").c_str(), 0600), 0);
    auto r = LoadTile(folder.path(), TileKind::Item, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().kind, ErrorKind::FileUnreadable);
    EXPECT_NE(r.error().message.find("not a regular file"), std::string::npos);
    EXPECT_FALSE(GameFile::OpenForWriting(folder.path(), "TileData.mul").ok());
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
