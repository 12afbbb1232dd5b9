#include "characterlisttest.h"

#include "characterlistlayout.h"
#include "deliverytext.h"
#include "transformationtable.h"

using writer::TransformDeliveryText;
namespace transform = writer::transform;

namespace {

class DeliveryTextTest : public CharacterListTest
{
};

struct TransformCase
{
    QString text;
    QString transformed;
};

} // namespace

TEST_F(DeliveryTextTest, HalfWidthKanaTakeTheirFullWidthAndCombinedForms)
{
    const TransformCase cases[] = {
        {QStringLiteral("ｺﾝｸﾘｰﾄ･ｽﾗﾌﾞ｢A｣｡"), QStringLiteral("コンクリート・スラブ「A」。")},
        {QStringLiteral("ｶﾞｷﾞｸﾞｹﾞｺﾞ"), QStringLiteral("ガギグゲゴ")},
        {QStringLiteral("ｻﾞｿﾞﾀﾞﾄﾞ"), QStringLiteral("ザゾダド")},
        {QStringLiteral("ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ"), QStringLiteral("バビブベボ")},
        {QStringLiteral("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"), QStringLiteral("パピプペポ")},
        {QStringLiteral("ｳﾞｨｰﾅｽ"), QStringLiteral("ヴィーナス")},
        // ﾅ to ﾉ have no voiced form: the mark stands on its own.
        {QStringLiteral("ﾅﾞﾆﾞﾇﾞﾈﾞﾉﾞ"), QStringLiteral("ナ゛ニ゛ヌ゛ネ゛ノ゛")},
        // Only the ha row takes the semi-voiced mark.
        {QStringLiteral("ｶﾟﾏﾟｳﾟ"), QStringLiteral("カ゜マ゜ウ゜")},
        {QStringLiteral("ﾞﾟｶﾞﾞ"), QStringLiteral("゛゜ガ゛")},
        // A full-width kana with a half-width mark is not a pair.
        {QStringLiteral("カﾞ"), QStringLiteral("カ゛")},
    };
    for (const TransformCase &c : cases) {
        const Outcome outcome = transform(c.text);
        EXPECT_EQ(outcome.result, transform::Done) << c.text.toStdString();
        EXPECT_EQ(outcome.text, c.transformed) << c.text.toStdString();
    }
}

TEST_F(DeliveryTextTest, OtherSourcesTakeTheirDeliveryFormsAndTheRestIsCopied)
{
    const TransformCase cases[] = {
        {QStringLiteral("ＡＢＣ１２３ｘｙｚ"), QStringLiteral("ABC123xyz")},
        {QStringLiteral("髙﨑德㊤塚"), QStringLiteral("高崎徳上塚")},
        {QStringLiteral("工事 2024\r\n写真〜～"), QStringLiteral("工事 2024\r\n写真〜～")},
        {QStringLiteral("𠮷①"), QStringLiteral("𠮷①")},
    };
    for (int strict : {0, 1}) {
        for (const TransformCase &c : cases) {
            const Outcome outcome = transform(c.text, strict);
            EXPECT_EQ(outcome.result, transform::Done) << c.text.toStdString();
            EXPECT_EQ(outcome.text, c.transformed) << c.text.toStdString() << " strict " << strict;
        }
        // No delivery symbol is a source entry of the shipped table.
        EXPECT_EQ(transform(QStringLiteral("（！）￥"), strict).text, QStringLiteral("（！）￥"));
    }
}

TEST_F(DeliveryTextTest, StrictModeTransformsTheSymbolsThatLenientModeLeaves)
{
    QString table(writer::listlayout::TransformationUnits, QChar(0));
    table[0] = QChar(u'！');
    table[writer::listlayout::PlainOffset] = QLatin1Char('!');
    const QString folder = writeList(QStringLiteral("custom"),
                                     writer::listlayout::TransformationFileName, table);
    EXPECT_EQ(transform(QStringLiteral("止！"), 0, folder).text, QStringLiteral("止！"));
    EXPECT_EQ(transform(QStringLiteral("止！"), 1, folder).text, QStringLiteral("止!"));
}

