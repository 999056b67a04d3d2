#include <gtest/gtest.h>

#include "tiledatalayout.h"

namespace tilewright {
namespace {

std::optional<std::int32_t> LandRecordPosition(std::int32_t n) { return kClassicLayout.RecordPosition(TileKind::Land, n); }
std::optional<std::int32_t> ItemRecordPosition(std::int32_t n) { return kClassicLayout.RecordPosition(TileKind::Item, n); }
constexpr std::size_t kLandRecordSize = kClassicLayout.RecordSize(TileKind::Land);
constexpr std::size_t kItemRecordSize = kClassicLayout.RecordSize(TileKind::Item);
constexpr std::size_t kLandBlockSize = kClassicLayout.BlockSize(TileKind::Land);
constexpr std::size_t kItemBlockSize = kClassicLayout.BlockSize(TileKind::Item);
constexpr std::int32_t ItemSectionOffset = static_cast<std::int32_t>(kClassicLayout.itemSectionStart);

struct PositionCase {
    bool land;
    std::int32_t n;
    std::int16_t block;
    std::int32_t position;
};

TEST(RecordPosition, WorkedPositions) {
    const PositionCase cases[] = {
        {true, 0, 1, 5},          {true, 31, 1, 811},         {true, 32, 2, 841},
        {true, 16383, 512, 428007}, {false, 0, 1, 428037},    {false, 31, 1, 429184},
        {false, 32, 2, 429225},   {false, 1234, 39, 473847},  {false, 16382, 512, 1036215},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.land ? "land " : "item ") + std::to_string(c.n));
        EXPECT_EQ(BlockNumber(c.n), c.block);
        EXPECT_EQ(c.land ? LandRecordPosition(c.n) : ItemRecordPosition(c.n), c.position);
    }
}

TEST(RecordPosition, LastLandRecordEndsWhereItemsBegin) {
    EXPECT_EQ(*LandRecordPosition(16383) - 1 + static_cast<std::int32_t>(kLandRecordSize), ItemSectionOffset);
}

TEST(RecordPosition, EveryOfferedRecordLiesInsideItsSectionWithoutTouchingHeaders) {
    for (int n = 0; n < kClassicLayout.ListedCount(TileKind::Land); ++n) {
        const std::int32_t offset = *LandRecordPosition(n) - 1;
        ASSERT_EQ((offset % kLandBlockSize - kBlockHeaderSize) % kLandRecordSize, 0u) << n;
        ASSERT_GE(offset % kLandBlockSize, kBlockHeaderSize) << n;
    }
    for (int n = 0; n < kClassicLayout.ListedCount(TileKind::Item); ++n) {
        const std::int32_t offset = *ItemRecordPosition(n) - 1 - ItemSectionOffset;
        ASSERT_GE(offset % kItemBlockSize, kBlockHeaderSize) << n;
        ASSERT_EQ((offset % kItemBlockSize - kBlockHeaderSize) % kItemRecordSize, 0u) << n;
    }
}

TEST(RecordPosition, OverflowIsReportedNotWrapped) {
    // The 16-bit block number overflows first, then the 32-bit products.
    EXPECT_FALSE(BlockNumber(32767 * 32).has_value());
    EXPECT_FALSE(LandRecordPosition(32767 * 32).has_value());
    EXPECT_FALSE(ItemRecordPosition(INT32_MAX).has_value());
    // B * 4 still fits 16 bits just below the limit: 8191 * 4 = 32764.
    EXPECT_TRUE(LandRecordPosition(8190 * 32).has_value());
    EXPECT_FALSE(LandRecordPosition(8192 * 32).has_value());
}

}  // namespace
}  // namespace tilewright
