// The painters through the files: which entry they read, what they paint when
// an entry has no image or leads nowhere, and that the files are left alone.
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "artfixture.h"
#include "artimage.h"
#include "sampleart.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::ArtIndexEntry;
using Decode_Mul::DrawItemArt;
using Decode_Mul::DrawLandArt;
using Decode_Mul::kItemArtBase;
using sample::ArtFileBuilder;
using sample::ExpectedItemPicture;
using sample::ExpectedLandPicture;
using sample::ItemGrid;
using sample::LandColours;

LandColours Gradient(std::uint16_t base) {
    LandColours c{};
    for (std::size_t k = 0; k < c.size(); ++k) c[k] = static_cast<std::uint16_t>(base + k);
    return c;
}

// A 3 x 2 picture with a hole and a black pixel.
ItemGrid SmallItem() {
    ItemGrid g(3, 2);
    g.at(0, 0) = 0x7C00;
    g.at(2, 0) = 0x0000;
    g.at(1, 1) = 0x03E0;
    return g;
}

std::vector<PaintedPoint> Land(std::int32_t entry, const std::string& folder) {
    RecordingSurface s;
    static_cast<void>(DrawLandArt(s, entry, folder));
    return s.calls;
}

std::vector<PaintedPoint> Item(std::int32_t item, const std::string& folder) {
    RecordingSurface s;
    static_cast<void>(DrawItemArt(s, item, folder));
    return s.calls;
}

class ArtFiles : public ::testing::Test {
protected:
    void Write(const ArtFileBuilder& art) { ASSERT_TRUE(art.WriteTo(folder.path()).ok()); }
    void RemoveArt() { std::filesystem::remove(folder.path() + "art.mul"); }
    TempFolder folder;
};

TEST_F(ArtFiles, LandArtIsTheEntryOfTheGivenNumber) {
    ArtFileBuilder art;
    art.SetLand(5, Gradient(100));
    art.SetLand(2, Gradient(900));  // Lookup 2024
    Write(art);
    EXPECT_EQ(Land(5, folder.path()), ExpectedLandPicture(Gradient(100)));
    EXPECT_EQ(Land(2, folder.path()), ExpectedLandPicture(Gradient(900)));
    EXPECT_TRUE(Land(3, folder.path()).empty());
}

TEST_F(ArtFiles, ItemNIsEntry16384PlusN) {
    ArtFileBuilder art;
    art.SetRawImage(0, {1, 2, 3});  // what a land painter would find for entry 0
    art.SetItem(0, SmallItem());
    art.SetItem(16382, SmallItem());
    Write(art);
    ASSERT_EQ(art.IndexBytes().size(), 12u * 32767);  // item 16382 is the last entry, at byte 393192
    EXPECT_EQ(Item(0, folder.path()), ExpectedItemPicture(SmallItem()));
    EXPECT_EQ(Item(16382, folder.path()), ExpectedItemPicture(SmallItem()));
    EXPECT_TRUE(Item(16383, folder.path()).empty());
    EXPECT_TRUE(Item(INT32_MAX, folder.path()).empty());  // entry number past 32 bits
}

// The names of the files opened in `folder` while `action` ran.
std::vector<std::string> FilesOpenedDuring(const std::string& folder, const std::function<void()>& action) {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(fd, 0);
    EXPECT_GE(::inotify_add_watch(fd, folder.c_str(), IN_OPEN), 0);
    action();
    std::vector<std::string> opened;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if (event->len > 0) opened.emplace_back(event->name);
            p += sizeof(inotify_event) + event->len;
        }
    ::close(fd);
    return opened;
}

TEST_F(ArtFiles, NoImageNeedsNoArtFile) {
    ArtFileBuilder art(kItemArtBase + 10);  // every entry -1
    Write(art);
    RemoveArt();
    EXPECT_TRUE(Land(4, folder.path()).empty());
    EXPECT_TRUE(Item(4, folder.path()).empty());
}