TEST_F(DeliveryTextTest, ReportsTheFirstTagOfTheTableThatTheTransformedTextHolds)
{
    const TransformCase found[] = {
        {QStringLiteral("工事<写真情報>です"), QStringLiteral("<写真情報>")},
        {QStringLiteral("</工事名称>"), QStringLiteral("</工事名称>")},
        {QStringLiteral("<メディア総枚数 >"), QStringLiteral("<メディア総枚数 >")},
        // The table's order decides, not the text's.
        {QStringLiteral("</工事名称><写真情報>"), QStringLiteral("<写真情報>")},
        // Tags are searched after the transformation.
        {QStringLiteral("<ﾌｨﾙﾑ番号>"), QStringLiteral("<フィルム番号>")},
        {QStringLiteral("<ソフトメーカ用ＴＡＧ>"), QStringLiteral("<ソフトメーカ用TAG>")},
    };
    for (const TransformCase &c : found) {
        const Outcome outcome = transform(c.text);
        EXPECT_EQ(outcome.result, transform::TagFound) << c.text.toStdString();
        EXPECT_EQ(outcome.text, c.transformed) << c.text.toStdString();
    }
    for (const QString &text : {QStringLiteral("<メディア総枚数>"), QStringLiteral("<工事名称"),
                                QStringLiteral("＜工事名称＞"), QStringLiteral("<工事>")}) {
        EXPECT_EQ(transform(text).result, transform::Done) << text.toStdString();
    }
}

TEST_F(DeliveryTextTest, FailsWhenTheResultWouldFillTheBuffer)
{
    const QString fits(CheckBufferUnits - 1, QLatin1Char('a'));
    EXPECT_EQ(transform(fits).result, transform::Done);
    EXPECT_EQ(transform(fits).text, fits);
    const Outcome full = transform(fits + QLatin1Char('a'));
    EXPECT_EQ(full.result, transform::Failed);
    EXPECT_EQ(full.text, QString());
    // Pairs shrink the text: 600 units become 300.
    QString pairs;
    for (int i = 0; i < 300; ++i)
        pairs += QStringLiteral("ﾀﾞ");
    EXPECT_EQ(transform(pairs).result, transform::Done);
    EXPECT_EQ(transform(pairs).text.size(), 300);

    EXPECT_EQ(transform(QStringLiteral("abc"), 0, QString::fromUtf16(ShippedLists), 3).result,
              transform::Failed);
    EXPECT_EQ(transform(QStringLiteral("abc"), 0, QString::fromUtf16(ShippedLists), 4).result,
              transform::Done);
    char16_t dst[1] = {u'x'};
    EXPECT_EQ(TransformDeliveryText(u"abc", nullptr, 8, 0), transform::Failed);
    EXPECT_EQ(TransformDeliveryText(u"abc", dst, 0, 0), transform::Failed);
    EXPECT_EQ(dst[0], u'x') << "no unit is written into an empty buffer";
    EXPECT_EQ(TransformDeliveryText(nullptr, dst, 1, 0), transform::Done);
    EXPECT_EQ(dst[0], 0);
}

TEST_F(DeliveryTextTest, WithoutTheTableOnlyAnEmptyTextPasses)
{
    const QString missing = winPath(QStringLiteral("nolists"));
    makeFolder(QStringLiteral("nolists"));
    const Outcome text = transform(QStringLiteral("工事"), 0, missing);
    EXPECT_EQ(text.result, transform::Failed);
    EXPECT_EQ(text.text, QString());
    EXPECT_EQ(transform(QString(), 0, missing).result, transform::Done);
    EXPECT_FALSE(writer::TransformationTable::read(missing));
    EXPECT_EQ(writer::TransformationTable::filePath(missing),
              winPath(QStringLiteral("nolists\\NeedTransformation.dat")));
}
