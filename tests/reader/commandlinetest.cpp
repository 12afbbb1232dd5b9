#include "commandline.h"

#include <gtest/gtest.h>

#include <limits>

using reader::crtToInt;
using reader::parseLaunchArguments;

TEST(CommandLine, RefusesAnyArgumentCountButThree)
{
    const QString program = QStringLiteral("DeliveryReader.exe");
    EXPECT_FALSE(parseLaunchArguments({program}));
    EXPECT_FALSE(parseLaunchArguments({program, QStringLiteral("D:\\data"), QStringLiteral("1")}));
    EXPECT_FALSE(parseLaunchArguments({program, QStringLiteral("D:\\data"), QStringLiteral("1"),
                                       QStringLiteral("0"), QStringLiteral("extra")}));
    EXPECT_FALSE(parseLaunchArguments({}));
}

TEST(CommandLine, TakesTheDataFolderUnchangedAndTheNumbersByLeadingDigits)
{
    const auto parsed = parseLaunchArguments({QStringLiteral("DeliveryReader.exe"),
                                              QStringLiteral(" D:\\本棚 データ\\"),
                                              QStringLiteral("3abc"), QStringLiteral("abc")});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->dataRoot, QStringLiteral(" D:\\本棚 データ\\"));
    EXPECT_EQ(parsed->shelfNumber, 3);
    EXPECT_EQ(parsed->noNewShelf, 0);
}

TEST(CommandLine, ConvertsIntegersAsTheCRuntimeDoes)
{
    EXPECT_EQ(crtToInt(u"0"), 0);
    EXPECT_EQ(crtToInt(u""), 0);
    EXPECT_EQ(crtToInt(u"12"), 12);
    EXPECT_EQ(crtToInt(u" \t\r\n 42"), 42);
    EXPECT_EQ(crtToInt(u"+7"), 7);
    EXPECT_EQ(crtToInt(u"-5x"), -5);
    EXPECT_EQ(crtToInt(u"- 5"), 0);
    EXPECT_EQ(crtToInt(u"x5"), 0);
    EXPECT_EQ(crtToInt(u"007"), 7);
    EXPECT_EQ(crtToInt(u"1 2"), 1);
}

TEST(CommandLine, ClampsIntegersBeyondTheRangeOfInt)
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    EXPECT_EQ(crtToInt(u"2147483647"), Max);
    EXPECT_EQ(crtToInt(u"2147483648"), Max);
    EXPECT_EQ(crtToInt(u"99999999999999999999999"), Max);
    EXPECT_EQ(crtToInt(u"-2147483648"), Min);
    EXPECT_EQ(crtToInt(u"-2147483649"), Min);
    EXPECT_EQ(crtToInt(u"-99999999999999999999999"), Min);
}
