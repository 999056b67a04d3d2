// Compiling into a full-size TileData.mul made in a temporary folder: exactly
// the record's bytes change, and every refusal leaves the folder as it was.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/files.h"
#include "support/tempfolder.h"
#include "tilecompiler.h"
#include "tiledatabuilder.h"
#include "displaytext.h"
#include "tileloader.h"

namespace tilewright {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::Listing;
using testing::ReadAll;
using testing::TempFolder;

constexpr auto kFileSize = static_cast<std::int32_t>(sample::kTileDataFileSize);

// Every byte non-zero and varied, so that a stray write shows anywhere,
// block headers included.
Bytes NoiseFile() {
    Bytes bytes(sample::kTileDataFileSize);
    std::uint32_t x = 0x2545F491;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(1 + x % 255);
    }
    return bytes;
}

std::int32_t PositionOf(TileKind kind, std::int32_t n) { return *kClassicLayout.RecordPosition(kind, n); }

Bytes WithRecord(Bytes bytes, const TileRow& row) {
    EncodeTileRow(kClassicLayout, row, std::span(bytes).subspan(static_cast<std::size_t>(PositionOf(row.kind, row.id) - 1)));
    return bytes;
}

TileRow Land(std::int32_t n, std::uint64_t flags, std::int32_t texture, const TileName& name) {
    TileRow row{TileKind::Land, n, flags};
    row.value("texture") = texture;
    row.name = name;
    return row;
}

TileRow Item(std::int32_t n, std::uint64_t flags, std::array<std::int32_t, 11> values, const TileName& name) {
    TileRow row{TileKind::Item, n, flags};
    std::copy(values.begin(), values.end(), row.values.begin() + 1);
    row.name = name;
    return row;
}

Status Compile(const std::string& folder, const TileRow& row) {
    return CompileTile(folder, row, PositionOf(row.kind, row.id));
}

const TileRow kLand = Land(0, 0x20000000, -2, sample::MakeName("Door"));
const TileRow kItem = Item(0, 0x20000000, {50, 1, -3, 4, 5, 16383, 7, 8, 9, 10, 11}, sample::MakeName("Wooden Door"));

TileRow Numbered(TileRow row, std::int32_t n) {
    row.id = n;
    return row;
}

class CompileFileTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void Reset() { ASSERT_TRUE(sample::WriteWholeFile(path(), original).ok()); }
    std::string path() const { return folder.file(kTileDataFileName); }

    TempFolder folder;
    const Bytes original = NoiseFile();
};

TEST_F(CompileFileTest, ChangesExactlyTheRecordsBytes) {
    for (const TileRow& row : {Numbered(kLand, 0), Numbered(kLand, 16383), Numbered(kItem, 0), Numbered(kItem, 1234),
                               Numbered(kItem, 16382), Numbered(kItem, 16383)}) {
        SCOPED_TRACE(row.id);
        Reset();
        const Status status = Compile(folder.path(), row);
        ASSERT_TRUE(status.ok()) << status.error().message;
        const Bytes expected = WithRecord(original, row);
        ASSERT_NE(expected, original);
        EXPECT_TRUE(ReadAll(path()) == expected);
    }
}

TEST_F(CompileFileTest, CompilingALoadedRecordUnchangedLeavesTheFileIdentical) {
    const std::string highBytes = "\xE9\xFF\x80\xA0z";
    const TileRow rows[] = {
        Land(0, 0, 0, TileName{}),
        Land(31, 0x80000000, -1, sample::MakeName("ABCDEFGHIJKLMNOPQRST")),
        Land(32, 0xFFFFFFFF, -32768, sample::MakeName(highBytes)),
        Land(16382, 0x00000002, 32767, sample::MakeName("Unlabeled")),
        Item(0, 0xFFFFFFFF, {255, 255, -1, 255, 255, -32768, 255, 255, 255, 255, 255}, sample::MakeName(highBytes)),
        Item(31, 0, {}, TileName{}),
        Item(32, 0x80000000, {1, 2, -32768, 3, 4, -1, 5, 6, 7, 8, 9},
             sample::MakeName("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3")),
        Item(16382, 0x20000000, {50, 0, 32767, 0, 0, 32767, 0, 0, 0, 0, 0}, sample::MakeName("Unlabeled")),
    };
    Bytes file = original;
    for (const TileRow& row : rows) file = WithRecord(file, row);
    ASSERT_TRUE(sample::WriteWholeFile(path(), file).ok());

    for (const TileRow& row : rows) {
        SCOPED_TRACE(row.id);
        auto loaded = LoadTile(folder.path(), row.kind, row.id);
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded->row, row);
        const Status status = CompileTile(folder.path(), loaded->row, loaded->position);
        ASSERT_TRUE(status.ok()) << status.error().message;
    }
    EXPECT_TRUE(ReadAll(path()) == file);
}

