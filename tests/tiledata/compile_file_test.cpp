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
#include <functional>
#include <iterator>
#include <vector>

#include "recordposition.h"
#include "support/tempfolder.h"
#include "tilecompiler.h"
#include "tiledatabuilder.h"
#include "tileformat.h"
#include "tileloader.h"

namespace tilewright {
namespace {

using Bytes = std::vector<std::uint8_t>;
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

Bytes Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

template <std::size_t N>
Bytes WithRecord(Bytes bytes, std::int32_t position, const std::array<std::uint8_t, N>& record) {
    std::copy(record.begin(), record.end(), bytes.begin() + (position - 1));
    return bytes;
}

// The boxes as the window fills them from a loaded record.
std::u16string Decimal(std::int64_t v) {
    const std::string s = std::to_string(v);
    return {s.begin(), s.end()};
}

TileForm Shown(std::uint32_t flags, const TileName& name, std::int32_t position) {
    TileForm form;
    for (int bit = 0; bit < 32; ++bit) form.flagTicks[static_cast<std::size_t>(bit)] = (flags & FlagMask(bit)) != 0;
    // Named tiles go through their text; an unnamed one shows "Unlabeled",
    // which only the untouched loaded bytes keep unnamed.
    form.nameText = DecodeTileName(name);
    if (form.nameText.empty()) {
        form.nameText = kUnlabeled;
        form.untouchedName = name;
    }
    form.offsetText = Decimal(position);
    return form;
}

TileForm LandForm(const LandTileRecord& r, std::int32_t position) {
    TileForm form = Shown(r.Flags, r.Name, position);
    form.valueTexts[11] = Decimal(r.TextureId);
    return form;
}

TileForm ItemForm(const ItemTileRecord& r, std::int32_t position, int n) {
    TileForm form = Shown(r.Flags, r.Name, position);
    form.valueTexts = {Decimal(r.Weight),   Decimal(r.Quality),  Decimal(r.Unknown1), Decimal(r.Unknown2),
                       Decimal(r.Quantity), Decimal(r.Animation), Decimal(r.Unknown3), Decimal(r.Hue),
                       Decimal(r.Unknown4), Decimal(r.Unknown5), Decimal(r.Height),   Decimal(n)};
    return form;
}

const LandTileRecord kLand{0x20000000, -2, sample::MakeName("Door")};
const ItemTileRecord kItem{0x20000000, 50, 1, -3, 4, 5, 16383, 7, 8, 9, 10, 11, sample::MakeName("Wooden Door")};

class CompileFileTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void Reset() { ASSERT_TRUE(sample::WriteWholeFile(path(), original).ok()); }
    std::string path() const { return folder.file(kTileDataFileName); }

