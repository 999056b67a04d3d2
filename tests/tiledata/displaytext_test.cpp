// Names typed into the window stored as the file's 8-bit bytes.
#include <gtest/gtest.h>

#include <vector>

#include "displaytext.h"

namespace tilewright {
namespace {

std::vector<std::uint8_t> NameBytes(std::vector<std::uint8_t> head) {
    head.resize(kNameSize, 0);
    return head;
}

TEST(StoreTileNameTest, StoresEachCharacterAsOneByte) {
    const struct {
        std::u16string_view text;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {u"abc", NameBytes({0x61, 0x62, 0x63})},
        {u"\u00E9", NameBytes({0xE9})},
        {u"\u00FF\u0080", NameBytes({0xFF, 0x80})},
        {u"", NameBytes({})},
        {u"  a ", NameBytes({0x20, 0x20, 0x61, 0x20})},
        {u"ABCDEFGHIJKLMNOPQRST", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L',
                                                    'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        {u"ABCDEFGHIJKLMNOPQRSTUVW", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K',
                                                       'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        // Past the 20th character nothing is stored, so nothing can fail.
        {u"ABCDEFGHIJKLMNOPQRST\u20AC", NameBytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                                                          'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'})},
        {u"Unlabeled", NameBytes({'U', 'n', 'l', 'a', 'b', 'e', 'l', 'e', 'd'})},
    };
    for (const auto& c : cases) {
        auto name = StoreTileName(c.text, "Tile Name");
        ASSERT_TRUE(name.ok()) << name.error().message;
        EXPECT_EQ(std::vector<std::uint8_t>(name->begin(), name->end()), c.bytes) << c.bytes.size();
    }
}

TEST(StoreTileNameTest, RefusesCharactersAboveLatin1) {
    const struct {
        std::u16string_view text;
        std::string_view mentions;
    } cases[] = {
        {u"\u20AC", "character 1, \"\xE2\x82\xAC\" (U+20AC)"},
        {u"ab\u0100", "character 3, \"\xC4\x80\" (U+0100)"},
        {u"x\U0001F600", "character 2, \"\xF0\x9F\x98\x80\" (U+1F600)"},
    };
    for (const auto& c : cases) {
        auto name = StoreTileName(c.text, "Tile Name");
        ASSERT_FALSE(name.ok());
        EXPECT_EQ(name.error().kind, ErrorKind::InvalidValue);
        EXPECT_NE(name.error().message.find("\"Tile Name\""), std::string::npos) << name.error().message;
        EXPECT_NE(name.error().message.find(c.mentions), std::string::npos) << name.error().message;
        EXPECT_NE(name.error().message.find("U+00FF"), std::string::npos) << name.error().message;
    }
}

}  // namespace
}  // namespace tilewright
