// art-put, art-remove, art-compact and free through the command line: the
// trip out to PNG and back, refusals that leave the art files byte-identical,
// and the free numbers of every layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "artcontainerbuilder.h"
#include "artrender.h"
#include "cli/clirun.h"
#include "pngencoder.h"
#include "sampleart.h"
#include "samplegame.h"
#include "support/files.h"
#include "support/tempfolder.h"

namespace tilewright::cli {
namespace {

using ::tilewright::testing::ReadAll;
using ::tilewright::testing::WriteAll;
using ::tilewright::testing::TempFolder;
using testing::CliRun;
using testing::LineCount;
using testing::RunCli;

// Every file of a folder, by name.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(const std::string& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& f : std::filesystem::directory_iterator(folder)) files[f.path().filename().string()] = ReadAll(f.path().string());
    return files;
}

sample::ArtFileBuilder SomeArt() {
    sample::ArtFileBuilder art(Decode_Mul::kItemArtBase + 3);
    art.SetLand(2, *sample::SampleLandImage(1));
    art.SetLand(16383, *sample::SampleLandImage(2));
    art.SetItem(0, *sample::SampleItemImage(3));
    art.SetItem(2, *sample::SampleItemImage(1500));
    art.SetItem(sample::kSampleLargeItem, *sample::SampleItemImage(sample::kSampleLargeItem));
    return art;
}

enum class Form { Mul, Stored, Compressed };

void WriteArt(const std::string& folder, Form form) {
    if (form == Form::Mul) {
        ASSERT_TRUE(SomeArt().WriteTo(folder).ok());
        return;
    }
    const auto container = sample::ContainerOfArt(SomeArt(), [&](std::int32_t) {
        return sample::ContainerEntryForm{form == Form::Compressed, 0};
    });
    ASSERT_TRUE(container.WriteTo(folder).ok());
}

TEST(ArtPut, EverySavedPictureComesBackExactlyInEveryForm) {
    for (Form form : {Form::Mul, Form::Stored, Form::Compressed}) {
        SCOPED_TRACE(static_cast<int>(form));
        TempFolder original, copy, out;
        WriteArt(original.path(), form);
        WriteArt(copy.path(), form);
        ASSERT_EQ(RunCli({"art", original.path(), "--all", "-o", out.file("a")}).status, kExitDone);
        std::vector<std::string> args = {"art-put", copy.path(), "--from", out.file("a")};
        if (form == Form::Compressed) args.push_back("--compress");
        const CliRun put = RunCli(args);
        EXPECT_EQ(put.status, kExitDone) << put.err;
        EXPECT_EQ(put.out, "2 land and 3 item pictures put\n");
        EXPECT_EQ(put.err, "");
        ASSERT_EQ(RunCli({"art", copy.path(), "--all", "-o", out.file("b")}).status, kExitDone);
        const auto a = Snapshot(out.file("a")), b = Snapshot(out.file("b"));
        EXPECT_EQ(a.size(), 5u);
        EXPECT_TRUE(a == b);
    }
}

TEST(ArtPut, OnePictureForAFreeNumberThenItIsTaken) {
    TempFolder game;
    ASSERT_TRUE(sample::WriteSampleGame(game.path(), kWideFlagLayout, sample::SampleArtForm::Container).ok());
    const std::string tiledata = game.file("TileData.mul");
    const CliRun free = RunCli({"free", tiledata, "item", "--art", game.path(), "--count", "2"});
    ASSERT_EQ(free.status, kExitDone) << free.err;
    EXPECT_EQ(free.out, std::to_string(sample::kSampleFreeItems) + "\n" + std::to_string(sample::kSampleFreeItems + 1) + "\n");
    const std::string id = std::to_string(sample::kSampleFreeItems);

    const auto picture = Decode_Mul::RenderArt(TileKind::Item, 3, game.path());
    ASSERT_TRUE(picture);
    WriteAll(game.file("new.png"), EncodePng(*picture).value());
    const auto before = Snapshot(game.path());
    const CliRun dry = RunCli({"art-put", game.path(), "item", id, game.file("new.png"), "--dry-run"});
    EXPECT_EQ(dry.out, "item " + id + " would be put\n");
    EXPECT_TRUE(Snapshot(game.path()) == before);
    const CliRun put = RunCli({"art-put", game.path(), "item", id, game.file("new.png")});
    EXPECT_EQ(put.status, kExitDone) << put.err;
    EXPECT_EQ(put.out, "item " + id + " put\n");
    EXPECT_EQ(Decode_Mul::RenderArt(TileKind::Item, sample::kSampleFreeItems, game.path())->rgba, picture->rgba);
    EXPECT_EQ(RunCli({"free", tiledata, "item", "--art", game.path(), "--count", "1"}).out,
              std::to_string(sample::kSampleFreeItems + 1) + "\n");
    EXPECT_EQ(RunCli({"free", tiledata, "item", "--count", "1"}).out, id + "\n");  // its record is still empty

    EXPECT_EQ(RunCli({"art-remove", game.path(), "item", id, "1-2"}).out, "3 pictures removed\n");
    EXPECT_EQ(RunCli({"art-remove", game.path(), "item", id}).out, "0 pictures removed\n");
    EXPECT_FALSE(Decode_Mul::RenderArt(TileKind::Item, sample::kSampleFreeItems, game.path()));
}

TEST(ArtPut, AlphaBetweenIsRoundedAndToldInOneLine) {
    TempFolder art;
    WriteArt(art.path(), Form::Mul);
    Decode_Mul::RgbaImage picture{3, 1, {10, 20, 30, 127, 40, 50, 60, 128, 1, 2, 3, 255}};
    WriteAll(art.file("p.png"), EncodePng(picture).value());
    const CliRun put = RunCli({"art-put", art.path(), "item", "7", art.file("p.png")});
    EXPECT_EQ(put.status, kExitDone) << put.err;
    EXPECT_EQ(put.err, "tilewright-cli art-put: the alpha of 2 points was neither 0 nor 255 and was rounded (128 and up opaque)\n");
    const auto back = Decode_Mul::RenderArt(TileKind::Item, 7, art.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rgba[3], 0);
    EXPECT_EQ(back->rgba[7], 255);
}

TEST(ArtPut, RefusalsNameTheFileAndLeaveTheArtFilesAsTheyWere) {
    TempFolder art, in;
    WriteArt(art.path(), Form::Mul);
    const auto good = EncodePng(*Decode_Mul::RenderArt(TileKind::Item, 0, art.path())).value();
    WriteAll(in.file("good.png"), good);
    WriteAll(in.file("text.png"), {'h', 'e', 'l', 'l', 'o'});
    WriteAll(in.file("cut.png"), std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2)));
    Decode_Mul::RgbaImage wide{1025, 1, std::vector<std::uint8_t>(4 * 1025, 255)};
    WriteAll(in.file("wide.png"), EncodePng(wide).value());
    std::filesystem::resize_file((std::ofstream(in.file("huge.png")), in.file("huge.png")), (16u << 20) + 1);
    std::filesystem::create_directory(in.file("batch"));
    WriteAll(in.file("batch/item-00005.png"), good);
    WriteAll(in.file("batch/land-00001.png"), good);  // not 44 x 44
    const auto before = Snapshot(art.path());
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{"item", "5", in.file("text.png")}, kExitFailure, in.file("text.png") + "\" cannot be used as a picture: it is not a PNG file"},
        {{"item", "5", in.file("cut.png")}, kExitFailure, in.file("cut.png") + "\" cannot be used as a picture: it is damaged"},
        {{"item", "5", in.file("wide.png")}, kExitFailure, "larger than 1024 points a side"},
        {{"item", "5", in.file("huge.png")}, kExitFailure, "more than 16 MiB"},
        {{"item", "5", in.file("none.png")}, kExitFailure, "none.png"},
        {{"item", "65536", in.file("good.png")}, kExitFailure, "not an item number from 0 to 65535"},
        {{"--from", in.file("batch")}, kExitFailure, "land-00001.png\" cannot be used as a picture: a land picture is 44 x 44"},
        {{"--from", art.path()}, kExitFailure, "holds no land-NNNNN.png or item-NNNNN.png"},
        {{"item", "5"}, kExitUsage, "KIND ID PICTURE.png, or --from DIR"},
        {{"item", "5", in.file("good.png"), "--from", in.file("batch")}, kExitUsage, "--from DIR"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"art-put", art.path()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(Snapshot(art.path()) == before);
}

