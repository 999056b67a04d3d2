#include "numberconversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace tilewright {
namespace {

constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

struct Case {
    std::u16string_view text;
    std::int64_t min, max;
    std::optional<std::int64_t> expected;  // nothing: the text must be refused
};

TEST(NumberConversionTest, AcceptsDecimalNumbersAndRoundsHalvesToEven) {
    const Case cases[] = {
        {u"0", 0, 255, 0},
        {u"255", 0, 255, 255},
        {u" 7\t", 0, 255, 7},
        {u"\t 12  ", 0, 255, 12},
        {u"+5", 0, 255, 5},
        {u"007", 0, 255, 7},
        {u"-0", 0, 255, 0},
        {u"-0.5", 0, 255, 0},
        {u"2.5", 0, 255, 2},
        {u"3.5", 0, 255, 4},
        {u"0.5", 0, 255, 0},
        {u"1.5", 0, 255, 2},
        {u"2.4999999", 0, 255, 2},
        {u"2.5000000000000000001", 0, 255, 3},
        {u"2.50000000000000000000", 0, 255, 2},
        {u"2.6", 0, 255, 3},
        {u"5.", 0, 255, 5},
        {u".5", 0, 255, 0},
        {u".51", 0, 255, 1},
        {u"254.5", 0, 255, 254},
        {u"255.4", 0, 255, 255},
        {u"-2.5", -32768, 32767, -2},
        {u"-3.5", -32768, 32767, -4},
        {u"-1", -32768, 32767, -1},
        {u"-32768", -32768, 32767, -32768},
        {u"-32768.5", -32768, 32767, -32768},
        {u"-32767.5", -32768, 32767, -32768},
        {u"32767", -32768, 32767, 32767},
        {u"-2147483648", INT32_MIN, INT32_MAX, INT32_MIN},
        {u"2147483647", INT32_MIN, INT32_MAX, INT32_MAX},
        {u"-9223372036854775808", kInt64Min, kInt64Max, kInt64Min},
        {u"9223372036854775807", kInt64Min, kInt64Max, kInt64Max},
        {u"15", 10, 20, 15},
        {u"-15", -20, -10, -15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TextForMessage(c.text));
        auto n = ConvertWholeNumber(c.text, "Box :", c.min, c.max);
        ASSERT_TRUE(n.ok()) << n.error().message;
        EXPECT_EQ(*n, *c.expected);
    }
}

TEST(NumberConversionTest, RefusesEverythingElse) {
    const Case cases[] = {
        {u"", 0, 255, {}},
        {u"   ", 0, 255, {}},
        {u"\t", 0, 255, {}},
        {u"256", 0, 255, {}},
        {u"-1", 0, 255, {}},
        {u"255.5", 0, 255, {}},
        {u"-0.6", 0, 255, {}},
        {u"abc", 0, 255, {}},
        {u"12abc", 0, 255, {}},
        {u"1e2", 0, 255, {}},
        {u"0x10", 0, 255, {}},
        {u"1,5", 0, 255, {}},
        {u"1 2", 0, 255, {}},
        {u"- 5", 0, 255, {}},
        {u"++5", 0, 255, {}},
        {u"5-", 0, 255, {}},
        {u"+", 0, 255, {}},
        {u"-", 0, 255, {}},
        {u".", 0, 255, {}},
        {u"1.2.3", 0, 255, {}},
        {u"1.-2", 0, 255, {}},
        {u"\u00A05", 0, 255, {}},    // no-break space is not a blank
        {u"\uFF11", 0, 255, {}},     // fullwidth digit one
        {u"\u0663", 0, 255, {}},     // Arabic-Indic digit three
        {u"5\n", 0, 255, {}},
        {u"32768", -32768, 32767, {}},
        {u"-32769", -32768, 32767, {}},
        {u"32767.5", -32768, 32767, {}},
        {u"2147483648", INT32_MIN, INT32_MAX, {}},
        {u"-2147483649", INT32_MIN, INT32_MAX, {}},
        {u"9223372036854775808", kInt64Min, kInt64Max, {}},
        {u"-9223372036854775809", kInt64Min, kInt64Max, {}},
        {u"18446744073709551616", kInt64Min, kInt64Max, {}},
        {u"18446744073709551615.9", kInt64Min, kInt64Max, {}},
        {u"-99999999999999999999999999999999999999", kInt64Min, kInt64Max, {}},
        {u"5", 10, 20, {}},
        {u"0", 10, 20, {}},
        {u"-5", -20, -10, {}},
        {u"0", -20, -10, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TextForMessage(c.text));
        auto n = ConvertWholeNumber(c.text, "Box :", c.min, c.max);
        ASSERT_FALSE(n.ok()) << *n;
        EXPECT_EQ(n.error().kind, ErrorKind::InvalidValue);
    }
}

TEST(NumberConversionTest, MessagesNameTheBoxAndTheRange) {
    EXPECT_EQ(ConvertWholeNumber(u"256", "Weight :", 0, 255).error().message,
              "The value \"256\" in \"Weight :\" is not a whole number from 0 to 255.");
    EXPECT_EQ(ConvertWholeNumber(u"  ", "Id :", -32768, 32767).error().message,
              "The box \"Id :\" is empty: it needs a whole number from -32768 to 32767.");
    EXPECT_EQ(ConvertWholeNumber(u"caf\u00E9", "Offset :", INT32_MIN, INT32_MAX).error().message,
              "The value \"caf\xC3\xA9\" in \"Offset :\" is not a whole number from -2147483648 to "
              "2147483647.");
}

// The plain and digits-only grammars the tables and the search read with.
TEST(NumberConversionTest, EachGrammarTakesOnlyWhatItAllows) {
    struct Case {
        std::string_view text;
        bool plain;
        bool digits;
        bool box;
    } const cases[] = {
        {"12", true, true, true},      {"-12", true, false, true},   {"+12", false, false, true},
        {" 12", false, false, true},   {"12.4", false, false, true}, {"0x1F", false, false, false},
        {"", false, false, false},     {"-", false, false, false},   {"007", true, true, true},
        {"1e3", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(ReadWholeNumber(c.text, kPlainNumber).has_value(), c.plain);
        EXPECT_EQ(ReadWholeNumber(c.text, kDigitsOnly).has_value(), c.digits);
        EXPECT_EQ(ReadWholeNumber(c.text, kBoxNumber).has_value(), c.box);
    }
    EXPECT_EQ(ReadWholeNumber("99999999999999999999999", kDigitsOnly)->magnitude, UINT64_MAX);
    EXPECT_FALSE(ReadWholeNumber("99999999999999999999999", kPlainNumber)->Within(INT64_MIN, INT64_MAX));
    EXPECT_EQ(ReadWholeNumber("-32768", kPlainNumber)->Within(-32768, 32767), -32768);
    EXPECT_FALSE(ReadWholeNumber("-32769", kPlainNumber)->Within(-32768, 32767));
}

TEST(NumberConversionTest, MessageTextIsUtf8AndShortened) {
    EXPECT_EQ(TextForMessage(u"\u20AC\U0001F600"), "\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(TextForMessage(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(TextForMessage(std::u16string(100, u'7')), std::string(40, '7') + "...");
    EXPECT_EQ(TextForMessage(std::u16string(40, u'7')), std::string(40, '7'));
}

}  // namespace
}  // namespace tilewright
