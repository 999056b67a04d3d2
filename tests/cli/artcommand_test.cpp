// art: pictures through the command line, the names --all writes, and every
// refusal as one line on stderr with its exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "artrender.h"
#include "cli/clirun.h"
#include "sampleart.h"
#include "support/pngdecode.h"
#include "support/tempfolder.h"

namespace tilewright::cli {
namespace {

using testing::CliRun;
using testing::LineCount;
using testing::RunCli;

class ArtCommand : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ArtFileBuilder art(Decode_Mul::kItemArtBase + 3);
        art.SetLand(2, *sample::SampleLandImage(1));
        art.SetLand(16383, *sample::SampleLandImage(2));
        art.SetItem(0, *sample::SampleItemImage(3));
        art.SetItem(1, sample::ItemGrid(4, 4));  // paints no point
        art.SetItem(2, *sample::SampleItemImage(1500));
        ASSERT_TRUE(art.WriteTo(artFolder.path()).ok());
    }
    // The folder without its trailing separator, as a user would type it.
    std::string Art() const { return artFolder.path().substr(0, artFolder.path().size() - 1); }
    std::string Out(const std::string& name) const { return out.file(name); }

    ::tilewright::testing::TempFolder artFolder, out;
};

TEST_F(ArtCommand, OnePictureIsThePaintedImage) {
    struct Case {
        TileKind kind;
        const char* kindName;
        std::int32_t id;
    };
    for (const Case& c : {Case{TileKind::Land, "land", 2}, Case{TileKind::Item, "item", 0}, Case{TileKind::Item, "item", 2}}) {
        SCOPED_TRACE(std::string(c.kindName) + " " + std::to_string(c.id));
        const CliRun run = RunCli({"art", Art(), c.kindName, std::to_string(c.id), "-o", Out("p.png")});
        EXPECT_EQ(run.status, kExitDone) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        const auto png = ::tilewright::testing::DecodePngFile(Out("p.png"));
        const auto painted = Decode_Mul::RenderArt(c.kind, c.id, artFolder.path());
        ASSERT_TRUE(png);
        ASSERT_TRUE(painted);
        EXPECT_EQ(png->width, painted->width);
        EXPECT_EQ(png->height, painted->height);
        EXPECT_TRUE(png->rgba == painted->rgba);
    }
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& f : std::filesystem::directory_iterator(folder)) names.insert(f.path().filename().string());
    return names;
}

TEST_F(ArtCommand, AllWritesOneFilePerPictureAndSaysHowMany) {
    const CliRun all = RunCli({"art", Art(), "--all", "-o", Out("all")});
    EXPECT_EQ(all.status, kExitDone) << all.err;
    EXPECT_EQ(all.err, "");
    EXPECT_EQ(all.out, "2 land and 2 item pictures written to " + Out("all") + "\n");
    EXPECT_EQ(FilesIn(Out("all")),
              (std::set<std::string>{"land-00002.png", "land-16383.png", "item-00000.png", "item-00002.png"}));

    const CliRun items = RunCli({"art", Art(), "--all", "--kind", "item", "-o", Out("items")});
    EXPECT_EQ(items.status, kExitDone) << items.err;
    EXPECT_EQ(FilesIn(Out("items")), (std::set<std::string>{"item-00000.png", "item-00002.png"}));
}

TEST_F(ArtCommand, ProgressOnlyOnATerminal) {
    std::istringstream in;
    std::ostringstream stdoutText, stderrText;
    const int status = RunCommandLine({"tilewright-cli", "art", Art(), "--all", "--kind", "land", "-o", Out("t")}, in,
                                      stdoutText, stderrText, true);
    EXPECT_EQ(status, kExitDone);
    EXPECT_NE(stderrText.str().find("art: 16384 of 16384 entries\n"), std::string::npos) << stderrText.str();
}

struct Refusal {
    std::vector<std::string> args;  // "ART" stands for the art folder, "OUT/" for the output folder
    int status;
    const char* messagePart;
};

TEST_F(ArtCommand, RefusalsAreOneLineWithTheirStatus) {
    const std::vector<Refusal> refusals = {
        {{"art", "ART", "item", "1", "-o", "OUT/x.png"}, kExitFailure, "has no picture for item 1"},
        {{"art", "ART", "land", "3", "-o", "OUT/x.png"}, kExitFailure, "has no picture for land 3"},
        {{"art", "ART", "item", "3", "-o", "OUT/x.png"}, kExitFailure, "holds no item 3"},
        {{"art", "OUT/", "land", "2", "-o", "OUT/x.png"}, kExitFailure, "artidx.mul"},
        {{"art", "OUT/", "--all", "-o", "OUT/d"}, kExitFailure, "artidx.mul"},
        {{"art", "ART", "land", "2", "-o", "OUT/no/x.png"}, kExitFailure, "OUT/no/x.png"},
        {{"art", "ART", "tree", "2", "-o", "OUT/x.png"}, kExitUsage, "tree"},
        {{"art", "ART", "land", "two", "-o", "OUT/x.png"}, kExitUsage, "two"},
        {{"art", "ART", "land", "2"}, kExitUsage, "output"},
        {{"art", "ART", "land", "-o", "OUT/x.png"}, kExitUsage, "KIND and ID"},
        {{"art", "ART", "-o", "OUT/x.png"}, kExitUsage, "KIND and ID"},
        {{"art", "ART", "land", "2", "--all", "-o", "OUT/d"}, kExitUsage, "--all"},
        {{"art", "ART", "land", "2", "--kind", "land", "-o", "OUT/x.png"}, kExitUsage, "--kind"},
        {{"art", "ART", "--all", "--kind", "both", "-o", "OUT/d"}, kExitUsage, "both"},
    };
    for (Refusal r : refusals) {
        for (auto& a : r.args) {
            if (a == "ART") a = Art();
            else if (a.starts_with("OUT/")) a = Out(a.substr(4));
        }
        std::string part = r.messagePart;
        if (part.starts_with("OUT/")) part = Out(part.substr(4));
        SCOPED_TRACE(r.args[2] + " " + r.args[3]);
        const CliRun run = RunCli(r.args);
        EXPECT_EQ(run.status, r.status) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(Out("x.png")));
}

TEST(ArtCommandHelp, DescribesTheForms) {
    const CliRun run = RunCli({"art", "--help"});
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_NE(run.out.find("--all"), std::string::npos);
    EXPECT_NE(run.out.find("land-NNNNN.png"), std::string::npos);
}

}  // namespace
}  // namespace tilewright::cli
