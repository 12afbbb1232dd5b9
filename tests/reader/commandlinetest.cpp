#include "commandline.h"

#include <gtest/gtest.h>

using reader::parseLaunchArguments;

TEST(CommandLine, TakesTheDataFolderUnchangedAndTheNumbersByLeadingDigits)
{
    const reader::LaunchArguments parsed = parseLaunchArguments({QStringLiteral("DeliveryReader.exe"),
                                              QStringLiteral(" D:\\本棚 データ\\"),
                                              QStringLiteral("3abc"), QStringLiteral("abc")});
    EXPECT_EQ(parsed.dataRoot, QStringLiteral(" D:\\本棚 データ\\"));
    EXPECT_EQ(parsed.shelfNumber, 3);
    EXPECT_EQ(parsed.noNewShelf, 0);
}
