#include "exportsummary.h"

#include "exportsettings.h"
#include "launcharguments.h"

#include "workspacetest.h"

using namespace writer;

namespace {

ExportSettings settingsFor(int code)
{
    ExportSettings settings;
    settings.m_nStandardCode = code;
    applyStartValues(settings);
    settings.m_strOutputFolder = QStringLiteral("D:\\納品");
    settings.m_nSplitSize = 1200;
    settings.m_nStartMedia = 2;
    settings.m_nStyleSheet = 0;
    return settings;
}

QStringList flatten(const QList<SummaryRow> &rows)
{
    QStringList cells;
    for (const SummaryRow &row : rows)
        cells << row.label + u'|' + row.value;
    return cells;
}

const QString Blank = QStringLiteral("|");

} // namespace

TEST(ExportSummary, GovernmentBuildingCodeShowsTheFileNamingInsteadOfMediaAndStyleSheet)
{
    ExportSettings settings = settingsFor(28);
    settings.m_nStyleSheet = 1;
    settings.m_nJapaneseNames = 1;
    EXPECT_EQ(flatten(exportSummaryRows(settings)),
              QStringList({Blank, QStringLiteral("　準拠する要領|国土交通省　営繕工事写真撮影要領（平成24年版）"),
                           Blank, QStringLiteral("　準拠する写真基準|国土交通省　営繕工事写真撮影要領（平成24年版）"),
                           Blank, QStringLiteral("　出力先と方法|指定フォルダへ出力する"),
                           QStringLiteral(" |D:\\納品"), Blank,
                           QStringLiteral("　出力オプション|画像ファイル名を変更しない。"),
                           QStringLiteral(" |写真日本語ファイル名／参考図日本語ファイル名を出力する")}));
    settings.m_nKeepFileName = 0;
    settings.m_nRenameSerial = 1;
    EXPECT_EQ(exportSummaryRows(settings).at(8).value,
              QStringLiteral("画像ファイル名をPnnnnnnn.jpgの連番で付け直す。"));
    settings.m_nRenameSerial = 0;
    EXPECT_EQ(exportSummaryRows(settings).size(), 9);  // no option row at all
    EXPECT_EQ(summaryPhotoStandardName(settingsFor(4)), QStringLiteral("工事写真の撮り方（改訂第２版）"));
}

TEST(ExportSummary, SimpleOptionsCodeListsSplitSizeAndStartMedia)
{
    ExportSettings settings = settingsFor(13);
    EXPECT_EQ(flatten(exportSummaryRows(settings)).mid(6),
              QStringList({QStringLiteral(" |D:\\納品"), QStringLiteral(" |1200 MB"), Blank,
                           QStringLiteral("　出力オプション|開始メディア番号 ： 2")}));
    settings.m_nCooperate = 1;
    EXPECT_EQ(exportSummaryRows(settings).at(7).value, QString());
}

TEST(ExportSummary, StyleSheetRowsOnlyWithTheStyleSheet)
{
    ExportSettings settings = settingsFor(25);
    settings.m_nOtherData = 1;
    settings.m_nXmlOnly = 1;
    settings.m_nStyleSheetFormat = 3;
    // Off: neither other data nor XML only is listed.
    EXPECT_EQ(exportSummaryRows(settings).size(), 10);
    settings.m_nStyleSheet = 1;
    EXPECT_EQ(flatten(exportSummaryRows(settings)).mid(10),
              QStringList({QStringLiteral(" |スタイルシート付で出力する"),
                           QStringLiteral(" |スタイルシート書式 ： 写真管理情報を表示する（検索機能付き）"),
                           QStringLiteral(" |PHOTO以外の電子納品データも作成する"),
                           QStringLiteral(" |XMLファイルのみ出力する")}));
    EXPECT_EQ(exportSummaryRows(settings).at(1).value,
              QStringLiteral("国土交通省 工事完成図書の電子納品要領（案）(H20.5版)"));
    EXPECT_EQ(exportSummaryRows(settings).at(3).value,
              QStringLiteral("国土交通省　デジタル写真管理情報基準(案)(H20.5版)"));
    EXPECT_EQ(summaryWidestValue(settings), exportSummaryRows(settings).at(1).value);
}
