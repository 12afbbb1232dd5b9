// How the standard's name is told, and GXTemp's line form.
#include "gxtempdocument.h"
#include "photostandard.h"

#include <gtest/gtest.h>

namespace {

QString nameOf(const char16_t *photo, const char16_t *index = u"", const char16_t *dtd = u"")
{
    return PhotoStandard::determine(QString::fromUtf16(photo), QString::fromUtf16(index),
                                    QString::fromUtf16(dtd))
        .name();
}

} // namespace

TEST(PhotoStandardTest, NamesTheStandardFromThePhotoCriterion)
{
    // Field codes, the texts of older editions and NEXCO's own texts.
    EXPECT_EQ(nameOf(u"土木200805-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)"));
    EXPECT_EQ(nameOf(u"電通201009-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２２年９月版準拠)"));
    EXPECT_EQ(nameOf(u"デジタル写真管理情報基準(案) 平成14年7月 国土交通省"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成１４年７月版準拠)"));
    EXPECT_EQ(nameOf(u"農村振興土木200504-01"),
              QStringLiteral("農林水産省 電子化写真データの作成要領（平成１７年４月版準拠)"));
    EXPECT_EQ(nameOf(u"電子化写真データの作成要領（案） 平成１５年４月 農林水産省"),
              QStringLiteral("農林水産省 電子化写真データの作成要領（平成１５年４月版準拠)"));
    EXPECT_EQ(nameOf(u"工事記録写真等撮影要領　平成18年7月"),
              QString::fromUtf16(PhotoStandard::Nexco2006Name));
    EXPECT_EQ(nameOf(u"工事記録写真等撮影要領　平成24年7月"),
              QString::fromUtf16(PhotoStandard::Nexco2012Name));
    EXPECT_EQ(nameOf(u"NEXCO H24.7"), QString::fromUtf16(PhotoStandard::Nexco2012Name));
    EXPECT_EQ(nameOf(u"土木202303-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（令和５年３月版準拠)"));
    EXPECT_EQ(nameOf(u"土木201904-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成３１年４月版準拠)"));
}

TEST(PhotoStandardTest, FallsBackOnTheIndexAndTheDtd)
{
    EXPECT_EQ(nameOf(u"", u"土木201003-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２２年３月版準拠)"));
    EXPECT_EQ(nameOf(u"", u"", u"05"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)"));
    EXPECT_EQ(nameOf(u"", u"", u"02N"), QString::fromUtf16(PhotoStandard::Nexco2006Name));
    // The photo text tells the body; an index of another body does not
    // lend it its edition.
    EXPECT_EQ(nameOf(u"国土交通省", u"農村振興土木200504-01"),
              QStringLiteral("国土交通省 デジタル写真管理情報基準"));
    EXPECT_EQ(nameOf(u"NEXCO", u"", u"04N"), QString::fromUtf16(PhotoStandard::Nexco2012Name));
    EXPECT_TRUE(nameOf(u"独自基準 第3版", u"", u"03").isEmpty());
    EXPECT_TRUE(nameOf(u"土木201399-01").endsWith(u"基準")); // no month 99
}

TEST(GXTempDocumentTest, LinesHaveIndentLabelAndValue)
{
    GXTempDocument gxtemp;
    gxtemp.addLine(0, QStringLiteral("基礎情報"));
    gxtemp.addLine(1, QStringLiteral("工事名称"), QStringLiteral("  二行の\r\n名称\t "));
    gxtemp.addLine(20, QStringLiteral("深い"), QStringLiteral("値"));
    EXPECT_EQ(gxtemp.lines(),
              (QStringList {QStringLiteral("基礎情報"), QStringLiteral("    工事名称 二行の  名称"),
                            QString(32, u' ') + QStringLiteral("深い 値")}));
    EXPECT_EQ(gxtemp.text(), gxtemp.lines().join(u'\n') + u'\n');
}

TEST(GXTempDocumentTest, LongValuesGoOnUnderAnEmptyLookingLabel)
{
    // 1000 characters with a surrogate pair right where the first line ends.
    const QString label = QStringLiteral("工事内容");
    const int firstRoom = GXTempDocument::MaxLineChars - int(label.size()) - 5; // indent and blank
    QString value =
        QString(firstRoom - 1, u'あ') + QStringLiteral("𠮷") + QString(1000 - firstRoom - 1, u'い');

    GXTempDocument gxtemp;
    gxtemp.addLine(1, label, value);
    const QStringList lines = gxtemp.lines();
    ASSERT_EQ(lines.size(), 2);
    QString joined;
    for (const QString &line : lines) {
        EXPECT_LE(line.size(), GXTempDocument::MaxLineChars);
        EXPECT_FALSE(line.back().isHighSurrogate());
        joined += line.mid(line.indexOf(u' ', 4) + 1);
    }
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("    \u3000 ")));
    EXPECT_EQ(joined, value);
}
