#include "freeslots.h"

#include <gtest/gtest.h>

#include "sampleart.h"
#include "tiledatabuilder.h"

namespace tilewright {
namespace {

using sample::TileDataBuilder;

TEST(FreeSlots, EmptyRecordsWithoutPictureAscendingInEveryLayout) {
    for (const TileDataLayout* layout : {&kClassicLayout, &kLargeItemLayout, &kWideFlagLayout}) {
        SCOPED_TRACE(std::string(layout->id));
        TileDataBuilder builder(*layout);
        // Every record empty but a few, each made non-empty by one field only.
        TileRow named{TileKind::Item, 0};
        named.name = sample::MakeName("x");
        TileRow flagged{TileKind::Item, 1, layout->flagSize == 8 ? FlagMask(40) : FlagMask(0)};
        TileRow heavy{TileKind::Item, 2};
        heavy.value("weight") = 1;
        TileRow textured{TileKind::Land, 0};
        textured.value("texture") = -1;
        for (const TileRow& row : {named, flagged, heavy, textured}) builder.Set(row);
        const auto file = TileDataFile::FromBytes("TileData.mul", builder.bytes());

        const auto pictured = [](std::int32_t n) { return n == 3 || n == 5; };
        EXPECT_EQ(FreeSlots(file, TileKind::Item, pictured, 3), (std::vector<std::int32_t>{4, 6, 7}));
        EXPECT_EQ(FreeSlots(file, TileKind::Land, pictured, 2), (std::vector<std::int32_t>{1, 2}));
        const auto all = FreeSlots(file, TileKind::Item, [](std::int32_t) { return false; });
        EXPECT_EQ(all.size(), static_cast<std::size_t>(layout->ListedCount(TileKind::Item) - 3));
        EXPECT_EQ(all.back(), layout->ListedCount(TileKind::Item) - 1);
        EXPECT_TRUE(IsEmptyRecord(file, TileKind::Item, 3));
        EXPECT_FALSE(IsEmptyRecord(file, TileKind::Item, 1));
        EXPECT_FALSE(IsEmptyRecord(file, TileKind::Land, 0));
    }
}

TEST(FreeSlots, TheSampleHasFreeItemsAtTheEndOfTheClassicRangeAndAShortFileOffersWhatItHolds) {
    auto bytes = sample::BuildSampleTileData(kClassicLayout);
    const auto full = TileDataFile::FromBytes("TileData.mul", bytes);
    std::vector<std::int32_t> last;
    for (std::int32_t n = sample::kSampleFreeItems; n < 16383; ++n) last.push_back(n);
    EXPECT_EQ(FreeSlots(full, TileKind::Item, [](std::int32_t) { return false; }), last);
    EXPECT_TRUE(FreeSlots(full, TileKind::Land, [](std::int32_t) { return false; }).empty());

    bytes.assign(kClassicLayout.itemSectionStart + 4 + 2 * kClassicLayout.RecordSize(TileKind::Item), 0);
    const auto shortened = TileDataFile::FromBytes("TileData.mul", bytes);
    EXPECT_EQ(FreeSlots(shortened, TileKind::Item, [](std::int32_t) { return false; }),
              (std::vector<std::int32_t>{0, 1}));
}

}  // namespace
}  // namespace tilewright
