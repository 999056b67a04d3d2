// What only Windows has: drive letters and backslashes, UTF-16 names, files
// held open without sharing, the read-only attribute. Sharing is checked per
// open handle, so a handle the test holds stands for the game client's.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "filereplacement.h"
#include "gamefile.h"
#include "platformfile.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "tileloader.h"

namespace tilewright {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::PathFromUtf8;
using testing::TempFolder;

Bytes Contents(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Status Opened(Result<GameFile> file) {
    if (file) return {};
    return file.error();
}

std::string Backslashed(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// A folder "Zoë\Spiel\" (with a non-ASCII letter no ANSI code page has as
// well) inside a temporary folder, holding the sample TileData.mul.
class WindowsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = Backslashed(temp.path()) + "Zo\xC3\xAB\\Spiel\xE2\x82\xAC\\";
        ASSERT_TRUE(std::filesystem::create_directories(PathFromUtf8(folder)));
        ASSERT_TRUE(sample::WriteWholeFile(path(), original).ok());
    }
    std::string path() const { return folder + "TileData.mul"; }

    TempFolder temp;
    std::string folder;
    const Bytes original = sample::BuildSampleTileData();
};

TEST_F(WindowsFolder, EveryFormOfTheFolderReachesTheFileAndKeepsTheNameAsTyped) {
    std::string forward = folder;
    for (char& c : forward)
        if (c == '\\') c = '/';
    std::string lowerDrive = folder;
    lowerDrive[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowerDrive[0])));
    for (const std::string& typed : {folder, forward, lowerDrive}) {
        SCOPED_TRACE(typed);
        for (const std::string name : {"TileData.mul", "TILEDATA.MUL", "tiledata.mul"}) {
            EXPECT_EQ(ResolveGameFile(typed, name), typed + name);
            const auto tile = LoadTile(typed, TileKind::Item, 31);
            ASSERT_TRUE(tile.ok()) << tile.error().message;
            EXPECT_EQ(tile->row, sample::SampleItemRecord(31));
        }
    }
}

TEST_F(WindowsFolder, AMissingFileIsNamedInUtf8) {
    const auto missing = GameFile::OpenForReading(folder, "art.mul");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, ErrorKind::FileMissing);
    EXPECT_NE(missing.error().message.find(folder + "art.mul"), std::string::npos) << missing.error().message;
}

TEST_F(WindowsFolder, PositionedWritesAndReplacementsReachTheFile) {
    auto file = GameFile::OpenForWriting(folder, "TileData.mul");
    ASSERT_TRUE(file.ok()) << file.error().message;
    GameFile open = std::move(file).value();
    const Bytes patch = {1, 2, 3, 4};
    ASSERT_TRUE(open.WriteAllAt(5000, patch).ok());
    ASSERT_TRUE(open.SyncAndClose().ok());
    Bytes expected = original;
    std::copy(patch.begin(), patch.end(), expected.begin() + 5000);
    EXPECT_EQ(Contents(path()), expected);

    const Bytes replaced(1000, 7);
    const Status status = ReplaceFileContents(path(), replaced);
    ASSERT_TRUE(status.ok()) << status.error().message;
    EXPECT_EQ(Contents(path()), replaced);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder)))
        names.push_back(platform::Utf8FromPath(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"TileData.mul"});
}

TEST_F(WindowsFolder, TheIdentityFollowsTheFileAndItsChanges) {
    auto identity = [&] { return GameFile::OpenForReading(folder, "tiledata.mul").value().identity(); };
    const FileIdentity first = identity();
    EXPECT_EQ(identity(), first);
    EXPECT_EQ(first.size, original.size());
    Sleep(20);
    ASSERT_TRUE(ReplaceFileContents(path(), Bytes(original.size(), 1)).ok());
    const FileIdentity changed = identity();
    EXPECT_EQ(changed.device, first.device);
    EXPECT_FALSE(changed == first);
}

// Every way of writing the file, and opening it at all, is refused while
// another handle holds it without sharing; the message names the file.
TEST_F(WindowsFolder, AFileInUseIsRefusedAndLeftUnchanged) {
    const std::wstring wide = PathFromUtf8(path()).wstring();
    const HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const struct {
        const char* what;
        std::function<Status()> attempt;
    } cases[] = {
        {"open for writing", [&] { return Opened(GameFile::OpenForWriting(folder, "TileData.mul")); }},
        {"open for reading", [&] { return Opened(GameFile::OpenForReading(folder, "TileData.mul")); }},
        {"check before replacing", [&] { return CheckReplaceable(path()); }},
        {"replace", [&] { return ReplaceFileContents(path(), Bytes(10, 1)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status status = c.attempt();
        ASSERT_FALSE(status.ok());
        EXPECT_NE(status.error().message.find(path()), std::string::npos) << status.error().message;
        EXPECT_NE(status.error().message.find("in use"), std::string::npos) << status.error().message;
    }
    CloseHandle(held);
    EXPECT_EQ(Contents(path()), original);
}

TEST_F(WindowsFolder, AReadOnlyFileIsRefusedBeforeAnythingIsWritten) {
    const std::wstring wide = PathFromUtf8(path()).wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    for (const Status& status : {CheckReplaceable(path()), ReplaceFileContents(path(), Bytes(10, 1)),
                                 Opened(GameFile::OpenForWriting(folder, "TileData.mul"))}) {
        ASSERT_FALSE(status.ok());
        EXPECT_NE(status.error().message.find(path()), std::string::npos) << status.error().message;
        EXPECT_NE(status.error().message.find("read-only"), std::string::npos) << status.error().message;
    }
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Contents(path()), original);
}

}  // namespace
}  // namespace tilewright
