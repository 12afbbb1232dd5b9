#include "characterlisttest.h"
#include "fullwidthlength.h"

#include <QString>

#include <gtest/gtest.h>

using writer::FullWidthLength;

namespace {

struct LengthCase
{
    const char *what;
    QString text;
    int length;
};

} // namespace

TEST(FullWidthLengthTest, CountsHalfWidthUnitsByPairsRoundedUp)
{
    const LengthCase cases[] = {
        {"empty", QString(), 0},
        {"three ASCII", QStringLiteral("ABC"), 2},
        {"three full-width", QStringLiteral("工事名"), 3},
        {"half-width katakana weighs as full-width", QStringLiteral("ｱ"), 1},
        {"Latin-1 is half-width", QStringLiteral("¢é"), 1},
        {"U+0100 is full-width", QStringLiteral("Ā"), 1},
        {"mixed, rounded up", QStringLiteral("平成14年7月"), 6},
        {"510 half-width is the limit", QString(510, QLatin1Char('a')), 255},
        {"511 half-width is one over", QString(511, QLatin1Char('a')), 256},
        {"a surrogate pair is one character", QStringLiteral("𠮷野家"), 3},
        {"a high surrogate at the end still counts", QString(QChar(0xD842)), 1},
        {"a lone low surrogate counts", QStringLiteral("a") + QChar(0xDFB7), 2},
    };
    for (const LengthCase &c : cases)
        EXPECT_EQ(FullWidthLength(units(c.text)), c.length) << c.what;
    EXPECT_EQ(FullWidthLength(nullptr), 0);
}
