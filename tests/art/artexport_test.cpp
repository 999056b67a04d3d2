// Pictures saved as PNG: read back, every point must be the window's point in
// its colour, fully opaque, and every other point transparent.
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "artexport.h"
#include "artcontainerbuilder.h"
#include "artfixture.h"
#include "pngencoder.h"
#include "sampleart.h"
#include "support/pngdecode.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::RgbaImage;
using sample::ArtFileBuilder;
using sample::ExpectedItemPicture;
using sample::ExpectedLandPicture;
using sample::ItemGrid;
using testing::DecodePngFile;

// An empty string when `image` is `width` x `height`, holds `points` in their
// colours at alpha 255 and is clear elsewhere; else the first difference.
std::string PictureDifference(const RgbaImage& image, int width, int height, const std::vector<PaintedPoint>& points) {
    if (image.width != width || image.height != height)
        return "size " + std::to_string(image.width) + " x " + std::to_string(image.height);
    std::vector<std::uint8_t> expected(4 * static_cast<std::size_t>(width) * height, 0);
    for (const auto& p : points) {
        auto* at = &expected[4 * (static_cast<std::size_t>(p.y) * width + p.x)];
        at[0] = p.colour & 0xFF, at[1] = (p.colour >> 8) & 0xFF, at[2] = (p.colour >> 16) & 0xFF, at[3] = 0xFF;
    }
    const auto [mine, theirs] = std::mismatch(image.rgba.begin(), image.rgba.end(), expected.begin(), expected.end());
    if (mine == image.rgba.end() && theirs == expected.end()) return {};
    const auto point = static_cast<std::size_t>(mine - image.rgba.begin()) / 4;
    return "first difference at (" + std::to_string(point % width) + ", " + std::to_string(point / width) + ")";
}

// A 4 x 3 picture whose last column and last row are clear, with a black point.
ItemGrid ClearEdges() {
    ItemGrid g(4, 3);
    g.at(0, 0) = 0x7C00;
    g.at(2, 0) = 0x0000;
    g.at(1, 1) = 0x03E0;
    g.at(2, 1) = 0xFFFF;
    return g;
}

ItemGrid Filled(int width, int height, std::uint16_t colour) {
    ItemGrid g(width, height);
    for (auto& c : g.cells) c = colour;
    return g;
}

class ArtExport : public ::testing::Test {
protected:
    void Write(const ArtFileBuilder& art) { ASSERT_TRUE(art.WriteTo(art_.path()).ok()); }
    std::string Out(const std::string& name) const { return out_.file(name); }
    TempFolder art_, out_;
};

struct ItemCase {
    const char* what;
    ItemGrid grid;
};

TEST_F(ArtExport, PicturesReadBackAsTheWindowPaintsThem) {
    const std::vector<ItemCase> items = {
        {"clear last column and row", ClearEdges()},
        {"one point", Filled(1, 1, 0x1234)},
        {"wide", Filled(300, 2, 0x4210)},
        {"sample ring", *sample::SampleItemImage(3)},
        {"sample large", *sample::SampleItemImage(sample::kSampleLargeItem)},
    };
    const auto land = *sample::SampleLandImage(1);
    ArtFileBuilder art;
    art.SetLand(7, land);
    for (std::size_t i = 0; i < items.size(); ++i) art.SetItem(static_cast<std::int32_t>(i), items[i].grid);
    Write(art);

    ASSERT_TRUE(ExportArtPicture(art_.path(), TileKind::Land, 7, Out("land.png")).ok());
    const auto landPicture = DecodePngFile(Out("land.png"));
    ASSERT_TRUE(landPicture);
    EXPECT_EQ(PictureDifference(*landPicture, 44, 44, ExpectedLandPicture(land)), "");

    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i].what);
        const std::string path = Out("item" + std::to_string(i) + ".png");
        ASSERT_TRUE(ExportArtPicture(art_.path(), TileKind::Item, static_cast<std::int32_t>(i), path).ok());
        const auto picture = DecodePngFile(path);
        ASSERT_TRUE(picture);
        EXPECT_EQ(PictureDifference(*picture, items[i].grid.width, items[i].grid.height, ExpectedItemPicture(items[i].grid)), "");
    }
}