TEST(ArtCompact, SaysWhatItSavedAndRefusesAContainer) {
    TempFolder art, uop;
    WriteArt(art.path(), Form::Mul);
    WriteArt(uop.path(), Form::Stored);
    const auto png = EncodePng(*Decode_Mul::RenderArt(TileKind::Item, 0, art.path())).value();
    WriteAll(art.file("p.png"), png);
    const auto oldSize = std::filesystem::file_size(art.file("art.mul"));
    ASSERT_EQ(RunCli({"art-put", art.path(), "item", "0", art.file("p.png")}).status, kExitDone);
    const auto grown = std::filesystem::file_size(art.file("art.mul"));
    EXPECT_EQ(RunCli({"art-compact", art.path()}).out, std::to_string(grown - oldSize) + " bytes saved\n");
    EXPECT_EQ(std::filesystem::file_size(art.file("art.mul")), oldSize);
    const CliRun refused = RunCli({"art-compact", uop.path()});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_NE(refused.err.find("artLegacyMUL.uop"), std::string::npos) << refused.err;
}

TEST(Free, ListsEmptyRecordsOfEveryLayout) {
    for (const TileDataLayout* layout : {&kClassicLayout, &kLargeItemLayout, &kWideFlagLayout}) {
        SCOPED_TRACE(std::string(layout->id));
        TempFolder game;
        ASSERT_TRUE(sample::WriteSampleGame(game.path(), *layout).ok());
        const CliRun items = RunCli({"free", game.file("TileData.mul"), "item"});
        EXPECT_EQ(items.status, kExitDone) << items.err;
        EXPECT_EQ(LineCount(items.out), 16383 - sample::kSampleFreeItems + (layout->itemRecordCount > 16384));
        EXPECT_EQ(items.out.substr(0, 6), std::to_string(sample::kSampleFreeItems) + "\n");
        EXPECT_EQ(RunCli({"free", game.file("TileData.mul"), "land", "--art", game.path()}).out, "");
    }
    EXPECT_EQ(RunCli({"free", "/nonexistent/TileData.mul", "item"}).status, kExitFailure);
    EXPECT_EQ(RunCli({"free", "x", "tree"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"free", "x", "item", "--count", "0"}).status, kExitUsage);
}

}  // namespace
}  // namespace tilewright::cli
