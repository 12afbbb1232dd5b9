#include "exportsummary.h"

#include "exportsettings.h"
#include "standardcodes.h"

namespace writer {

namespace {

constexpr int GovernmentBuilding2002 = 4;
constexpr int GovernmentBuilding2012 = 28;

const QString StandardLabel = QStringLiteral("　準拠する要領");
const QString PhotoStandardLabel = QStringLiteral("　準拠する写真基準");
const QString DestinationLabel = QStringLiteral("　出力先と方法");
const QString OptionsLabel = QStringLiteral("　出力オプション");
// Rows that continue the section above them.
const QString NoLabel = QStringLiteral(" ");

const QString ToFolder = QStringLiteral("指定フォルダへ出力する");
const QString SplitSize = QStringLiteral("%1 MB");
const QString StartMedia = QStringLiteral("開始メディア番号 ： %1");
const QString KeepFileNames = QStringLiteral("画像ファイル名を変更しない。");
const QString RenameSerially = QStringLiteral("画像ファイル名をPnnnnnnn.jpgの連番で付け直す。");
const QString JapaneseNames = QStringLiteral("写真日本語ファイル名／参考図日本語ファイル名を出力する");
const QString WithStyleSheet = QStringLiteral("スタイルシート付で出力する");
const QString OtherData = QStringLiteral("PHOTO以外の電子納品データも作成する");
const QString XmlOnly = QStringLiteral("XMLファイルのみ出力する");

QString styleSheetFormatText(int format)
{
    switch (format) {
    case StyleSheetPhotoInfo:
        return QStringLiteral("スタイルシート書式 ： 写真管理情報を表示する");
    case StyleSheetListAndPhotoInfo:
        return QStringLiteral("スタイルシート書式 ： 一覧形式と写真管理情報を表示する");
    case StyleSheetWithSearch:
        return QStringLiteral("スタイルシート書式 ： 写真管理情報を表示する（検索機能付き）");
    default:
        return QString();
    }
}

QString standardName(const ExportSettings &settings)
{
    return standards::standardCode(settings.m_nStandardCode).name.toString();
}

} // namespace

QString summaryWidestLabel()
{
    return PhotoStandardLabel;
}

QString summaryWidestValue(const ExportSettings &settings)
{
    const QString name = standardName(settings);
    return settings.m_strOutputFolder.size() > name.size() ? settings.m_strOutputFolder : name;
}

QString summaryPhotoStandardName(const ExportSettings &settings)
{
    const QStringView byCategory = standards::photoStandardName(settings.m_nPhotoStandard);
    if (!byCategory.isEmpty())
        return byCategory.toString();
    switch (settings.m_nStandardCode) {
    case GovernmentBuilding2002:
        return QStringLiteral("工事写真の撮り方（改訂第２版）");
    case GovernmentBuilding2012:
        return QStringLiteral("国土交通省　営繕工事写真撮影要領（平成24年版）");
    default:
        return standardName(settings);
    }
}

QList<SummaryRow> exportSummaryRows(const ExportSettings &settings)
{
    const int code = settings.m_nStandardCode;
    const bool governmentBuilding = standards::isGovernmentBuildingCode(code);
    const SummaryRow blank;
    QList<SummaryRow> rows{blank,
                           {StandardLabel, standardName(settings)},
                           blank,
                           {PhotoStandardLabel, summaryPhotoStandardName(settings)},
                           blank,
                           {DestinationLabel, ToFolder},
                           {NoLabel, settings.m_strOutputFolder}};
    if (!governmentBuilding) {
        rows.append({NoLabel, settings.m_nCooperate == 1
                                  ? QString()
                                  : SplitSize.arg(settings.m_nSplitSize)});
    }
    rows.append(blank);
    if (code != GovernmentBuilding2012)
        rows.append({OptionsLabel, StartMedia.arg(settings.m_nStartMedia)});
    else if (settings.m_nKeepFileName)
        rows.append({OptionsLabel, KeepFileNames});
    else if (settings.m_nRenameSerial)
        rows.append({OptionsLabel, RenameSerially});
    if (settings.m_nJapaneseNames)
        rows.append({NoLabel, JapaneseNames});
    if (code != GovernmentBuilding2012 && settings.m_nStyleSheet) {
        rows.append({NoLabel, WithStyleSheet});
        const QString format = styleSheetFormatText(settings.m_nStyleSheetFormat);
        if (!format.isEmpty())
            rows.append({NoLabel, format});
        if (settings.m_nOtherData)
            rows.append({NoLabel, OtherData});
        if (settings.m_nXmlOnly)
            rows.append({NoLabel, XmlOnly});
    }
    return rows;
}

} // namespace writer