// A first run may start past ImageWidth; the picture keeps the header's size
// and drops what lies outside, as the picture area would.
TEST_F(ArtExport, PointsOutsideTheHeaderSizeAreLeftOut) {
    ArtFileBuilder art;
    art.SetRawImage(Decode_Mul::kItemArtBase, Concat(Words({0, 0, 2, 1, 0}), Words({1, 3, 0x7C00, 0x03E0, 0x001F, 0, 0})));
    Write(art);
    ASSERT_TRUE(ExportArtPicture(art_.path(), TileKind::Item, 0, Out("p.png")).ok());
    const auto picture = DecodePngFile(Out("p.png"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(PictureDifference(*picture, 2, 1, {{1, 0, Rgb(0x7C00)}}), "");
}

struct RefusalCase {
    const char* what;
    TileKind kind;
    std::int32_t id;
    const char* messagePart;
};

TEST_F(ArtExport, RefusesEntriesWithoutAPictureNamingTheArtFolder) {
    ArtFileBuilder art(Decode_Mul::kItemArtBase + 4);
    art.SetLand(0, *sample::SampleLandImage(1));
    art.SetItem(1, ItemGrid(3, 3));  // rows without runs
    art.SetRawImage(Decode_Mul::kItemArtBase + 2, Words({0, 0, 40000, 40000}));  // a claimed size, negative
    // 5000 x 5000 is past the points a picture may hold; every row paints a point.
    art.SetRawImage(Decode_Mul::kItemArtBase + 3,
                    Concat(Concat(Words({0, 0, 5000, 5000}), std::vector<std::uint8_t>(10000, 0)), Words({0, 1, 0x7C00, 0, 0})));
    Write(art);
    const RefusalCase cases[] = {
        {"no image", TileKind::Land, 1, "has no picture for land 1"},
        {"paints no point", TileKind::Item, 1, "has no picture for item 1"},
        {"no size", TileKind::Item, 2, "has no picture for item 2"},
        {"too large", TileKind::Item, 3, "has no picture for item 3"},
        {"land past 16383", TileKind::Land, 16384, "holds no land 16384"},
        {"item past the index", TileKind::Item, 4, "holds no item 4"},
        {"negative", TileKind::Item, -1, "holds no item -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status exported = ExportArtPicture(art_.path(), c.kind, c.id, Out("x.png"));
        ASSERT_FALSE(exported.ok());
        EXPECT_NE(exported.error().message.find(c.messagePart), std::string::npos) << exported.error().message;
        EXPECT_NE(exported.error().message.find(art_.path()), std::string::npos) << exported.error().message;
        EXPECT_FALSE(std::filesystem::exists(Out("x.png")));
    }
}

TEST_F(ArtExport, FileErrorsNameTheFile) {
    const Status noArt = ExportArtPicture(art_.path(), TileKind::Land, 0, Out("x.png"));
    ASSERT_FALSE(noArt.ok());
    EXPECT_EQ(noArt.error().kind, ErrorKind::FileMissing);
    EXPECT_NE(noArt.error().message.find("artidx.mul"), std::string::npos);

    ArtFileBuilder art;
    art.SetLand(0, *sample::SampleLandImage(1));
    Write(art);
    const std::string unwritable = Out("missing/x.png");
    const Status noFolder = ExportArtPicture(art_.path(), TileKind::Land, 0, unwritable);
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.error().kind, ErrorKind::FileUnwritable);
    EXPECT_NE(noFolder.error().message.find(unwritable), std::string::npos);

    ASSERT_TRUE(sample::WriteWholeFile(Out("plain"), {1}).ok());
    const auto underAFile = ExportAllArt(art_.path(), Out("plain/pictures"), {});
    ASSERT_FALSE(underAFile.ok());
    EXPECT_NE(underAFile.error().message.find(Out("plain/pictures")), std::string::npos);
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& f : std::filesystem::directory_iterator(folder)) names.insert(f.path().filename().string());
    return names;
}

struct AllCase {
    const char* what;
    bool land, items;
    unsigned threads;
    std::set<std::string> files;
};

// Land 0 and 42 and items 0 and 11 paint; the other entries do not.
ArtFileBuilder SmallArt() {
    ArtFileBuilder art(Decode_Mul::kItemArtBase + 12);
    art.SetLand(0, *sample::SampleLandImage(1));
    art.SetLand(42, *sample::SampleLandImage(2));
    art.SetRawImage(43, Words({1, 2, 3}));  // cut short: paints nothing
    art.SetItem(0, ClearEdges());
    art.SetItem(5, ItemGrid(2, 2));  // no runs
    art.SetItem(11, Filled(2, 2, 0));  // the last entry
    return art;
}

TEST_F(ArtExport, AllWritesEveryEntryWithAPictureAndNothingElse) {
    Write(SmallArt());
    const std::set<std::string> land = {"land-00000.png", "land-00042.png"};
    const std::set<std::string> items = {"item-00000.png", "item-00011.png"};
    std::set<std::string> both = land;
    both.insert(items.begin(), items.end());
    const AllCase cases[] = {
        {"both kinds, all cores", true, true, 0, both},
        {"both kinds, one thread", true, true, 1, both},
        {"land", true, false, 2, land},
        {"items", false, true, 3, items},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dir = Out(std::string(c.what) + "/nested");
        std::size_t lastDone = 0, lastTotal = 0;
        const auto summary = ExportAllArt(art_.path(), dir, {c.land, c.items, c.threads, [&](std::size_t done, std::size_t total) {
                                                                 lastDone = done;
                                                                 lastTotal = total;
                                                             }});
        ASSERT_TRUE(summary.ok()) << summary.error().message;
        EXPECT_EQ(FilesIn(dir), c.files);
        EXPECT_EQ(summary->landPictures + summary->itemPictures, c.files.size());
        const std::size_t entries = (c.land ? 16384u : 0u) + (c.items ? 12u : 0u);
        EXPECT_EQ(lastDone, entries);
        EXPECT_EQ(lastTotal, entries);
    }
    const auto item = DecodePngFile(Out("items/nested/item-00000.png"));
    ASSERT_TRUE(item);
    EXPECT_EQ(PictureDifference(*item, 4, 3, ExpectedItemPicture(ClearEdges())), "");
}

TEST_F(ArtExport, AContainerFolderGivesTheSameFiles) {
    Write(SmallArt());
    TempFolder container;
    const auto built = sample::ContainerOfArt(SmallArt(), [](std::int32_t entry) {
        return sample::ContainerEntryForm{entry % 2 == 0, 0};
    });
    ASSERT_TRUE(built.WriteTo(container.path()).ok());
    ASSERT_TRUE(ExportAllArt(art_.path(), Out("mul"), {}).ok());
    const auto fromContainer = ExportAllArt(container.path(), Out("uop"), {});
    ASSERT_TRUE(fromContainer.ok()) << fromContainer.error().message;
    const auto names = FilesIn(Out("mul"));
    EXPECT_EQ(names.size(), 4u);
    EXPECT_EQ(FilesIn(Out("uop")), names);
    for (const auto& name : names) EXPECT_EQ(testing::FileBytes(Out("uop/" + name)), testing::FileBytes(Out("mul/" + name))) << name;
    EXPECT_TRUE(ExportArtPicture(container.path(), TileKind::Item, 11, Out("one.png")).ok());
    EXPECT_FALSE(ExportArtPicture(container.path(), TileKind::Item, 12, Out("none.png")).ok());

    ASSERT_TRUE(sample::WriteWholeFile(container.file(Decode_Mul::kArtContainerFileName), {'M', 'Y', 'P', 0}).ok());
    const auto broken = ExportAllArt(container.path(), Out("broken"), {});
    ASSERT_FALSE(broken.ok());
    EXPECT_NE(broken.error().message.find(Decode_Mul::kArtContainerFileName), std::string::npos) << broken.error().message;
}

TEST(ArtPictureFileName, PadsToFiveDigits) {
    EXPECT_EQ(ArtPictureFileName(TileKind::Land, 0), "land-00000.png");
    EXPECT_EQ(ArtPictureFileName(TileKind::Item, 16382), "item-16382.png");
    EXPECT_EQ(ArtPictureFileName(TileKind::Item, 123456), "item-123456.png");
}

TEST(EncodePng, RefusesAnEmptyPicture) {
    EXPECT_FALSE(EncodePng(RgbaImage{}).ok());
    EXPECT_FALSE(EncodePng(RgbaImage{2, 2, std::vector<std::uint8_t>(15)}).ok());
}

}  // namespace
}  // namespace tilewright::arttest
