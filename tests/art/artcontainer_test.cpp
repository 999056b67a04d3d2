// Art from artLegacyMUL.uop: the name hash, the same pictures as from the
// .mul files in every form an entry can take, the choice of source, and what
// a broken entry or container does.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "artcontainerbuilder.h"
#include "artfixture.h"
#include "bytes.h"
#include "containertable.h"
#include "lookup3.h"
#include "sampleart.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::kItemArtBase;
using sample::ArtContainerBuilder;
using sample::ArtFileBuilder;
using sample::ContainerEntryForm;

TEST(Lookup3, GivesThePublishedValues) {
    const std::string_view four = "Four score and seven years ago";
    struct Case { std::string_view key; std::uint32_t c, b, wantC, wantB; };
    const Case cases[] = {
        {"", 0, 0, 0xDEADBEEF, 0xDEADBEEF},         {"", 0, 0xDEADBEEF, 0xBD5B7DDE, 0xDEADBEEF},
        {"", 0xDEADBEEF, 0xDEADBEEF, 0x9C093CCD, 0xBD5B7DDE}, {four, 0, 0, 0x17770551, 0xCE7226E6},
        {four, 0, 1, 0xE3607CAE, 0xBD371DE4},        {four, 1, 0, 0xCD628161, 0x6CBEA4B3},
    };
    for (const Case& t : cases) {
        const auto got = Decode_Mul::HashLittle2(Decode_Mul::Bytes(t.key), t.c, t.b);
        EXPECT_EQ(got.primary, t.wantC) << t.key << " " << t.c << " " << t.b;
        EXPECT_EQ(got.secondary, t.wantB) << t.key << " " << t.c << " " << t.b;
    }
    EXPECT_EQ(Decode_Mul::HashLittle(Decode_Mul::Bytes(""), 0), 0xDEADBEEFu);
    EXPECT_EQ(Decode_Mul::HashLittle(Decode_Mul::Bytes(four), 0), 0x17770551u);
    EXPECT_EQ(Decode_Mul::HashLittle(Decode_Mul::Bytes(four), 1), 0xCD628161u);
    EXPECT_EQ(Decode_Mul::ContainerEntryName(16384), "build/artlegacymul/00016384.tga");
}

TEST(ArtContainer, PaintsWhatTheMulFilesOfTheSameImagesPaint) {
    TempFolder mul;
    ASSERT_TRUE(SomeArt().WriteTo(mul.path()).ok());
    struct Form { const char* name; bool compressed; std::uint32_t headerLength; bool swapped; std::uint32_t perBlock; };
    const Form forms[] = {
        {"stored", false, 0, false, 1000}, {"compressed", true, 0, false, 1000},
        {"behind a data header", false, 24, false, 3}, {"compressed behind a header", true, 7, false, 2},
        {"halves swapped", true, 0, true, 1000}, {"halves swapped, one per block", false, 5, true, 1},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(f.name);
        TempFolder uop;
        ArtContainerBuilder container(f.perBlock);
        if (f.swapped) container.SwapHashHalves();
        container.AddUnused();
        const ArtFileBuilder art = SomeArt();
        for (std::int32_t e : kSomeEntries) container.Add(e, *art.Image(e), {f.compressed, f.headerLength});
        container.AddUnused();
        ASSERT_TRUE(container.WriteTo(uop.path()).ok());
        for (std::int32_t e : kSomeEntries) {
            const auto fromMul = Paint(e, mul.path());
            ASSERT_FALSE(fromMul.empty());
            EXPECT_EQ(Paint(e, uop.path()), fromMul) << e;
        }
        EXPECT_TRUE(Paint(3, uop.path()).empty());  // not in the container
        EXPECT_TRUE(Paint(kItemArtBase + 3, uop.path()).empty());
        EXPECT_TRUE(Paint(-1, uop.path()).empty());
        RecordingSurface s;
        EXPECT_TRUE(Decode_Mul::DrawItemArt(s, 3, uop.path()).ok());
    }
}

