#include "tilecolumns.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace tilewright {
namespace {

// Every column is found by its own name, which a CSV header and a JSON key
// can carry as it stands.
TEST(TileColumns, EachNameFindsItsColumnAndOnlyTheExactNameDoes) {
    std::set<std::string> names;
    for (int column = 0; column < kMaxColumnCount; ++column) {
        const std::string& name = ColumnName(column);
        EXPECT_EQ(FindColumn(name), column) << name;
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return std::islower(c) || std::isdigit(c) || c == '_'; }))
            << name;
        EXPECT_EQ(IsFlagColumn(column), name.starts_with("flag_")) << name;
    }
    for (const char* other : {"", "Kind", " id", "id ", "flag_", "door", "flag_door ", "weight\r", "texture,"})
        EXPECT_EQ(FindColumn(other), std::nullopt) << other;
    EXPECT_EQ(FindColumn(std::string_view("id\0", 3)), std::nullopt);
}

TEST(TileColumns, ReadsUtf8OnlyInItsShortestForm) {
    const struct {
        std::string_view text;
        char32_t code;  // 0: refused
        std::size_t length;
    } cases[] = {
        {"\x7F", 0x7F, 1},
        {"\xC2\x80", 0x80, 2},
        {"\xDF\xBF", 0x7FF, 2},
        {"\xEF\xBF\xBF", 0xFFFF, 3},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\xC1\xBF", 0, 0},              // U+007F in two bytes
        {"\xE0\x9F\xBF", 0, 0},          // U+07FF in three
        {"\xF0\x8F\xBF\xBF", 0, 0},      // U+FFFF in four
        {"\xED\xA0\x80", 0, 0},          // a surrogate
        {"\xF4\x90\x80\x80", 0, 0},      // past U+10FFFF
        {"\x80", 0, 0},                  // a continuation byte first
        {"\xC3", 0, 0},                  // cut short
        {"\xE2\x82(", 0, 0},             // cut by another character
        {"\xF8\x88\x80\x80\x80", 0, 0},  // five bytes
    };
    for (const auto& c : cases) {
        std::size_t at = 0;
        char32_t code = 0;
        const bool read = NextCodePoint(c.text, at, code);
        EXPECT_EQ(read, c.code != 0) << std::hex << static_cast<std::uint32_t>(c.code);
        if (read) {
            EXPECT_EQ(static_cast<std::uint32_t>(code), static_cast<std::uint32_t>(c.code));
        }
        EXPECT_EQ(at, c.length) << std::hex << static_cast<std::uint32_t>(c.code);
    }
}

TEST(TileColumns, NameTextIsTheBytesUpToTheFirstZeroAsLatin1) {
    const auto name = [](std::string_view bytes) {
        TileName out{};
        std::copy(bytes.begin(), bytes.end(), out.begin());
        return out;
    };
    EXPECT_EQ(NameText(name("Gr\xFCn\xA0")), "Gr\xC3\xBCn\xC2\xA0");
    EXPECT_EQ(NameText(name(std::string_view("a\0b", 3))), "a");
    EXPECT_EQ(NameText(name("ABCDEFGHIJKLMNOPQRS\xFF")), "ABCDEFGHIJKLMNOPQRS\xC3\xBF");
    EXPECT_EQ(NameText(TileName{}), "");
}

}  // namespace
}  // namespace tilewright
