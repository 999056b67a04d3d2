// A file one byte longer or shorter than a layout has no layout: every command
// that writes or reads its records refuses it and leaves it as it was, unless
// --layout names one.
#include <gtest/gtest.h>

#include "cli/clirun.h"
#include "cli/samplefile.h"

namespace tilewright::cli {
namespace {

using namespace testing;

struct OffSize {
    const TileDataLayout* layout;
    int delta;
};

class UnknownSize : public ::testing::TestWithParam<OffSize> {
protected:
    static Bytes OffBytes() {
        Bytes bytes = sample::BuildSampleTileData(*GetParam().layout);
        bytes.resize(bytes.size() + GetParam().delta);
        return bytes;
    }
    SampleFile sample{*GetParam().layout, OffBytes()};
};

INSTANTIATE_TEST_SUITE_P(Sizes, UnknownSize,
                         ::testing::Values(OffSize{&kClassicLayout, -1}, OffSize{&kClassicLayout, 1},
                                           OffSize{&kLargeItemLayout, -1}, OffSize{&kLargeItemLayout, 1},
                                           OffSize{&kWideFlagLayout, -1}, OffSize{&kWideFlagLayout, 1}),
                         [](const auto& info) {
                             return LayoutName({info.param.layout, info.index}) +
                                    (info.param.delta < 0 ? "_shorter" : "_longer");
                         });

TEST_P(UnknownSize, EveryCommandOnItsRecordsRefusesItAndLeavesIt) {
    const std::size_t size = sample.original().size();
    ASSERT_FALSE(ExactLayoutForFileSize(size));
    WriteText(sample.file("in.csv"), "kind,id,weight\nitem,5,7\n");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"set", sample.path(), "item", "5", "weight=7"}, kExitFailure, "Nothing was written"},
        {{"set", sample.path(), "item", "5", "weight=7", "--dry-run"}, kExitFailure, "Nothing was written"},
        {{"import", sample.path(), sample.file("in.csv")}, kExitFailure, "Nothing was written"},
        {{"export", sample.path()}, kExitFailure, "--layout"},
        {{"find", sample.path(), "item", "--where", "weight=7"}, kExitFailure, "--layout"},
        {{"diff", sample.path(), sample.path()}, kDiffTrouble, "--layout"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0];
        EXPECT_EQ(run.out, "") << c.args[0];
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        for (const std::string& said : {sample.path(), std::to_string(size) + " bytes", std::string("1036288"),
                                       std::string("1644544"), std::string("3188736"), std::string(c.says)})
            EXPECT_NE(run.err.find(said), std::string::npos) << said << " in " << run.err;
    }
    EXPECT_NE(RunCli({"set", sample.path(), "item", "5", "weight=7"}).err.find("1 byte "), std::string::npos);
    EXPECT_TRUE(sample.now() == sample.original());

    const CliRun info = RunCli({"info", sample.path()});
    EXPECT_EQ(info.status, kExitDone);
    EXPECT_EQ(info.out, "file: " + sample.path() + "\nlayout: unknown (" + std::to_string(size) + " bytes)\n");
}

TEST_P(UnknownSize, LayoutGivenIsTakenAndRecordsPastTheEndAreRefusedByNumber) {
    const TileDataLayout& layout = *GetParam().layout;
    const std::string id(layout.id);
    const std::int32_t last = layout.RecordCount(TileKind::Item) - 1;
    const CliRun past = RunCli({"set", sample.path(), "--layout", id, "item", std::to_string(last), "weight=7"});
    if (GetParam().delta < 0) {
        EXPECT_EQ(past.status, kExitFailure);
        EXPECT_NE(past.err.find("no id " + std::to_string(last)), std::string::npos) << past.err;
        EXPECT_TRUE(sample.now() == sample.original());
    } else {
        EXPECT_EQ(past.status, kExitDone) << past.err;
    }
    sample.Reset();

    const TileRow before = TileDataFile::FromBytes("", sample.original(), layout).Row(TileKind::Item, 5);
    const int weight = before.value("weight") == 7 ? 8 : 7;
    const CliRun run = RunCli({"set", sample.path(), "item", "5", "weight=" + std::to_string(weight), "--layout", id});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(run.out, "1 record changed\n");
    const std::size_t weightAt = *layout.RecordPosition(TileKind::Item, 5) - 1 + layout.flagSize;
    EXPECT_EQ(sample.ChangedOffsets(), std::vector<std::size_t>{weightAt});
    EXPECT_EQ(sample.now().size(), sample.original().size());

    EXPECT_EQ(RunCli({"find", sample.path(), "item", "--layout", id, "--where", "weight=" + std::to_string(weight)})
                  .status,
              kExitDone);
    const CliRun diff = RunCli({"diff", "--layout", id, sample.path(), sample.path()});
    EXPECT_EQ(diff.status, kDiffSame) << diff.err;
}

}  // namespace
}  // namespace tilewright::cli
