#include "platform/crtinteger.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int Max = std::numeric_limits<int>::max();
constexpr int Min = std::numeric_limits<int>::min();

struct WtoiCase
{
    const char16_t *text;
    int value;
};

} // namespace

TEST(CrtInteger, WtoiTakesTheLeadingDigitsAndClamps)
{
    const WtoiCase cases[] = {
        {u"", 0},
        {u"0", 0},
        {u"12", 12},
        {u" 13", 13},
        {u" \t\r\n 42", 42},
        {u"+7", 7},
        {u"-5x", -5},
        {u"- 5", 0},
        {u"x5", 0},
        {u"007", 7},
        {u"1 2", 1},
        {u"3abc", 3},
        {u"１２", 12},
        {u"2147483647", Max},
        {u"2147483648", Max},
        {u"99999999999", Max},
        {u"99999999999999999999999", Max},
        {u"-2147483648", Min},
        {u"-2147483649", Min},
        {u"-99999999999999999999999", Min},
    };
    for (const WtoiCase &c : cases)
        EXPECT_EQ(win::wtoi(c.text), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(CrtInteger, ParseIntegerTextRefusesTrailingTextAndValuesOutOfRange)
{
    EXPECT_EQ(win::parseIntegerText(u" 65535 ", 1, 65535), 65535);
    EXPECT_EQ(win::parseIntegerText(u"-3", -5, 5), -3);
    EXPECT_EQ(win::parseIntegerText(u"９", 1, 9), 9);
    EXPECT_FALSE(win::parseIntegerText(u"65536", 1, 65535));
    EXPECT_FALSE(win::parseIntegerText(u"12a", 1, 65535));
    EXPECT_FALSE(win::parseIntegerText(u"", 1, 65535));
    EXPECT_FALSE(win::parseIntegerText(u"-", 1, 65535));
    EXPECT_FALSE(win::parseIntegerText(u"99999999999999999999999", 0, 9));
}
