#include "tilesearch.h"

#include "numberconversion.h"

#include <gtest/gtest.h>

#include <set>

#include "tiledatabuilder.h"

namespace tilewright {
namespace {

constexpr auto kNext = SearchDirection::Next;
constexpr auto kPrevious = SearchDirection::Previous;

struct EntryCase {
    const char* what;
    std::int32_t count;
    std::set<std::int32_t> matching;
    std::optional<std::int32_t> selected;
    SearchDirection direction;
    std::optional<SearchHit> expected;
};

TEST(FindEntry, StartsBesideTheSelectionAndWraps) {
    const EntryCase cases[] = {
        {"no selection: the first match", 10, {3, 7}, std::nullopt, kNext, SearchHit{3, false}},
        {"no selection backward: the last match", 10, {3, 7}, std::nullopt, kPrevious, SearchHit{7, false}},
        {"the selection itself is skipped", 10, {3, 7}, 3, kNext, SearchHit{7, false}},
        {"after the last match: wraps to the first", 10, {3, 7}, 7, kNext, SearchHit{3, true}},
        {"before the first match backward: wraps to the last", 10, {3, 7}, 3, kPrevious, SearchHit{7, true}},
        {"the only match is the selection: found again", 10, {5}, 5, kNext, SearchHit{5, true}},
        {"the only match is the selection, backward", 10, {5}, 5, kPrevious, SearchHit{5, true}},
        {"selected last entry: wraps to entry 0", 10, {0}, 9, kNext, SearchHit{0, true}},
        {"selected entry 0 backward: wraps to the last entry", 10, {9}, 0, kPrevious, SearchHit{9, true}},
        {"the last entry without wrapping", 10, {9}, 8, kNext, SearchHit{9, false}},
        {"no match anywhere", 10, {}, 4, kNext, std::nullopt},
        {"no match backward, no selection", 10, {}, std::nullopt, kPrevious, std::nullopt},
        {"an empty list", 0, {0}, std::nullopt, kNext, std::nullopt},
        {"a selection outside the list counts as none", 10, {2}, 42, kNext, SearchHit{2, false}},
        {"a whole item list", 65536, {65535}, 0, kPrevious, SearchHit{65535, true}},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::int32_t> asked;
        const auto hit = FindEntry(c.count, c.selected, c.direction, [&](std::int32_t n) {
            asked.push_back(n);
            return c.matching.count(n) > 0;
        });
        EXPECT_EQ(hit, c.expected);
        for (std::int32_t n : asked) EXPECT_TRUE(n >= 0 && n < c.count) << n;
        if (!hit) {
            EXPECT_EQ(asked.size(), static_cast<std::size_t>(c.count));  // each entry once
        }
    }
}

TEST(SearchNumber, OnlyDigitsAreANumber) {
    const std::pair<std::u16string_view, std::optional<std::uint64_t>> cases[] = {
        {u"0", 0},
        {u"1234", 1234},
        {u"016382", 16382},
        {u"18446744073709551615", 18446744073709551615u},
        {u"99999999999999999999999", 18446744073709551615u},
        {u"", std::nullopt},
        {u"-1", std::nullopt},
        {u"+1", std::nullopt},
        {u" 12", std::nullopt},
        {u"12a", std::nullopt},
        {u"torch", std::nullopt},
        {u"\uFF11", std::nullopt},  // a full-width digit one
    };
    for (const auto& [text, expected] : cases) {
        const auto number = ReadWholeNumber(text, kDigitsOnly);
        EXPECT_EQ(number ? std::optional(number->magnitude) : std::nullopt, expected);
    }
}

// A classic file whose only names are a few torches, of both kinds.
TileDataFile TorchFile(std::size_t keptBytes = sample::kTileDataFileSize) {
    sample::TileDataBuilder builder;
    const std::pair<int, const char*> items[] = {{5, "Torch"}, {300, "wall torch"}, {16000, "TORCH (lit)"}, {16001, "tor ch"}};
    for (const auto& [n, name] : items) {
        TileRow r{TileKind::Item, n};
        r.name = sample::MakeName(name);
        builder.Set(r);
    }
    TileRow land{TileKind::Land, 7};
    land.name = sample::MakeName("torchlit floor");
    builder.Set(land);
    std::vector<std::uint8_t> bytes = builder.bytes();
    bytes.resize(keptBytes);
    return TileDataFile::FromBytes("TileData.mul", std::move(bytes));
}

struct NameCase {
    TileKind kind;
    std::optional<std::int32_t> selected;
    SearchDirection direction;
    std::optional<SearchHit> expected;
};

TEST(FindTileByName, SearchesTheNamesOfTheListsKind) {
    const TileDataFile file = TorchFile();
    const NameCase cases[] = {
        {TileKind::Item, std::nullopt, kNext, SearchHit{5, false}},
        {TileKind::Item, 5, kNext, SearchHit{300, false}},
        {TileKind::Item, 300, kNext, SearchHit{16000, false}},
        {TileKind::Item, 16000, kNext, SearchHit{5, true}},
        {TileKind::Item, 5, kPrevious, SearchHit{16000, true}},
        {TileKind::Item, std::nullopt, kPrevious, SearchHit{16000, false}},
        {TileKind::Land, std::nullopt, kNext, SearchHit{7, false}},
        {TileKind::Land, 7, kNext, SearchHit{7, true}},
    };
    for (const NameCase& c : cases) {
        const std::int32_t listed = file.layout().ListedCount(c.kind);
        EXPECT_EQ(FindTileByName(file, c.kind, listed, c.selected, c.direction, u"torch"), c.expected);
    }
    EXPECT_EQ(FindTileByName(file, TileKind::Land, 16384, std::nullopt, kNext, u"wall"), std::nullopt);
    EXPECT_EQ(FindTileByName(file, TileKind::Item, 16383, std::nullopt, kNext, u"unnamed"), std::nullopt);
}

// A shortened file holds fewer records than the list offers: the missing
// ones match nothing and are never read.
TEST(FindTileByName, TilesTheFileDoesNotHoldMatchNothing) {
    const TileDataFile file = TorchFile(sample::ItemRecordOffset(16000) + 10);
    ASSERT_EQ(file.HeldCount(TileKind::Item), 16000);
    EXPECT_EQ(FindTileByName(file, TileKind::Item, 16383, 300, kNext, u"torch"), (SearchHit{5, true}));
    EXPECT_EQ(FindTileByName(file, TileKind::Item, 16383, 300, kNext, u"tor ch"), std::nullopt);
}

}  // namespace
}  // namespace tilewright
