#include "gxtemp.h"

#include "workspacetest.h"

namespace {

class GXTempFile : public WorkspaceTest
{
protected:
    void writeGXTemp(const QString &text, bool withBom = true) const
    {
        writeFile(QStringLiteral("temp/GXTemp"), utf16le(text, withBom));
    }

    // Every line the reader delivers, as "label|value".
    static QStringList readAll(GXTemp &file)
    {
        QStringList lines;
        GXTemp::Line line;
        while (file.readLine(&line))
            lines.append(line.label + QLatin1Char('|') + line.value);
        return lines;
    }

    QStringList readGXTemp() const
    {
        GXTemp file;
        EXPECT_TRUE(file.open());
        const QStringList lines = readAll(file);
        EXPECT_FALSE(file.hasReadError());
        file.close();
        return lines;
    }
};

QString repeated(char c, int count)
{
    return QString(count, QLatin1Char(c));
}

constexpr int LongestPiece = GXTemp::LineBufferChars - 1;

} // namespace

TEST(GXTempLine, SplitsLabelWithIndentationFromValue)
{
    const auto check = [](const QString &text, const QString &label, const QString &value) {
        const GXTemp::Line line = GXTemp::splitLine(text);
        EXPECT_EQ(line.label, label) << text.toStdString();
        EXPECT_EQ(line.value, value) << text.toStdString();
    };
    check(QStringLiteral("工事名称 新町地区道路改良工事"), QStringLiteral("工事名称"),
          QStringLiteral("新町地区道路改良工事"));
    check(QStringLiteral("    発注者機関コード   12345 678"), QStringLiteral("    発注者機関コード"),
          QStringLiteral("12345 678"));
    check(QStringLiteral("基礎情報"), QStringLiteral("基礎情報"), QString());
    check(QStringLiteral("  基礎情報   "), QStringLiteral("  基礎情報"), QString());
    check(QStringLiteral("ラベル\t値 残り"), QStringLiteral("ラベル\t値"), QStringLiteral("残り"));
    check(QString(), QString(), QString());
    check(QStringLiteral("   "), QStringLiteral("   "), QString());
}

TEST(GXTempLine, SectionEndComparesTheTrimmedLabel)
{
    const QString end = QStringLiteral("準拠する要領");
    EXPECT_TRUE(GXTemp::isSectionEnd(GXTemp::splitLine(QStringLiteral("準拠する要領 土木")), end));
    EXPECT_TRUE(GXTemp::isSectionEnd(GXTemp::splitLine(QStringLiteral("    準拠する要領")), end));
    EXPECT_FALSE(GXTemp::isSectionEnd(GXTemp::splitLine(QStringLiteral("準拠する要領名 土木")), end));
    EXPECT_FALSE(GXTemp::isSectionEnd(GXTemp::splitLine(QStringLiteral("工事名称 準拠する要領")), end));
}

TEST(GXTempLine, MarkersAreTwelveCharactersAndCanBeRemoved)
{
    for (const QLatin1String marker : GXTemp::Markers)
        EXPECT_EQ(marker.size(), 12);
    const QString marked = GXTemp::MarkerB004 + QStringLiteral("値") + GXTemp::MarkerKJJH
        + QStringLiteral("後 ") + GXTemp::MarkerSSJH + QStringLiteral("--**B00**-- ") + GXTemp::MarkerB001
        + GXTemp::MarkerB002 + QStringLiteral("x") + GXTemp::MarkerB003 + GXTemp::MarkerB005
        + GXTemp::MarkerB001;
    EXPECT_EQ(GXTemp::removeMarkers(marked), QStringLiteral("値後 --**B00**-- x"));
}

TEST_F(GXTempFile, LivesInTheTempFolder)
{
    EXPECT_EQ(GXTemp::path(), tempWinPath() + QStringLiteral("GXTemp"));
}

TEST_F(GXTempFile, ReadsLinesWithCrLfAndSkipsTheByteOrderMark)
{
    writeGXTemp(QStringLiteral("電子納品要領 土木工事\r\n基礎情報\r\n    適用要領基準 土木200404-01\r\n"));
    EXPECT_EQ(readGXTemp(), (QStringList{QStringLiteral("電子納品要領|土木工事"),
                                         QStringLiteral("基礎情報|"),
                                         QStringLiteral("    適用要領基準|土木200404-01")}));
}

