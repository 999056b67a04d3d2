// Refusals of writes that need POSIX to set up: file modes, an unprivileged
// user and a file size limit.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <optional>

#include "artrender.h"
#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "pngencoder.h"
#include "sampleart.h"
#include "samplegame.h"
#include "support/files.h"
#include "support/tempfolder.h"

namespace tilewright::cli {
namespace {

using namespace testing;

// Runs `body` as user 65534 in a child, since root writes through file
// modes; nothing when root cannot be left.
std::optional<int> StatusAsNobody(const std::function<int()>& body) {
    if (::geteuid() != 0) return body();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(99);
        ::_exit(body());
    }
    int wstatus = 0;
    while (::waitpid(child, &wstatus, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(wstatus) || WEXITSTATUS(wstatus) == 99) return std::nullopt;
    return WEXITSTATUS(wstatus);
}

TEST(WriteRefusals, ReadOnlyFileOrFolderIsRefusedBeforeWriting) {
    for (const bool folderReadOnly : {false, true}) {
        SampleFile sample(kClassicLayout);
        WriteText(sample.file("in.csv"), "kind,id,weight\nitem,1,77\n");
        ASSERT_EQ(::chmod(sample.path().c_str(), folderReadOnly ? 0666 : 0444), 0);
        ASSERT_EQ(::chmod(sample.file("in.csv").c_str(), 0644), 0);
        ASSERT_EQ(::chmod(sample.folder().c_str(), folderReadOnly ? 0555 : 0777), 0);
        const auto status = StatusAsNobody([&] {
            const CliRun run = RunCli({"import", sample.path(), sample.file("in.csv")});
            const bool named = run.err.find(sample.path()) != std::string::npos && LineCount(run.err) == 1;
            return run.status == kExitFailure && named && run.out.empty() ? 0 : 1;
        });
        ::chmod(sample.folder().c_str(), 0755);
        if (!status) GTEST_SKIP() << "cannot run as an unprivileged user";
        EXPECT_EQ(*status, 0) << (folderReadOnly ? "folder" : "file");
        EXPECT_TRUE(sample.now() == sample.original());
        EXPECT_EQ(Listing(sample.folder()), (std::vector<std::string>{"TileData.mul", "in.csv"}));
    }
}

// A write that fails half way (here the file size limit stands in for a full
// disk) leaves the old file and no temporary file behind.
TEST(WriteRefusals, FailedWriteRemovesItsTemporaryFile) {
    SampleFile sample(kWideFlagLayout);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1 << 20, 1 << 20};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(99);
        const CliRun run = RunCli({"set", sample.path(), "item", "0-9", "weight=1"});
        ::_exit(run.status == kExitFailure && LineCount(run.err) == 1 && run.out.empty() ? 0 : 1);
    }
    int wstatus = 0;
    while (::waitpid(child, &wstatus, 0) < 0 && errno == EINTR) {
    }
    ASSERT_TRUE(WIFEXITED(wstatus));
    EXPECT_EQ(WEXITSTATUS(wstatus), 0);
    EXPECT_TRUE(sample.now() == sample.original());
    EXPECT_EQ(Listing(sample.folder()), std::vector<std::string>{"TileData.mul"});
}

TEST(WriteRefusals, ReplacementKeepsPermissionsAndLeavesNoTemporaryFile) {
    SampleFile sample(kLargeItemLayout);
    ASSERT_EQ(::chmod(sample.path().c_str(), 0640), 0);
    ASSERT_EQ(RunCli({"set", sample.path(), "item", "20000", "hue=3", "quality=4"}).status, kExitDone);
    struct stat st {};
    ASSERT_EQ(::stat(sample.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Listing(sample.folder()), std::vector<std::string>{"TileData.mul"});
    EXPECT_EQ(sample.Read().Row(TileKind::Item, 20000).value("hue"), 3);
}

// Every art command refuses a read-only art folder, in both forms of the art
// files, before it writes anything.
TEST(WriteRefusals, ReadOnlyArtFolderIsRefusedWithNothingChanged) {
    for (const bool container : {false, true}) {
        ::tilewright::testing::TempFolder game, input;
        ASSERT_TRUE(sample::WriteSampleGame(game.path()).ok());
        if (container) {
            std::filesystem::remove(game.file("art.mul"));
            std::filesystem::remove(game.file("artidx.mul"));
            ASSERT_TRUE(sample::WriteSampleArt(game.path(), sample::SampleArtForm::Container).ok());
        }
        const auto picture = Decode_Mul::RenderArt(TileKind::Item, 3, game.path());
        ASSERT_TRUE(picture);
        ASSERT_TRUE(sample::WriteWholeFile(input.file("new.png"), EncodePng(*picture).value()).ok());
        const auto listing = Listing(game.path());
        std::vector<std::vector<std::uint8_t>> before;
        for (const auto& name : listing) before.push_back(ReadAll(game.file(name)));
        ASSERT_EQ(::chmod(game.path().c_str(), 0555), 0);
        const auto status = StatusAsNobody([&] {
            int refused = 0;
            for (const std::vector<std::string>& args :
                 {std::vector<std::string>{"art-put", game.path(), "item", "9", input.file("new.png")},
                  std::vector<std::string>{"art-remove", game.path(), "item", "3"},
                  std::vector<std::string>{"art-compact", game.path()}}) {
                const CliRun run = RunCli(args);
                refused += run.status == kExitFailure && LineCount(run.err) == 1 && run.err.find(game.path()) != std::string::npos;
            }
            return refused == 3 ? 0 : 1;
        });
        ::chmod(game.path().c_str(), 0755);
        if (!status) GTEST_SKIP() << "cannot run as an unprivileged user";
        EXPECT_EQ(*status, 0) << (container ? "container" : ".mul pair");
        EXPECT_EQ(Listing(game.path()), listing);
        for (std::size_t i = 0; i < listing.size(); ++i) EXPECT_TRUE(ReadAll(game.file(listing[i])) == before[i]) << listing[i];
    }
}

}  // namespace
}  // namespace tilewright::cli