// Lookup -1, or any other negative offset, leaves art.mul closed even when
// it is there.
TEST_F(ArtFiles, ArtMulIsNotOpenedForAnEntryWithoutImage) {
    ArtFileBuilder art(kItemArtBase + 10);
    art.SetLand(0, Gradient(1));
    art.SetIndexEntry(1, {-2, 2024, 0});
    art.SetIndexEntry(kItemArtBase + 5, {INT32_MIN, 8, 0});
    Write(art);
    const auto opened = FilesOpenedDuring(folder.path(), [&] {
        EXPECT_TRUE(Land(1, folder.path()).empty());
        EXPECT_TRUE(Land(4, folder.path()).empty());
        EXPECT_TRUE(Item(4, folder.path()).empty());
        EXPECT_TRUE(Item(5, folder.path()).empty());
    });
    EXPECT_NE(std::find(opened.begin(), opened.end(), "artidx.mul"), opened.end());  // repeats coalesce
    EXPECT_EQ(std::count(opened.begin(), opened.end(), "art.mul"), 0);
    // The watch does see art.mul being opened for a real image.
    const auto withImage = FilesOpenedDuring(folder.path(), [&] { EXPECT_FALSE(Land(0, folder.path()).empty()); });
    EXPECT_NE(std::find(withImage.begin(), withImage.end(), "art.mul"), withImage.end());
}

TEST_F(ArtFiles, MissingFilesPaintNothing) {
    EXPECT_TRUE(Land(0, folder.path()).empty());
    EXPECT_TRUE(Item(0, folder.path()).empty());
    ArtFileBuilder art;
    art.SetLand(0, Gradient(1));
    art.SetItem(0, SmallItem());
    Write(art);
    RemoveArt();
    EXPECT_TRUE(Land(0, folder.path()).empty());
    EXPECT_TRUE(Item(0, folder.path()).empty());
}

TEST_F(ArtFiles, LookupsThatLeadNowherePaintNothing) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(1));
    const auto size = static_cast<std::int32_t>(art.ArtBytes().size());
    const std::int32_t lookups[] = {-2, INT32_MIN, size, size + 1, INT32_MAX};
    for (std::size_t i = 0; i < std::size(lookups); ++i) {
        art.SetIndexEntry(static_cast<std::int32_t>(1 + i), {lookups[i], 2024, 0});
        art.SetIndexEntry(kItemArtBase + static_cast<std::int32_t>(i), {lookups[i], 8, 0});
    }
    Write(art);
    for (std::size_t i = 0; i < std::size(lookups); ++i) {
        SCOPED_TRACE(lookups[i]);
        EXPECT_TRUE(Land(static_cast<std::int32_t>(1 + i), folder.path()).empty());
        EXPECT_TRUE(Item(static_cast<std::int32_t>(i), folder.path()).empty());
    }
}

TEST_F(ArtFiles, NegativeEntryNumbersPaintNothing) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(1));
    Write(art);
    for (std::int32_t n : {-1, -32768, INT32_MIN}) EXPECT_TRUE(Land(n, folder.path()).empty()) << n;
    EXPECT_TRUE(Item(-kItemArtBase - 1, folder.path()).empty());
}

TEST_F(ArtFiles, ALandImageCutShortByTheFileEndPaintsNothing) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(1));
    std::vector<std::uint8_t> cut(Decode_Mul::kLandImageSize - 1, 0x11);
    art.SetRawImage(1, cut);
    Write(art);
    EXPECT_EQ(Land(0, folder.path()).size(), 1012u);
    EXPECT_TRUE(Land(1, folder.path()).empty());
}

TEST_F(ArtFiles, LengthAndExtraAreNotConsulted) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(7));
    art.SetItem(0, SmallItem());
    art.SetIndexEntry(0, {0, 1, -1});
    art.SetIndexEntry(kItemArtBase, {static_cast<std::int32_t>(Decode_Mul::kLandImageSize), 0, 12345});
    Write(art);
    EXPECT_EQ(Land(0, folder.path()), ExpectedLandPicture(Gradient(7)));
    EXPECT_EQ(Item(0, folder.path()), ExpectedItemPicture(SmallItem()));
}