    TempFolder folder;
    const Bytes original = NoiseFile();
};

TEST_F(CompileFileTest, ChangesExactlyTheRecordsBytes) {
    const struct {
        bool land;
        std::int32_t position;
    } cases[] = {
        {true, *LandRecordPosition(0)},     {true, *LandRecordPosition(16383)}, {true, kFileSize - 25},
        {false, *ItemRecordPosition(0)},    {false, 473847},                    {false, *ItemRecordPosition(16382)},
        {false, kFileSize - 36},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        Reset();
        const Status status = c.land ? CompileLandTile(folder.path(), LandForm(kLand, c.position))
                                     : CompileItemTile(folder.path(), ItemForm(kItem, c.position, 1234));
        ASSERT_TRUE(status.ok()) << status.error().message;
        const Bytes expected = c.land ? WithRecord(original, c.position, EncodeLandRecord(kLand))
                                      : WithRecord(original, c.position, EncodeItemRecord(kItem));
        ASSERT_NE(expected, original);
        EXPECT_TRUE(Contents(path()) == expected);
    }
}

TEST_F(CompileFileTest, CompilingALoadedRecordUnchangedLeavesTheFileIdentical) {
    const std::string highBytes = "\xE9\xFF\x80\xA0z";
    const LandTileRecord lands[] = {
        {0, 0, TileName{}},
        {0x80000000, -1, sample::MakeName("ABCDEFGHIJKLMNOPQRST")},
        {0xFFFFFFFF, -32768, sample::MakeName(highBytes)},
        {0x00000002, 32767, sample::MakeName("Unlabeled")},
    };
    const ItemTileRecord items[] = {
        {0xFFFFFFFF, 255, 255, -1, 255, 255, -32768, 255, 255, 255, 255, 255, sample::MakeName(highBytes)},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, TileName{}},
        {0x80000000, 1, 2, -32768, 3, 4, -1, 5, 6, 7, 8, 9, sample::MakeName("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9"
                                                                             "\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3")},
        {0x20000000, 50, 0, 32767, 0, 0, 32767, 0, 0, 0, 0, 0, sample::MakeName("Unlabeled")},
    };
    const int numbers[] = {0, 31, 32, 16382};
    Bytes file = original;
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        file = WithRecord(file, *LandRecordPosition(numbers[i]), EncodeLandRecord(lands[i]));
        file = WithRecord(file, *ItemRecordPosition(numbers[i]), EncodeItemRecord(items[i]));
    }
    ASSERT_TRUE(sample::WriteWholeFile(path(), file).ok());

    for (int n : numbers) {
        SCOPED_TRACE(n);
        const std::int32_t landAt = *LandRecordPosition(n), itemAt = *ItemRecordPosition(n);
        auto land = ReadLandRecord(folder.path(), landAt);
        auto item = ReadItemRecord(folder.path(), itemAt);
        ASSERT_TRUE(land.ok() && item.ok());
        Status status = CompileLandTile(folder.path(), LandForm(*land, landAt));
        ASSERT_TRUE(status.ok()) << status.error().message;
        status = CompileItemTile(folder.path(), ItemForm(*item, itemAt, n));
        ASSERT_TRUE(status.ok()) << status.error().message;
    }
    EXPECT_TRUE(Contents(path()) == file);
}

TEST_F(CompileFileTest, RefusalsLeaveTheFileUntouched) {
    const std::int32_t landAt = *LandRecordPosition(100), itemAt = *ItemRecordPosition(100);
    const struct {
        const char* what;
        bool land;
        std::function<void(TileForm&)> edit;
        ErrorKind kind;
    } cases[] = {
        {"weight 256", false, [](TileForm& f) { f.valueTexts[0] = u"256"; }, ErrorKind::InvalidValue},
        {"weight -1", false, [](TileForm& f) { f.valueTexts[0] = u"-1"; }, ErrorKind::InvalidValue},
        {"height a word", false, [](TileForm& f) { f.valueTexts[10] = u"ten"; }, ErrorKind::InvalidValue},
        {"animation 32768", false, [](TileForm& f) { f.valueTexts[5] = u"32768"; }, ErrorKind::InvalidValue},
        {"land id 32768", true, [](TileForm& f) { f.valueTexts[11] = u"32768"; }, ErrorKind::InvalidValue},
        {"land id empty", true, [](TileForm& f) { f.valueTexts[11] = u""; }, ErrorKind::InvalidValue},
        {"land name euro", true, [](TileForm& f) { f.nameText = u"\u20AC"; }, ErrorKind::InvalidValue},
        {"item name euro", false, [](TileForm& f) { f.nameText = u"a\u20AC"; }, ErrorKind::InvalidValue},
        {"offset a word", true, [](TileForm& f) { f.offsetText = u"abc"; }, ErrorKind::InvalidValue},
        {"offset 2^31", false, [](TileForm& f) { f.offsetText = u"2147483648"; }, ErrorKind::InvalidValue},
        {"land not loaded", true, [](TileForm& f) { f.offsetText.clear(); }, ErrorKind::NotLoaded},
        {"item not loaded", false, [](TileForm& f) { f.offsetText.clear(); }, ErrorKind::NotLoaded},
        {"position 0", true, [](TileForm& f) { f.offsetText = u"0"; }, ErrorKind::OutOfBounds},
        {"position -5", false, [](TileForm& f) { f.offsetText = u"-5"; }, ErrorKind::OutOfBounds},
        {"position min", true, [](TileForm& f) { f.offsetText = u"-2147483648"; }, ErrorKind::OutOfBounds},
        {"land past end", true, [](TileForm& f) { f.offsetText = Decimal(kFileSize - 24); }, ErrorKind::OutOfBounds},
        {"item past end", false, [](TileForm& f) { f.offsetText = Decimal(kFileSize - 35); }, ErrorKind::OutOfBounds},
        {"position max", false, [](TileForm& f) { f.offsetText = u"2147483647"; }, ErrorKind::OutOfBounds},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TileForm form = c.land ? LandForm(kLand, landAt) : ItemForm(kItem, itemAt, 100);
        c.edit(form);
        const Status status = c.land ? CompileLandTile(folder.path(), form) : CompileItemTile(folder.path(), form);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().kind, c.kind) << status.error().message;
        EXPECT_TRUE(Contents(path()) == original);
        EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{kTileDataFileName});
    }
}

