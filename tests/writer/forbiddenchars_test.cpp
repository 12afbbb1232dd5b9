#include "characterlisttest.h"

#include "forbiddenchars.h"

using writer::CollectForbiddenChars;

namespace {

class ForbiddenCharsTest : public CharacterListTest
{
};

struct ForbiddenCase
{
    QString text;
    QString forbidden;
};

} // namespace

TEST_F(ForbiddenCharsTest, ListsEachForbiddenUnitOnceInOrderOfFirstAppearance)
{
    const ForbiddenCase cases[] = {
        {QStringLiteral("国土交通省 工事 ABC-123 ｺｳｼﾞ 〜～‖∥−－¢￠£￡¬￢"), QString()},
        {QStringLiteral("①①①"), QStringLiteral("①")},
        {QStringLiteral("②工①事②①"), QStringLiteral("②①")},
        {QStringLiteral("髙橋"), QStringLiteral("髙")},
        // Line ends pass; a CR alone, a tab or a control unit does not.
        {QStringLiteral("一行\r\n二行\n三行"), QString()},
        {QStringLiteral("a\rb\tc\r"), QStringLiteral("\r\t")},
        // Each unit of a pair is searched on its own.
        {QStringLiteral("𠮷"), QStringLiteral("𠮷")},
        {QStringLiteral("é"), QStringLiteral("é")},
    };
    for (const ForbiddenCase &c : cases) {
        const Outcome outcome = forbidden(c.text);
        EXPECT_EQ(outcome.result, 1) << c.text.toStdString();
        EXPECT_EQ(outcome.text, c.forbidden) << c.text.toStdString();
    }
}

TEST_F(ForbiddenCharsTest, StrictModeForbidsTheDeliverySymbolsThatTheListPermits)
{
    const QString symbols = QStringLiteral("！＃＄％＆（）＊＋，．／：；＜＝＞？＠［］＾＿｀｛｜｝￣￥");
    EXPECT_EQ(forbidden(symbols, 0).text, QString());
    EXPECT_EQ(forbidden(symbols, 1).text, symbols);
    // Symbols outside the set, and ASCII signs, stay permitted.
    EXPECT_EQ(forbidden(QStringLiteral("（工事）!()－・、。"), 1).text, QStringLiteral("（）"));
}

TEST_F(ForbiddenCharsTest, CollectsWhatTheBufferHoldsAndLeavesItTerminated)
{
    QString many;
    for (char16_t unit = 0x2460; unit < 0x2460 + 20; ++unit)  // ① to ⑳
        many += QChar(unit);
    // 6 bytes hold two units and the terminator.
    EXPECT_EQ(forbidden(many, 0, QString::fromUtf16(ShippedLists), 6).text, many.left(2));
    EXPECT_EQ(forbidden(many, 0, QString::fromUtf16(ShippedLists), 7).text, many.left(2));
    EXPECT_EQ(forbidden(many).text, many);

    char16_t out[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(CollectForbiddenChars(u"①", out, 1, 0), 0);
    EXPECT_EQ(out[0], u'x') << "a buffer of one byte is left alone";
    EXPECT_EQ(CollectForbiddenChars(nullptr, out, 8, 0), 0);
    EXPECT_EQ(CollectForbiddenChars(u"①", nullptr, 8, 0), 0);
    EXPECT_EQ(CollectForbiddenChars(u"", out, 8, 0), 0);
    EXPECT_EQ(out[0], 0);
}

TEST_F(ForbiddenCharsTest, WithoutTheListNothingIsForbidden)
{
    makeFolder(QStringLiteral("nolists"));
    const Outcome outcome = forbidden(QStringLiteral("①"), 1, winPath(QStringLiteral("nolists")));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.text, QString());
}
