// Every command's happy path on a sample file of each layout, run in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "tilecolumns.h"

namespace tilewright::cli {
namespace {

using namespace testing;

class Commands : public ::testing::TestWithParam<const TileDataLayout*> {
protected:
    const TileDataLayout& layout() const { return *GetParam(); }
    SampleFile sample{*GetParam()};

    CliRun Run(std::vector<std::string> args, const std::string& input = {}) {
        CliRun run = RunCli(std::move(args), input);
        if (run.status == kExitDone) {
            EXPECT_EQ(run.err, "") << "a successful command prints nothing on stderr";
        }
        return run;
    }
    TileRow ItemNow(std::int32_t n) const { return sample.Read().Row(TileKind::Item, n); }
    TileRow ItemBefore(std::int32_t n) const { return sample::SampleItemRecord(n, layout()); }
};

INSTANTIATE_TEST_SUITE_P(Layouts, Commands,
                         ::testing::Values(&kClassicLayout, &kLargeItemLayout, &kWideFlagLayout), LayoutName);

TEST_P(Commands, InfoShowsLayoutSizesCountsAndNamedTiles) {
    int namedLand = 0, namedItems = 0;
    for (int n = 0; n < layout().RecordCount(TileKind::Land); ++n) namedLand += sample::SampleLandRecord(n, layout()).name[0] != 0;
    for (int n = 0; n < layout().RecordCount(TileKind::Item); ++n) namedItems += ItemBefore(n).name[0] != 0;
    const CliRun run = Run({"info", sample.path()});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    const std::string expected =
        "file: " + sample.path() + "\nlayout: " + std::string(layout().id) + "\nflag bits: " +
        std::to_string(layout().FlagBits()) + "\nland record size: " + std::to_string(layout().RecordSize(TileKind::Land)) +
        "\nland records: 16384\nnamed land tiles: " + std::to_string(namedLand) +
        "\nitem record size: " + std::to_string(layout().RecordSize(TileKind::Item)) +
        "\nitem records: " + std::to_string(layout().itemRecordCount) + "\nnamed item tiles: " + std::to_string(namedItems) + "\n";
    EXPECT_EQ(run.out, expected);
}

TEST_P(Commands, ExportAndImportUnchangedLeaveTheFileIdentical) {
    for (const std::string format : {"csv", "json"}) {
        const std::string table = sample.file("table." + format);
        ASSERT_EQ(Run({"export", sample.path(), "--format", format, "-o", table}).status, kExitDone);
        const CliRun run = Run({"import", sample.path(), table});
        EXPECT_EQ(run.status, kExitDone) << format << ": " << run.err;
        EXPECT_EQ(run.out, "0 records changed\n") << format;
        EXPECT_TRUE(sample.now() == sample.original()) << format;
    }
}

TEST_P(Commands, ImportShowsProgressOnlyOnATerminalAndWipesIt) {
    ASSERT_EQ(Run({"export", sample.path(), "-o", sample.file("all.csv")}).status, kExitDone);
    const CliRun run = RunCli({"import", sample.path(), sample.file("all.csv")}, "", true);
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_TRUE(run.err.starts_with("\rReading " + sample.file("all.csv") + " ")) << run.err;
    EXPECT_NE(run.err.find("%"), std::string::npos);
    EXPECT_TRUE(run.err.ends_with("\r\033[K"));
    EXPECT_EQ(run.err.find('\n'), std::string::npos);
}

TEST_P(Commands, ExportWritesTheSameHeaderForEveryKindAndLandRowsFirst) {
    const std::string all = Run({"export", sample.path()}).out;
    const std::string header = all.substr(0, all.find("\r\n") + 2);
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), kFirstFlagColumn + layout().FlagBits() - 1);
    EXPECT_TRUE(header.starts_with("kind,id,name,texture,weight,quality,unknown1,unknown2,quantity,animation,"
                                   "unknown3,hue,unknown4,unknown5,height,flag_background,flag_weapon,"));
    EXPECT_NE(header.find(",flag_article_a,flag_article_an,"), std::string::npos);
    for (const std::string kind : {"land", "item"}) {
        const std::string one = Run({"export", sample.path(), "--kind", kind}).out;
        EXPECT_TRUE(one.starts_with(header)) << kind;
        EXPECT_TRUE(one.substr(header.size()).starts_with(kind + ",0,")) << kind;
        const auto rows = std::count(one.begin(), one.end(), '\n') - 1;
        EXPECT_EQ(rows, layout().RecordCount(kind == "land" ? TileKind::Land : TileKind::Item)) << kind;
    }
    EXPECT_TRUE(all.substr(header.size()).starts_with("land,0,"));
    EXPECT_NE(all.find("\r\nland,16383,"), std::string::npos);
    EXPECT_LT(all.find("\r\nland,16383,"), all.find("\r\nitem,0,"));
}

