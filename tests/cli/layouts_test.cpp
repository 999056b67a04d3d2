// Tables and comparisons across layouts: a 32-bit table applied to a 64-bit
// file, and diff between files of different layouts.
#include <gtest/gtest.h>

#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "tilecolumns.h"

namespace tilewright::cli {
namespace {

using namespace testing;

TEST(AcrossLayouts, NarrowTableKeepsTheHighFlagBitsOfAWideFile) {
    SampleFile narrow(kClassicLayout);
    SampleFile wide(kWideFlagLayout);
    ASSERT_EQ(RunCli({"export", narrow.path(), "--kind", "item", "-o", wide.file("narrow.csv")}).status, kExitDone);
    const CliRun run = RunCli({"import", wide.path(), wide.file("narrow.csv")});
    ASSERT_EQ(run.status, kExitDone) << run.err;

    const TileDataFile file = wide.Read();
    const TileDataFile before = TileDataFile::FromBytes("", wide.original());
    int changed = 0;
    for (std::int32_t n = 0; n < file.HeldCount(TileKind::Item); ++n) {
        TileRow expected = n < 16384 ? sample::SampleItemRecord(n, kClassicLayout) : before.Row(TileKind::Item, n);
        expected.flags = (before.Row(TileKind::Item, n).flags & 0xFFFFFFFF00000000ull) | (expected.flags & 0xFFFFFFFFull);
        ASSERT_EQ(file.Row(TileKind::Item, n), expected) << n;
        changed += !(expected == before.Row(TileKind::Item, n));
    }
    EXPECT_EQ(run.out, std::to_string(changed) + " records changed\n");
    for (std::int32_t n = 0; n < file.HeldCount(TileKind::Land); ++n) ASSERT_EQ(file.Row(TileKind::Land, n), before.Row(TileKind::Land, n)) << n;
}

TEST(AcrossLayouts, DiffCountsAMissingFlagColumnAndAMissingRecordAsZero) {
    sample::TileDataBuilder narrowBuilder(kClassicLayout);
    sample::TileDataBuilder wideBuilder(kWideFlagLayout);
    TileRow land{TileKind::Land, 5, FlagMask(3)};
    land.value("texture") = 12;
    land.name = sample::MakeName("sand");
    narrowBuilder.Set(land);
    land.flags |= FlagMask(36);
    wideBuilder.Set(land);
    TileRow item{TileKind::Item, 20000};
    item.value("weight") = 3;
    wideBuilder.Set(item);
    item.id = 16383;
    wideBuilder.Set(item);
    narrowBuilder.Set(item);
    SampleFile narrow(kClassicLayout, narrowBuilder.bytes());
    SampleFile wide(kWideFlagLayout, wideBuilder.bytes());

    const CliRun run = RunCli({"diff", narrow.path(), wide.path()});
    EXPECT_EQ(run.status, kDiffDifferent);
    EXPECT_EQ(run.out, "land 5 flag_no_shadow: 0 -> 1\nitem 20000 weight: 0 -> 3\n");
    const CliRun back = RunCli({"diff", wide.path(), narrow.path()});
    EXPECT_EQ(back.out, "land 5 flag_no_shadow: 1 -> 0\nitem 20000 weight: 3 -> 0\n");
}

}  // namespace
}  // namespace tilewright::cli