TEST(ArtContainer, HashHalvesAreTakenInTheOrderTheContainerUses) {
    for (bool swap : {false, true}) {
        ArtContainerBuilder container;
        if (swap) container.SwapHashHalves();
        for (std::int32_t e : kSomeEntries) container.Add(e, {1, 2, 3});
        const auto bytes = container.Bytes();
        const auto table = Decode_Mul::ContainerTable::Read(Decode_Mul::MemoryContainerBytes(bytes), "x.uop");
        ASSERT_TRUE(table);
        EXPECT_EQ(table->swappedHalves(), swap);
        for (std::int32_t e : kSomeEntries) EXPECT_TRUE(table->Find(e)) << e;
    }
}

// The mul pair wins when both of its files are there, whatever their case;
// the container's name is found whatever its case too.
TEST(ArtContainer, IsUsedOnlyWithoutTheMulPair) {
    ArtFileBuilder other;
    other.SetLand(0, *sample::SampleLandImage(99));
    ArtContainerBuilder container;
    container.Add(0, *SomeArt().Image(0));
    TempFolder folder;
    ASSERT_TRUE(container.WriteTo(folder.path(), "ARTLEGACYMUL.UOP").ok());
    ASSERT_TRUE(other.WriteTo(folder.path(), "ArtIdx.mul", "ART.MUL").ok());
    EXPECT_EQ(Paint(0, folder.path()), sample::ExpectedLandPicture(*sample::SampleLandImage(99)));
    std::filesystem::remove(folder.file("ART.MUL"));
    EXPECT_EQ(Paint(0, folder.path()), sample::ExpectedLandPicture(*sample::SampleLandImage(8)));
}

TEST(ArtContainer, AChangedFileIsReadAfresh) {
    TempFolder folder;
    for (std::int32_t picture : {10, 12}) {
        ArtContainerBuilder container;
        ArtFileBuilder art;
        art.SetLand(0, *sample::SampleLandImage(picture));
        container.Add(0, *art.Image(0));
        ASSERT_TRUE(container.WriteTo(folder.path()).ok());
        // Same size: only the modification time tells the versions apart.
        std::filesystem::last_write_time(folder.file(Decode_Mul::kArtContainerFileName),
                                         std::filesystem::file_time_type::clock::now() +
                                             std::chrono::seconds(picture));
        EXPECT_EQ(Paint(0, folder.path()), sample::ExpectedLandPicture(*sample::SampleLandImage(picture)));
    }
}

TEST(ArtContainer, ThreadsPaintAlike) {
    TempFolder folder;
    ArtContainerBuilder container;
    const ArtFileBuilder art = SomeArt();
    for (std::int32_t e : kSomeEntries) container.Add(e, *art.Image(e), {true, 0});
    ASSERT_TRUE(container.WriteTo(folder.path()).ok());
    std::vector<std::vector<PaintedPoint>> got(8);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < got.size(); ++t)
        threads.emplace_back([&, t] { got[t] = Paint(kItemArtBase + sample::kSampleLargeItem, folder.path()); });
    for (auto& t : threads) t.join();
    for (const auto& g : got) EXPECT_EQ(g, sample::ExpectedItemPicture(*sample::SampleItemImage(sample::kSampleLargeItem)));
}