TEST_F(ArtFiles, FindsFilesWhateverTheCaseOfTheirNames) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(3));
    art.SetItem(1, SmallItem());
    ASSERT_TRUE(art.WriteTo(folder.path(), "ARTIDX.MUL", "Art.Mul").ok());
    EXPECT_EQ(Land(0, folder.path()), ExpectedLandPicture(Gradient(3)));
    EXPECT_EQ(Item(1, folder.path()), ExpectedItemPicture(SmallItem()));
}

std::size_t OpenFilesUnder(const std::string& folder) {
    std::size_t open = 0;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(fd.path(), ec).string().starts_with(folder)) ++open;
    }
    return open;
}

TEST_F(ArtFiles, LeavesTheFilesUnchangedAndClosed) {
    ArtFileBuilder art;
    art.SetLand(0, Gradient(3));
    art.SetItem(0, SmallItem());
    Write(art);
    const auto before = std::filesystem::last_write_time(folder.path() + "art.mul");
    Land(0, folder.path());
    Item(0, folder.path());
    Item(5, folder.path());
    EXPECT_EQ(OpenFilesUnder(folder.path()), 0u);
    EXPECT_EQ(std::filesystem::last_write_time(folder.path() + "art.mul"), before);
    std::ifstream in(folder.path() + "art.mul", std::ios::binary);
    const std::vector<std::uint8_t> now((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(now, art.ArtBytes());
}

TEST_F(ArtFiles, TheReadWindowGrowsToWhateverTheImageNeeds) {
    const ItemGrid large = *sample::SampleItemImage(sample::kSampleLargeItem);
    ArtFileBuilder art;
    art.SetItem(0, SmallItem());
    art.SetItem(1, large);
    art.SetItem(2, SmallItem());  // the file goes on after the large image
    art.SetItem(3, large);        // and ends with it
    Write(art);
    for (std::int32_t item : {1, 3}) {
        for (std::size_t firstRead : {std::size_t{1}, std::size_t{3}, std::size_t{64}, Decode_Mul::ArtFileWindow::kFirstRead}) {
            SCOPED_TRACE(::testing::Message() << "item " << item << ", first read " << firstRead);
            const auto image = Decode_Mul::OpenArtImage(kItemArtBase + item, folder.path());
            ASSERT_TRUE(image);
            Decode_Mul::ArtFileWindow window(*image, firstRead);
            RecordingSurface surface;
            Decode_Mul::PaintItemImage(surface, window);
            EXPECT_EQ(surface.calls, ExpectedItemPicture(large));
            // The header and row table, then everything up to the last row.
            if (firstRead == Decode_Mul::ArtFileWindow::kFirstRead) {
                EXPECT_LE(window.reads(), 2u);
            }
        }
    }
}

TEST(SampleArt, EveryEntryPaintsItsOwnPicture) {
    TempFolder folder;
    ASSERT_TRUE(sample::WriteSampleArt(folder.path()).ok());
    std::size_t landImages = 0, itemImages = 0;
    for (std::int32_t e = 0; e < sample::kSampleLandCount; e += 7) {
        const auto colours = sample::SampleLandImage(e);
        landImages += colours.has_value();
        EXPECT_EQ(Land(e, folder.path()), colours ? ExpectedLandPicture(*colours) : std::vector<PaintedPoint>{}) << e;
    }
    for (std::int32_t n = 0; n < sample::kSampleItemCount; n += 7) {
        const auto grid = sample::SampleItemImage(n);
        itemImages += grid.has_value();
        EXPECT_EQ(Item(n, folder.path()), grid ? ExpectedItemPicture(*grid) : std::vector<PaintedPoint>{}) << n;
    }
    // The large and the tiny ones.
    for (std::int32_t n : {999, 1999, 2999, 3999, 500, 1500, 2500, 3500})
        EXPECT_EQ(Item(n, folder.path()), ExpectedItemPicture(*sample::SampleItemImage(n))) << n;
    // Most entries have an image, some none.
    EXPECT_GT(landImages, 2000u);
    EXPECT_LT(landImages, 16384u / 7);
    EXPECT_GT(itemImages, 2000u);
    EXPECT_LT(itemImages, 16383u / 7);
}

}  // namespace
}  // namespace tilewright::arttest
