#include "netprof/namecoding.h"

#include <gtest/gtest.h>

TEST(NameCoding, EncodesAnsiBytesAsLowerCaseHex)
{
    EXPECT_EQ(netprof::EncodeName(QStringLiteral("GENBA-01")), QStringLiteral("47454e42412d3031"));
    // CP932: 設 90DD, 計 8C76, 室 8EBA.
    EXPECT_EQ(netprof::EncodeName(QStringLiteral("設計室PC")), QStringLiteral("90dd8c768eba5043"));
    // Half-width katakana is one byte.
    EXPECT_EQ(netprof::EncodeName(QStringLiteral("ｱｲ")), QStringLiteral("b1b2"));
    EXPECT_EQ(netprof::EncodeName(QString()), QString());
}

TEST(NameCoding, DecodesEitherCase)
{
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("90dd8c768eba5043")), QStringLiteral("設計室PC"));
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("90DD8C768EBA5043")), QStringLiteral("設計室PC"));
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("47454E42412d3031")), QStringLiteral("GENBA-01"));
    for (const QString &name : {QStringLiteral("事務所"), QStringLiteral("工務課ノート"),
                                QStringLiteral("SITE-OFFICE-2")})
        EXPECT_EQ(netprof::DecodeName(netprof::EncodeName(name)), name);
}

TEST(NameCoding, TextThatIsNoHexStaysAsItIs)
{
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("KOUMU-PC")), QStringLiteral("KOUMU-PC"));
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("倉庫端末")), QStringLiteral("倉庫端末"));
    EXPECT_EQ(netprof::DecodeName(QStringLiteral("abc")), QStringLiteral("abc"));
}