TEST(CompileMissingFileTest, NeverCreatesTheFileOrItsFolder) {
    TempFolder empty;
    for (const std::string& dir : {empty.path(), empty.path() + "Ultima Online/"}) {
        SCOPED_TRACE(dir);
        EXPECT_EQ(CompileLandTile(dir, LandForm(kLand, 5)).error().kind, ErrorKind::FileMissing);
        EXPECT_EQ(CompileItemTile(dir, ItemForm(kItem, 428037, 0)).error().kind, ErrorKind::FileMissing);
        EXPECT_TRUE(Listing(empty.path()).empty());
    }
}

// How the compile went under a read-only file, as told by a child process
// that may have had to give up root first.
enum ReadOnlyOutcome : int { kRefused = 0, kWrongOutcome = 1, kCannotDropRoot = 2 };

ReadOnlyOutcome CompileReadOnly(const std::string& folder, const std::string& path, std::string& why) {
    const Status status = CompileItemTile(folder, ItemForm(kItem, 428037, 0));
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
        EXPECT_TRUE(Contents(path()) == original);
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
    EXPECT_TRUE(Contents(path()) == original);
    if (WEXITSTATUS(wstatus) == kCannotDropRoot) GTEST_SKIP() << "cannot drop root: " << why;
    EXPECT_EQ(WEXITSTATUS(wstatus), kRefused) << why;
}

TEST_F(CompileFileTest, WritesIntoTheFileWhoseNameDiffersOnlyInCase) {
    const std::string lower = folder.file("tiledata.mul");
    std::filesystem::rename(path(), lower);
    ASSERT_TRUE(CompileLandTile(folder.path(), LandForm(kLand, 5)).ok());
    EXPECT_TRUE(Contents(lower) == WithRecord(original, 5, EncodeLandRecord(kLand)));
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"tiledata.mul"});
}

TEST_F(CompileFileTest, TheKindTagChoosesTheRecordOrNothing) {
    const std::int32_t at = *ItemRecordPosition(7);
    TileForm valid = ItemForm(kItem, at, 7);
    valid.valueTexts[11] = Decimal(kLand.TextureId);
    ASSERT_TRUE(CompileTile("land", folder.path(), valid).ok());
    const LandTileRecord asLand{kItem.Flags, kLand.TextureId, kItem.Name};
    EXPECT_TRUE(Contents(path()) == WithRecord(original, at, EncodeLandRecord(asLand)));

    Reset();
    ASSERT_TRUE(CompileTile("item", folder.path(), valid).ok());
    EXPECT_TRUE(Contents(path()) == WithRecord(original, at, EncodeItemRecord(kItem)));

    Reset();
    TileForm broken;  // nothing loaded and nothing valid: still not even looked at
    broken.valueTexts.fill(u"junk");
    for (std::string_view tag : {"", "Land", "ITEM", "land ", "items"}) {
        EXPECT_TRUE(CompileTile(tag, folder.path(), broken).ok()) << tag;
        EXPECT_TRUE(Contents(path()) == original) << tag;
    }
}

}  // namespace
}  // namespace tilewright
