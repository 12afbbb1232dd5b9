#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace win;

namespace {

QString undefined(int count = 1)
{
    return QString(count, QChar(0x30FB));
}

} // namespace

TEST(CodePageTest, JapaneseTextRoundTrips)
{
    const QString name = QStringLiteral("現場事務所PC");
    const QByteArray bytes("\x8C\xBB\x8F\xEA\x8E\x96\x96\xB1\x8F\x8A" "PC");
    EXPECT_EQ(toAnsi(name), bytes);
    EXPECT_EQ(fromAnsi(bytes), name);
    EXPECT_EQ(toAnsi(QStringLiteral("ｱｲｳﾞ")), QByteArray("\xB1\xB2\xB3\xDE")) << "half-width katakana are one byte";
    EXPECT_EQ(fromAnsi(QByteArray("\xB1\xB2\xB3\xDE")), QStringLiteral("ｱｲｳﾞ"));
    EXPECT_EQ(toAnsi(QString()), QByteArray());
    EXPECT_EQ(fromAnsi(QByteArray()), QString());
}

TEST(CodePageTest, WindowsExtensionsAndMappings)
{
    EXPECT_EQ(toAnsi(QStringLiteral("①")), QByteArray("\x87\x40")) << "NEC special characters";
    EXPECT_EQ(fromAnsi(QByteArray("\x87\x40")), QStringLiteral("①"));
    EXPECT_EQ(toAnsi(QStringLiteral("～")), QByteArray("\x81\x60")) << "U+FF5E, the Windows tilde";
    EXPECT_EQ(fromAnsi(QByteArray("\x81\x60")), QStringLiteral("～"));
    EXPECT_EQ(fromAnsi(QByteArray("\xFA\x40")), QStringLiteral("ⅰ")) << "IBM extensions";
    EXPECT_EQ(toAnsi(QStringLiteral("ⅰ")), QByteArray("\xFA\x40"));
    EXPECT_EQ(fromAnsi(QByteArray("\xED\x40")), QString(QChar(0x7E8A))) << "NEC-selected IBM extensions";
    EXPECT_EQ(toAnsi(QStringLiteral("髙")), QByteArray("\xFB\xFC"));
    EXPECT_EQ(toAnsi(QStringLiteral("\\~")), QByteArray("\\~")) << "ASCII stays ASCII";
}

TEST(CodePageTest, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(toAnsi(QStringLiteral("a€b")), QByteArray("a?b"));
    EXPECT_EQ(toAnsi(QStringLiteral("x😀y")), QByteArray("x??y")) << "one '?' per UTF-16 unit";
    EXPECT_EQ(toAnsi(QString(QChar(0xD800)) + QStringLiteral("z")), QByteArray("?z")) << "a lone surrogate";
    EXPECT_EQ(toAnsi(QStringLiteral("写真") + QChar(0xDC00)), QByteArray("\x8E\xCA\x90\x5E?"));
    const QString many = QString(5000, QChar(0x20AC)) + QStringLiteral("工事");
    EXPECT_EQ(toAnsi(many), QByteArray(5000, '?') + QByteArray("\x8D\x48\x8E\x96"));
}

TEST(CodePageTest, UndefinedBytesBecomeKatakanaMiddleDot)
{
    EXPECT_EQ(fromAnsi(QByteArray("a\x80z")), QStringLiteral("a") + undefined() + QStringLiteral("z"));
    EXPECT_EQ(fromAnsi(QByteArray("\x85\x40z")), undefined() + QStringLiteral("z")) << "lead and trail of a gap";
    EXPECT_EQ(fromAnsi(QByteArray("\x81\x20z")), undefined() + QStringLiteral(" z")) << "no trail: lead alone";
    EXPECT_EQ(fromAnsi(QByteArray("ab\x81")), QStringLiteral("ab") + undefined()) << "cut at the end";
    EXPECT_EQ(fromAnsi(QByteArray("\xFF\xFF")), undefined(2));
}
