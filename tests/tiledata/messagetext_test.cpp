// Values quoted in messages stay one short readable line whatever they hold.
#include <gtest/gtest.h>

#include "messagetext.h"

namespace tilewright {
namespace {

TEST(QuotedValue, CutsAtFortyCharactersAndEscapesBytes) {
    const std::string forty(40, 'a');
    const std::string umlauts = [] {
        std::string text;
        for (int i = 0; i < 41; ++i) text += "\xC3\xBC";
        return text;
    }();
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {"", "\"\""},
        {forty, "\"" + forty + "\""},
        {forty + "b", "\"" + forty + "\xE2\x80\xA6\""},
        {umlauts, "\"" + umlauts.substr(0, 80) + "\xE2\x80\xA6\""},     // characters, not bytes
        {"a\tb\r\n\x7F", "\"a\\x09b\\x0D\\x0A\\x7F\""},                    // control characters
        {"\xFF\xC3(\xE2\x82", "\"\\xFF\\xC3(\\xE2\\x82\""},                // not UTF-8
        {"\xC2\x85x", "\"\\xC2\\x85x\""},                                  // a C1 control
        {std::string(40, '\x01') + "z", "\"" + [] {
             std::string s;
             for (int i = 0; i < 40; ++i) s += "\\x01";
             return s;
         }() + "\xE2\x80\xA6\""},
        {std::string(1 << 20, 'n'), "\"" + std::string(40, 'n') + "\xE2\x80\xA6\""},  // a name of a megabyte
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedValue(c.text), c.quoted) << c.text.substr(0, 60);
}

}  // namespace
}  // namespace tilewright