TEST_F(GXTempFile, ReadsLinesEndingInLineFeedOnly)
{
    writeGXTemp(QStringLiteral("a 1\nb 2\n"));
    EXPECT_EQ(readGXTemp(), (QStringList{QStringLiteral("a|1"), QStringLiteral("b|2")}));
}

TEST_F(GXTempFile, KeepsTheLastCharacterOfAnUnterminatedLastLine)
{
    writeGXTemp(QStringLiteral("a 1\r\nb 23"));
    EXPECT_EQ(readGXTemp(), (QStringList{QStringLiteral("a|1"), QStringLiteral("b|23")}));
}

TEST_F(GXTempFile, EmptyFileAndMissingFile)
{
    writeGXTemp(QString());
    EXPECT_TRUE(readGXTemp().isEmpty());

    GXTemp missing;
    EXPECT_FALSE(missing.open(tempWinPath() + QStringLiteral("nothing")));
}

TEST_F(GXTempFile, LinesOfUpTo639CharactersArriveWhole)
{
    const QString longest = QStringLiteral("L ") + repeated('v', LongestPiece - 2);
    const QString shorter = QStringLiteral("S ") + repeated('w', LongestPiece - 3);
    writeGXTemp(longest + QStringLiteral("\r\n") + shorter + QStringLiteral("\r\nE 1\r\n"));
    const QStringList lines = readGXTemp();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0), QStringLiteral("L|") + repeated('v', LongestPiece - 2));
    EXPECT_EQ(lines.at(1), QStringLiteral("S|") + repeated('w', LongestPiece - 3));
    EXPECT_EQ(lines.at(2), QStringLiteral("E|1"));
}

TEST_F(GXTempFile, LongerLinesArriveAsSeveralLinesWithoutLoss)
{
    // 639 + 639 + 5 characters: three pieces, each split on its own.
    const QString value = repeated('a', LongestPiece - 2) + QStringLiteral("  b")
        + repeated('c', LongestPiece - 3) + QStringLiteral(" de f");
    writeGXTemp(QStringLiteral("L ") + value + QStringLiteral("\r\nnext 1\r\n"));
    const QStringList lines = readGXTemp();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QStringLiteral("L|") + repeated('a', LongestPiece - 2));
    EXPECT_EQ(lines.at(1), QStringLiteral("  b") + repeated('c', LongestPiece - 3) + QLatin1Char('|'));
    EXPECT_EQ(lines.at(2), QStringLiteral(" de|f"));
    EXPECT_EQ(lines.at(3), QStringLiteral("next|1"));
}

TEST_F(GXTempFile, ALineOfTwiceTheLimitGivesTwoPiecesAndNoEmptyLine)
{
    const QString piece = QStringLiteral("x ") + repeated('y', LongestPiece - 2);
    writeGXTemp(piece + piece + QStringLiteral("\r\n\r\nlast 1\r\n"));
    const QStringList lines = readGXTemp();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), lines.at(1));
    EXPECT_EQ(lines.at(2), QStringLiteral("|"));  // the empty line of the file itself
    EXPECT_EQ(lines.at(3), QStringLiteral("last|1"));
}

TEST_F(GXTempFile, WidthSectionEndsWithTheSectionEndLine)
{
    writeGXTemp(QStringLiteral("要領 H24\r\n  工事名称 道路\r\n準拠する要領 H24\r\n"
                               "概要 長い説明\r\n準拠する要領 again\r\n"));
    GXTemp file(QStringLiteral("準拠する要領"));
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(file.open());
        QList<bool> inSection;
        GXTemp::Line line;
        while (file.readLine(&line))
            inSection.append(file.inWidthSection());
        EXPECT_EQ(inSection, (QList<bool>{true, true, true, false, false})) << "pass " << pass;
        file.close();
    }
}

TEST_F(GXTempFile, WithoutSectionEndEveryLineCountsForWidth)
{
    writeGXTemp(QStringLiteral("出力形式 PHOTO\r\nb 2\r\n"));
    GXTemp file;
    ASSERT_TRUE(file.open());
    GXTemp::Line line;
    while (file.readLine(&line))
        EXPECT_TRUE(file.inWidthSection());
}