TEST_P(Commands, EditedFullExportChangesJustTheEditedRecord) {
    std::string csv = Run({"export", sample.path()}).out;
    // Item 7's weight cell, the fifth of its row, becomes 99.
    const std::size_t row = csv.find("\r\nitem,7,") + 2;
    std::size_t cell = row;
    for (int comma = 0; comma < 4; ++comma) cell = csv.find(',', cell) + 1;
    csv.replace(cell, csv.find(',', cell) - cell, "99");
    WriteText(sample.file("edited.csv"), csv);

    const CliRun run = Run({"import", sample.path(), sample.file("edited.csv")});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(run.out, "1 record changed\n");
    TileRow expected = ItemBefore(7);
    expected.value("weight") = 99;
    EXPECT_EQ(ItemNow(7), expected);
    const TileDataFile file = sample.Read();
    for (std::size_t offset : sample.ChangedOffsets())
        EXPECT_EQ(offset, file.RecordOffset(TileKind::Item, 7) + layout().flagSize) << "only the weight byte";
}

TEST_P(Commands, PartialCsvSetsOnlyItsColumnsAndEmptyCellsKeep) {
    WriteText(sample.file("weights.csv"), "kind,id,weight\nitem,3,42\nitem,4,\r\nitem,5,43\n");
    const CliRun run = Run({"import", sample.path(), sample.file("weights.csv")});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(run.out, std::to_string(int(ItemBefore(3).value("weight") != 42) + int(ItemBefore(5).value("weight") != 43)) + " records changed\n");
    for (auto [id, weight] : {std::pair{3, 42}, {4, int(ItemBefore(4).value("weight"))}, {5, 43}}) {
        TileRow expected = ItemBefore(id);
        expected.value("weight") = static_cast<std::uint8_t>(weight);
        EXPECT_EQ(ItemNow(id), expected) << id;
    }
}

TEST_P(Commands, DryRunPrintsTheChangesAndWritesNothing) {
    WriteText(sample.file("edit.json"), R"([{"kind":"land","id":2,"texture":-7},{"kind":"item","id":1,"name":"Tørch","flag_door":1}])");
    const CliRun run = Run({"import", sample.path(), sample.file("edit.json"), "--dry-run"});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    const auto before = ItemBefore(1);
    std::string expected = "land 2 texture: " + std::to_string(sample::SampleLandRecord(2, layout()).value("texture")) + " -> -7\n" +
                           "item 1 name: \"" + NameText(before.name) + "\" -> \"Tørch\"\n";
    if (!(before.flags & FlagMask(29))) expected += "item 1 flag_door: 0 -> 1\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_TRUE(sample.now() == sample.original());
}

TEST_P(Commands, SetTakesRangesAndIdsFromStandardInput) {
    CliRun run = Run({"set", sample.path(), "item", "1-3,7", "weight=9", "flag_background=1"});
    ASSERT_EQ(run.status, kExitDone) << run.err;
    run = Run({"set", sample.path(), "land", "-", "texture=-2"}, "4\n\n10\r\n4\n");
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(run.out, "2 records changed\n");
    const TileDataFile file = sample.Read();
    for (int id = 0; id < 9; ++id) {
        TileRow expected = ItemBefore(id);
        if ((id >= 1 && id <= 3) || id == 7) {
            expected.value("weight") = 9;
            expected.flags |= 1;
        }
        EXPECT_EQ(file.Row(TileKind::Item, id), expected) << id;
    }
    for (int id = 3; id < 12; ++id) EXPECT_EQ(file.Row(TileKind::Land, id).value("texture"), id == 4 || id == 10 ? -2 : sample::SampleLandRecord(id, layout()).value("texture")) << id;
}