void PutU32(std::vector<std::uint8_t>& b, std::uint64_t at, std::uint32_t v) { WriteU32LE(std::span(b).subspan(at).first<4>(), v); }
void PutU64(std::vector<std::uint8_t>& b, std::uint64_t at, std::uint64_t v) {
    PutU32(b, at, static_cast<std::uint32_t>(v));
    PutU32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

// Three land entries, two a block, the middle one compressed. A break either
// costs entry 1 its image or, in the header or table, the whole container.
TEST(ArtContainer, BrokenEntriesAndContainersPaintNothingAndAreToldOnce) {
    ArtContainerBuilder builder(2);
    const ArtFileBuilder art = SomeArt();
    for (std::int32_t e : {0, 1, 2}) builder.Add(e, *art.Image(e), {e == 1, 0});
    const auto good = builder.Bytes();
    const std::uint64_t entry1 = builder.RecordOffset(1), block2 = builder.RecordOffset(2) - 12;
    const std::uint64_t data1 = ReadU32LE(std::span(good).subspan(entry1).first<4>());
    using Edit = std::function<void(std::vector<std::uint8_t>&)>;
    struct Case { const char* name; Edit edit; const char* problem; };  // problem: nullptr when only entry 1 breaks
    const Case cases[] = {
        {"data past the end", [&](auto& b) { PutU64(b, entry1, b.size()); }, nullptr},
        {"header length past the end", [&](auto& b) { PutU32(b, entry1 + 8, 0xFFFFFFF0u); }, nullptr},
        {"stored size over 16 MiB", [&](auto& b) { PutU32(b, entry1 + 12, (16u << 20) + 1); }, nullptr},
        {"inflated size over 16 MiB", [&](auto& b) { PutU32(b, entry1 + 16, (16u << 20) + 1); }, nullptr},
        {"inflates to more", [&](auto& b) { PutU32(b, entry1 + 16, 2023); }, nullptr},
        {"inflates to less", [&](auto& b) { PutU32(b, entry1 + 16, 2025); }, nullptr},
        {"damaged stream", [&](auto& b) { b[data1 + 5] ^= 0x55; b[data1 + 9] ^= 0xAA; }, nullptr},
        {"unknown compression", [&](auto& b) { b[entry1 + 32] = 2; }, nullptr},
        {"cut short", [&](auto& b) { b.resize(20); }, "fewer than the 28"},
        {"not a container", [&](auto& b) { b[0] = 'X'; }, "does not start with \"MYP\""},
        {"first block past the end", [&](auto& b) { PutU64(b, 12, b.size() - 4); }, "past the end"},
        {"chain loops", [&](auto& b) { PutU64(b, block2 + 4, ArtContainerBuilder::kFirstBlock); }, "comes back to the block at position 41"},
        {"too many entries", [&](auto& b) { PutU32(b, block2, 1000); }, "more than the rest of the file holds"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = good;
        c.edit(bytes);
        TempFolder folder;
        ASSERT_TRUE(sample::WriteWholeFile(folder.file(Decode_Mul::kArtContainerFileName), bytes).ok());
        RecordingSurface first;
        const Status told = Decode_Mul::DrawLandArt(first, 1, folder.path());
        EXPECT_TRUE(first.calls.empty());
        EXPECT_EQ(Paint(2, folder.path()).empty(), c.problem != nullptr);
        ASSERT_EQ(!told.ok(), c.problem != nullptr);
        if (told) continue;
        const std::string& problem = told.error().message;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_NE(problem.find(folder.file(Decode_Mul::kArtContainerFileName)), std::string::npos) << problem;
        RecordingSurface again;
        EXPECT_TRUE(Decode_Mul::DrawLandArt(again, 0, folder.path()).ok());  // told once
    }
}

TEST(SampleArt, TheContainerPaintsEveryPictureOfTheMulFiles) {
    TempFolder mul, uop;
    ASSERT_TRUE(sample::WriteSampleArt(mul.path()).ok());
    ASSERT_TRUE(sample::WriteSampleArt(uop.path(), sample::SampleArtForm::Container).ok());
    const std::int32_t entries = kItemArtBase + sample::kSampleItemCount;
    for (std::int32_t e = 0; e < entries; e += 13) EXPECT_EQ(Paint(e, uop.path()), Paint(e, mul.path())) << e;

    std::ifstream in(uop.file(Decode_Mul::kArtContainerFileName), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const auto table = Decode_Mul::ContainerTable::Read(Decode_Mul::MemoryContainerBytes(bytes), "sample");
    ASSERT_TRUE(table);
    std::size_t images = 0, compressed = 0;
    for (std::int32_t e = 0; e < entries; ++e) {
        const auto entry = table->Find(e);
        images += entry.has_value();
        compressed += entry && entry->compressed;
    }
    EXPECT_EQ(images, table->entryCount());
    EXPECT_GT(compressed, images / 2);
    EXPECT_LT(compressed, images * 4 / 5);
}

}  // namespace
}  // namespace tilewright::arttest
