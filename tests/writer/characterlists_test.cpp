#include "characterlisttest.h"

#include "characterlistlayout.h"
#include "deliverysymbols.h"
#include "permittedcharacters.h"

#include <QSet>

#include <algorithm>

using namespace writer::listlayout;

namespace {

class CharacterListsTest : public CharacterListTest
{
protected:
    // The shipped file's units, read as bytes from the program folder.
    static QString shipped(QStringView fileName)
    {
        const QByteArray bytes =
            readHostFile(QStringLiteral(TESSERA_PROGRAM_DIR "/") + fileName.toString());
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()),
                                  bytes.size() / 2);
    }
};

} // namespace

TEST_F(CharacterListsTest, PermittedListHoldsJisX0208UnderBothMappingsAsciiAndHalfWidthKana)
{
    const QString units = shipped(PermittedFileName);
    ASSERT_EQ(units.size(), 7043) << "no header, nothing after the last unit";
    EXPECT_EQ(std::adjacent_find(units.begin(), units.end(), std::greater_equal<QChar>()),
              units.end())
        << "strictly ascending";
    const auto isAscii = [](QChar c) { return c.unicode() < 0x80; };
    EXPECT_EQ(std::count_if(units.begin(), units.end(), isAscii), 95);
    EXPECT_TRUE(units.startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(units.endsWith(QChar(u'￥')));
    const auto permitted = writer::PermittedCharacters::read(QString::fromUtf16(ShippedLists));
    ASSERT_TRUE(permitted);
    for (char16_t kana = HalfWidthKanaFirst; kana <= HalfWidthKanaLast; ++kana)
        EXPECT_TRUE(permitted->contains(kana)) << int(kana);
    // Both forms of the six characters the mappings differ in, a character
    // of each part of JIS X 0208 (symbols, Greek, Cyrillic, box drawing,
    // kanji of both levels, the last kanji), and what lies outside it.
    for (QChar c : QStringLiteral("〜～‖∥−－¢￠£￡¬￢、♪Ωя─┼ヶ々＼　亜腕弌熙凜堯槇遙瑤"))
        EXPECT_TRUE(permitted->contains(c.unicode())) << QString(c).toStdString();
    for (QChar c : QStringLiteral("①Ⅰ㈱髙﨑¥‾é\t\r\n"))
        EXPECT_FALSE(permitted->contains(c.unicode())) << QString(c).toStdString();
}

TEST_F(CharacterListsTest, TransformationTableHasItsSlots)
{
    const QString table = shipped(TransformationFileName);
    ASSERT_EQ(table.size(), 354);
    for (int k = 0; k <= HalfWidthKanaLast - HalfWidthKanaFirst; ++k)
        EXPECT_EQ(table.at(k).unicode(), HalfWidthKanaFirst + k) << k;
    EXPECT_EQ(table.at(18), QChar(u'ｳ'));
    EXPECT_EQ(table.mid(21, 15), QStringLiteral("ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"));
    EXPECT_EQ(table.mid(41, 5), QStringLiteral("ﾊﾋﾌﾍﾎ"));
    EXPECT_EQ(table.mid(153, 63),
              QStringLiteral("。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテト"
                             "ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜"));
    EXPECT_EQ(table.mid(327, 15), QStringLiteral("ガギグゲゴザジズゼゾダヂヅデド"));
    EXPECT_EQ(table.mid(342, 5), QStringLiteral("バビブベボ"));
    EXPECT_EQ(table.at(347), QChar(u'ヴ'));
    EXPECT_EQ(table.mid(348, 5), QStringLiteral("パピプペポ"));
    EXPECT_EQ(table.mid(306, 21), QString(21, QChar(0))) << "slots 306 to 326 are not read";
    EXPECT_EQ(table.at(353), QChar(0));
}

TEST_F(CharacterListsTest, FurtherSourcesAreNoSymbolsAndEveryReplacementIsPermitted)
{
    const QString table = shipped(TransformationFileName);
    ASSERT_EQ(table.size(), 354);
    const auto permitted = writer::PermittedCharacters::read(QString::fromUtf16(ShippedLists));
    ASSERT_TRUE(permitted);
    QSet<QChar> sources;
    for (int k = 0; k < SourceCount; ++k) {
        const QChar source = table.at(k);
        EXPECT_FALSE(writer::isDeliverySymbol(source.unicode())) << k;
        EXPECT_NE(source, QChar(0)) << k;
        EXPECT_FALSE(sources.contains(source)) << "repeated source " << k;
        sources.insert(source);
        EXPECT_NE(table.at(k + PlainOffset), source) << k;
        EXPECT_TRUE(permitted->contains(table.at(k + PlainOffset).unicode())) << k;
    }
    for (int slot = 327; slot <= 352; ++slot)
        EXPECT_TRUE(permitted->contains(table.at(slot).unicode())) << slot;
    EXPECT_EQ(table.mid(63, 62), QStringLiteral("０１２３４５６７８９"
                                                "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
                                                "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"));
}
