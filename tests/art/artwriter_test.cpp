// Putting pictures into both forms of art folder and taking them out: every
// picture comes back point for point, the rest of the files stays as it was,
// and a write that fails leaves both files untouched.
#include "artwriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "artcontainerbuilder.h"
#include "artencoder.h"
#include "artfixture.h"
#include "artpresence.h"
#include "artrender.h"
#include "bytes.h"
#include "sampleart.h"
#include "support/files.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::ArtWriteOptions;
using Decode_Mul::ImagePut;
using Decode_Mul::kItemArtBase;
using testing::Listing;
using testing::ReadAll;

enum class Form { Mul, Stored, Compressed, SwappedSmallBlocks };

void WriteArt(const std::string& folder, Form form) {
    const auto art = SomeArt();
    if (form == Form::Mul) {
        ASSERT_TRUE(art.WriteTo(folder).ok());
        return;
    }
    sample::ArtContainerBuilder container(form == Form::SwappedSmallBlocks ? 2 : 1000);
    if (form == Form::SwappedSmallBlocks) container.SwapHashHalves();
    container.AddUnused();
    for (std::int32_t e : kSomeEntries) container.Add(e, *art.Image(e), {form == Form::Compressed, 0});
    ASSERT_TRUE(container.WriteTo(folder).ok());
}

// The picture of `entry` as `art` saves it, encoded again.
ImagePut Reencoded(std::int32_t entry, const std::string& folder) {
    const bool land = entry < kItemArtBase;
    const auto picture = Decode_Mul::RenderArt(land ? TileKind::Land : TileKind::Item,
                                               land ? entry : entry - kItemArtBase, folder);
    EXPECT_TRUE(picture) << entry;
    const auto image = land ? Decode_Mul::EncodeLandImage(*picture, "p.png") : Decode_Mul::EncodeItemImage(*picture, "p.png");
    EXPECT_TRUE(image.ok()) << entry;
    return {entry, image->bytes};
}

constexpr Form kForms[] = {Form::Mul, Form::Stored, Form::Compressed, Form::SwappedSmallBlocks};

TEST(ArtWriter, EveryPictureSavedAndPutBackPaintsTheSamePoints) {
    for (Form form : kForms) {
        SCOPED_TRACE(static_cast<int>(form));
        TempFolder original, copy;
        WriteArt(original.path(), form);
        WriteArt(copy.path(), form);
        std::vector<ImagePut> puts;
        for (std::int32_t e : kSomeEntries) puts.push_back(Reencoded(e, original.path()));
        // A new item where none was, and land 1's picture as item 7000 as well.
        puts.push_back({kItemArtBase + 6000, Reencoded(kItemArtBase + 1, original.path()).image});
        ArtWriteOptions options;
        options.compress = form == Form::Compressed;
        ASSERT_TRUE(Decode_Mul::PutArtImages(copy.path(), puts, options).ok());
        for (std::int32_t e : kSomeEntries) EXPECT_EQ(Paint(e, copy.path()), Paint(e, original.path())) << e;
        EXPECT_EQ(Paint(kItemArtBase + 6000, copy.path()), Paint(kItemArtBase + 1, original.path()));
        EXPECT_TRUE(Paint(kItemArtBase + 6001, copy.path()).empty());
        EXPECT_EQ(Listing(copy.path()), Listing(original.path()));
    }
}

TEST(ArtWriter, OnlyThePutEntryChanges) {
    TempFolder folder;
    WriteArt(folder.path(), Form::Mul);
    const auto index = ReadAll(folder.file("artidx.mul")), art = ReadAll(folder.file("art.mul"));
    const ImagePut put = Reencoded(kItemArtBase + 2, folder.path());
    ASSERT_TRUE(Decode_Mul::PutArtImages(folder.path(), std::span(&put, 1)).ok());
    const auto newIndex = ReadAll(folder.file("artidx.mul")), newArt = ReadAll(folder.file("art.mul"));
    ASSERT_EQ(newIndex.size(), index.size());
    const std::size_t at = 12 * (kItemArtBase + 2);
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (i < at || i >= at + 12) {
            ASSERT_EQ(newIndex[i], index[i]) << i;
        }
    }
    const auto field = [&](std::size_t k) { return ReadI32LE(std::span(newIndex).subspan(at + 4 * k).first<4>()); };
    EXPECT_EQ(field(0), static_cast<std::int32_t>(art.size()));
    EXPECT_EQ(field(1), static_cast<std::int32_t>(put.image.size()));
    EXPECT_EQ(field(2), 0);
    EXPECT_TRUE(std::equal(art.begin(), art.end(), newArt.begin()));
    EXPECT_EQ(newArt.size(), art.size() + put.image.size());

    // In a container: a replaced record and one free slot taken, the count grown by the new entry.
    TempFolder uop;
    WriteArt(uop.path(), Form::Stored);
    const auto before = ReadAll(uop.file("artLegacyMUL.uop"));
    const ImagePut puts[] = {put, {kItemArtBase + 40000, put.image}};
    ASSERT_TRUE(Decode_Mul::PutArtImages(uop.path(), puts).ok());
    const auto after = ReadAll(uop.file("artLegacyMUL.uop"));
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed.push_back(i);
    ASSERT_FALSE(changed.empty());
    EXPECT_EQ(ReadU32LE(std::span(after).subspan<24, 4>()), ReadU32LE(std::span(before).subspan<24, 4>()) + 1);
    for (std::size_t i : changed) {
        const bool inRecord = i >= sample::ArtContainerBuilder::kFirstBlock + 12;
        const std::size_t record = (i - sample::ArtContainerBuilder::kFirstBlock - 12) / 34;
        EXPECT_TRUE((i >= 24 && i < 28) || (inRecord && (record == 0 || record == 6))) << i;
    }
}