// Positions the file's layout does not give the tile, or that lie outside it.
TEST_F(CompileFileTest, RefusalsLeaveTheFileUntouched) {
    const struct {
        const char* what;
        TileRow row;
        std::int32_t position;
    } cases[] = {
        {"position 0", Numbered(kLand, 100), 0},
        {"position -5", Numbered(kItem, 100), -5},
        {"position min", Numbered(kLand, 100), INT32_MIN},
        {"another tile's position", Numbered(kItem, 100), PositionOf(TileKind::Item, 101)},
        {"the other kind's position", Numbered(kLand, 100), PositionOf(TileKind::Item, 100)},
        {"position max", Numbered(kItem, 100), INT32_MAX},
        {"a tile past the end", Numbered(kItem, 40000), 1036290},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status status = CompileTile(folder.path(), c.row, c.position);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().kind, ErrorKind::OutOfBounds) << status.error().message;
        EXPECT_TRUE(ReadAll(path()) == original);
        EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{kTileDataFileName});
    }
}

// A record another program wrote since it was loaded is not written over.
TEST_F(CompileFileTest, ARecordChangedSinceItWasLoadedIsRefused) {
    auto loaded = LoadTile(folder.path(), TileKind::Item, 7);
    ASSERT_TRUE(loaded.ok());
    ASSERT_TRUE(Compile(folder.path(), Numbered(kItem, 7)).ok());  // the other program's write
    const Bytes changed = ReadAll(path());
    const Status status = CompileTile(folder.path(), loaded->row, loaded->position, &*loaded);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().message.find("Tile item 7 has changed in"), std::string::npos) << status.error().message;
    EXPECT_TRUE(ReadAll(path()) == changed);
}

TEST(CompileMissingFileTest, NeverCreatesTheFileOrItsFolder) {
    TempFolder empty;
    for (const std::string& dir : {empty.path(), empty.path() + "Ultima Online/"}) {
        SCOPED_TRACE(dir);
        EXPECT_EQ(Compile(dir, kLand).error().kind, ErrorKind::FileMissing);
        EXPECT_EQ(Compile(dir, kItem).error().kind, ErrorKind::FileMissing);
        EXPECT_TRUE(Listing(empty.path()).empty());
    }
}

// How the compile went under a read-only file, as told by a child process
// that may have had to give up root first.
enum ReadOnlyOutcome : int { kRefused = 0, kWrongOutcome = 1, kCannotDropRoot = 2 };

ReadOnlyOutcome CompileReadOnly(const std::string& folder, const std::string& path, std::string& why) {
    const Status status = Compile(folder, kItem);
    if (status.ok()) {
        why = "the compile succeeded";
        return kWrongOutcome;
    }
    if (status.error().kind != ErrorKind::FileUnwritable || status.error().message.find(path) == std::string::npos) {
        why = "wrong refusal: " + status.error().message;
        return kWrongOutcome;
    }
    return kRefused;
}

// Root writes through file modes, so as root the compile runs in a child that
// has dropped to an unprivileged user; the child reports through a pipe and
// its exit code, and never touches the test framework.
TEST_F(CompileFileTest, ReadOnlyFileIsRefused) {
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    if (::geteuid() != 0) {
        std::string why;
        EXPECT_EQ(CompileReadOnly(folder.path(), path(), why), kRefused) << why;
        EXPECT_TRUE(ReadAll(path()) == original);
        return;
    }

    // The unprivileged user must be able to reach the file to be refused it.
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0) << std::strerror(errno);
    std::fflush(nullptr);  // nothing buffered may be written twice
    const pid_t child = ::fork();
    if (child < 0) {
        const int err = errno;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        GTEST_SKIP() << "fork: " << std::strerror(err);
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        constexpr uid_t kNobody = 65534;
        std::string why;
        ReadOnlyOutcome outcome = kCannotDropRoot;
        if (::setgroups(0, nullptr) != 0)
            why = std::string("setgroups: ") + std::strerror(errno);
        else if (::setgid(kNobody) != 0)
            why = std::string("setgid: ") + std::strerror(errno);
        else if (::setuid(kNobody) != 0)
            why = std::string("setuid: ") + std::strerror(errno);
        else if (::geteuid() != kNobody || ::getegid() != kNobody)
            why = "the user or group did not change";
        else if (::access(path().c_str(), R_OK) != 0)
            why = "user 65534 cannot reach " + path() + ": " + std::strerror(errno);
        else
            outcome = CompileReadOnly(folder.path(), path(), why);
        if (::write(pipeEnds[1], why.data(), why.size()) < 0) outcome = kWrongOutcome;
        ::_exit(outcome);
    }

    ::close(pipeEnds[1]);
    std::string why;
    char chunk[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], chunk, sizeof chunk)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        why.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int wstatus = 0;
    pid_t waited;
    while ((waited = ::waitpid(child, &wstatus, 0)) < 0 && errno == EINTR) {
    }
    ASSERT_EQ(waited, child) << std::strerror(errno);
    ASSERT_TRUE(WIFEXITED(wstatus)) << "the child did not exit normally";
    EXPECT_TRUE(ReadAll(path()) == original);
    if (WEXITSTATUS(wstatus) == kCannotDropRoot) GTEST_SKIP() << "cannot drop root: " << why;
    EXPECT_EQ(WEXITSTATUS(wstatus), kRefused) << why;
}

TEST_F(CompileFileTest, WritesIntoTheFileWhoseNameDiffersOnlyInCase) {
    const std::string lower = folder.file("tiledata.mul");
    std::filesystem::rename(path(), lower);
    ASSERT_TRUE(Compile(folder.path(), kLand).ok());
    EXPECT_TRUE(ReadAll(lower) == WithRecord(original, kLand));
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"tiledata.mul"});
}

}  // namespace
}  // namespace tilewright