TEST_P(Commands, SetNameClearsOrKeepsTheBytesAfterTheZero) {
    // A sample name with bytes after its zero: "ABC", 0, 'x', 0xFF.
    std::int32_t id = 0;
    while (ItemBefore(id).name[4] != 'x') ++id;
    const std::string ids = std::to_string(id);
    ASSERT_EQ(Run({"set", sample.path(), "item", ids, "name=ABC"}).out, "0 records changed\n");
    EXPECT_TRUE(sample.now() == sample.original());
    ASSERT_EQ(Run({"set", sample.path(), "item", ids, "name="}).out, "1 record changed\n");
    EXPECT_EQ(ItemNow(id).name, TileName{});
}

TEST_P(Commands, FindMatchesNamesFlagsAndColumns) {
    auto expected = [&](auto keep) {
        std::string ids;
        for (int n = 0; n < layout().itemRecordCount; ++n)
            if (keep(ItemBefore(n))) ids += std::to_string(n) + "\n";
        return ids;
    };
    auto named = [](const TileRow& r, std::string part) {
        std::string name = NameText(r.name);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        return name.find(part) != std::string::npos;
    };
    const CliRun byName = Run({"find", sample.path(), "item", "--name", "TORCH"});
    EXPECT_EQ(byName.out, expected([&](const auto& r) { return named(r, "torch"); }));
    EXPECT_FALSE(byName.out.empty());

    const CliRun combined = Run({"find", sample.path(), "item", "--name", "item 1", "--flag", "door", "--no-flag",
                                 "flag_wall", "--where", "height=3"});
    EXPECT_EQ(combined.out, expected([&](const auto& r) {
                  return named(r, "item 1") && (r.flags & FlagMask(29)) && !(r.flags & FlagMask(4)) && r.value("height") == 3;
              }));
    EXPECT_EQ(Run({"find", sample.path(), "item", "--where", "weight=255", "--where", "unknown1=-1"}).out,
              expected([](const auto& r) { return r.value("weight") == 255 && r.value("unknown1") == -1; }));
    const CliRun none = Run({"find", sample.path(), "land", "--name", "no such tile"});
    EXPECT_EQ(none.status, kExitDone);
    EXPECT_EQ(none.out, "");
}

TEST_P(Commands, DiffPrintsEveryDifferingColumnInOrder) {
    const std::string copy = sample.file("copy.mul");
    std::filesystem::copy_file(sample.path(), copy);
    CliRun same = RunCli({"diff", sample.path(), copy});
    EXPECT_EQ(same.status, kDiffSame);
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(Run({"set", copy, "item", "1234", "weight=50", "name=dirt"}).status, kExitDone);
    ASSERT_EQ(Run({"set", copy, "land", "5", "flag_wet=1", "flag_background=1", "name=grass"}).status, kExitDone);
    const CliRun run = RunCli({"diff", sample.path(), copy});
    EXPECT_EQ(run.status, kDiffDifferent);
    EXPECT_EQ(run.err, "");
    const auto land = sample::SampleLandRecord(5, layout());
    const auto item = ItemBefore(1234);
    std::string expected;
    if (NameText(land.name) != "grass") expected += "land 5 name: \"" + NameText(land.name) + "\" -> \"grass\"\n";
    if (!(land.flags & 1)) expected += "land 5 flag_background: 0 -> 1\n";
    if (!(land.flags & FlagMask(7))) expected += "land 5 flag_wet: 0 -> 1\n";
    expected += "item 1234 name: \"" + NameText(item.name) + "\" -> \"dirt\"\n";
    if (item.value("weight") != 50) expected += "item 1234 weight: " + std::to_string(item.value("weight")) + " -> 50\n";
    EXPECT_EQ(run.out, expected);

    const CliRun missing = RunCli({"diff", sample.path(), sample.file("none.mul")});
    EXPECT_EQ(missing.status, kDiffTrouble);
    EXPECT_EQ(LineCount(missing.err), 1);
}

// Quotes, backslashes and line breaks in a name cannot split a diff line.
TEST_P(Commands, DiffEscapesNamesToKeepOneLinePerColumn) {
    const std::string copy = sample.file("copy.mul");
    std::filesystem::copy_file(sample.path(), copy);
    ASSERT_EQ(Run({"set", copy, "item", "7", "name=a\"b\\\nc\x7F\xC2\x85\xC3\xBC\xC3\x80"}).status, kExitDone);
    const CliRun run = RunCli({"diff", sample.path(), copy});
    EXPECT_EQ(run.out, "item 7 name: \"" + NameText(ItemBefore(7).name) + "\" -> \"a\\\"b\\\\\\x0Ac\\x7F\\x85\xC3\xBC\xC3\x80\"\n");
}

}  // namespace
}  // namespace tilewright::cli