TEST(ArtWriter, AFailureBeforeTheRenameLeavesEveryFileAsItWas) {
    for (Form form : kForms) {
        SCOPED_TRACE(static_cast<int>(form));
        TempFolder folder;
        WriteArt(folder.path(), form);
        std::vector<std::vector<std::uint8_t>> before;
        const auto names = Listing(folder.path());
        for (const auto& name : names) before.push_back(ReadAll(folder.file(name)));
        ArtWriteOptions options;
        options.beforeRename = [] { return Status(Error{ErrorKind::FileUnwritable, "the disk is full"}); };
        const ImagePut put = Reencoded(kItemArtBase, folder.path());
        const auto status = Decode_Mul::PutArtImages(folder.path(), std::span(&put, 1), options);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().message, "the disk is full");
        const std::int32_t removed[] = {1};
        EXPECT_FALSE(Decode_Mul::RemoveArtImages(folder.path(), removed, options).ok());
        ASSERT_EQ(Listing(folder.path()), names);
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_TRUE(ReadAll(folder.file(names[i])) == before[i]) << names[i];
    }
}

TEST(ArtWriter, RemovedEntriesHaveNoPictureAndRemovingAgainChangesNothing) {
    for (Form form : kForms) {
        SCOPED_TRACE(static_cast<int>(form));
        TempFolder folder;
        WriteArt(folder.path(), form);
        const std::int32_t entries[] = {1, kItemArtBase + 2, kItemArtBase + 3};  // the last has none
        const auto removed = Decode_Mul::RemoveArtImages(folder.path(), entries);
        ASSERT_TRUE(removed.ok()) << removed.error().message;
        EXPECT_EQ(*removed, 2u);
        const auto presence = Decode_Mul::ArtPresence::Read(folder.path());
        ASSERT_TRUE(presence.ok());
        for (std::int32_t e : kSomeEntries) EXPECT_EQ(presence->Has(e), e != 1 && e != kItemArtBase + 2) << e;
        EXPECT_TRUE(Paint(1, folder.path()).empty());
        const auto names = Listing(folder.path());
        const auto bytes = ReadAll(folder.file(names.front()));
        EXPECT_EQ(*Decode_Mul::RemoveArtImages(folder.path(), entries), 0u);
        EXPECT_TRUE(ReadAll(folder.file(names.front())) == bytes);
    }
}

TEST(ArtWriter, AShortIndexGrowsWithEntriesWithoutPicture) {
    TempFolder folder;
    sample::ArtFileBuilder art(3);
    art.SetLand(1, *sample::SampleLandImage(4));
    ASSERT_TRUE(art.WriteTo(folder.path()).ok());
    const ImagePut put = {kItemArtBase + 65535, Reencoded(1, folder.path()).image};
    ASSERT_TRUE(Decode_Mul::PutArtImages(folder.path(), std::span(&put, 1)).ok());
    const auto index = ReadAll(folder.file("artidx.mul"));
    ASSERT_EQ(index.size(), 12u * (kItemArtBase + 65536));
    for (std::int32_t e : {0, 2, 3, kItemArtBase, kItemArtBase + 65534})
        EXPECT_EQ(ReadI32LE(std::span(index).subspan(12 * static_cast<std::size_t>(e)).first<4>()), -1) << e;
    const std::int32_t outside[] = {kItemArtBase + 65536};
    EXPECT_FALSE(Decode_Mul::RemoveArtImages(folder.path(), outside).ok());
}

TEST(ArtWriter, CompactDropsReplacedImagesAndKeepsSharedOnesOnce) {
    TempFolder folder;
    auto art = SomeArt();
    // Land 5 shares land 1's image.
    art.SetIndexEntry(5, {2024, 2024, 0});  // lands 0 to 2 lie first, in order
    ASSERT_TRUE(art.WriteTo(folder.path()).ok());
    const auto original = ReadAll(folder.file("art.mul")).size();
    std::vector<std::vector<PaintedPoint>> before;
    for (std::int32_t e : kSomeEntries) before.push_back(Paint(e, folder.path()));
    const ImagePut put = Reencoded(kItemArtBase + 1, folder.path());
    ASSERT_TRUE(Decode_Mul::PutArtImages(folder.path(), std::span(&put, 1)).ok());
    const auto saved = Decode_Mul::CompactArt(folder.path());
    ASSERT_TRUE(saved.ok()) << saved.error().message;
    EXPECT_EQ(*saved, put.image.size());
    EXPECT_EQ(ReadAll(folder.file("art.mul")).size(), original);
    for (std::size_t i = 0; i < std::size(kSomeEntries); ++i) EXPECT_EQ(Paint(kSomeEntries[i], folder.path()), before[i]);
    EXPECT_EQ(Paint(5, folder.path()), Paint(1, folder.path()));
    EXPECT_EQ(*Decode_Mul::CompactArt(folder.path()), 0u);
}

}  // namespace
}  // namespace tilewright::arttest
