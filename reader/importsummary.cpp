#include "importsummary.h"

#include "importsettings.h"

#include <array>

namespace reader {

namespace {

constexpr int LabelHeadingBlanks = 35;

// Levels 1 to 5 of albums by classification.
constexpr std::array<QStringView, MaxClassLevel> ClassLevelNames = {
    u"写真-大分類、写真区分別",
    u"写真-大分類、写真区分、工種別",
    u"写真-大分類、写真区分、工種、種別別",
    u"写真-大分類、写真区分、工種、種別、細別別",
    u"工種のみ",
};

QString classLevelName(int level)
{
    if (level < MinClassLevel || level > MaxClassLevel)
        return QString();
    return ClassLevelNames[level - MinClassLevel].toString();
}

QString photos(int count)
{
    return QStringLiteral("%1 枚").arg(count);
}

class RowList
{
public:
    void add(QStringView label, const QString &value)
    {
        m_rows.append({label.toString(), value});
    }
    void blank() { m_rows.append(SummaryRow()); }
    QList<SummaryRow> rows() const { return m_rows; }

private:
    QList<SummaryRow> m_rows;
};

void addImportMode(const ImportSettings &settings, RowList &rows)
{
    if (settings.m_nImportNew == 1) {
        rows.add(u"　入力形式", QStringLiteral("新規に本棚を作成し、Tesseraに取り込みます"));
        rows.blank();
        // An emptied box leaves the folder to the host, which takes the proposal.
        rows.add(u"　本棚作成フォルダパス", settings.m_strShelfPath.isEmpty()
                                                 ? settings.m_strShelfDefault
                                                 : settings.m_strShelfPath);
    } else if (settings.m_nReferOnly == 1) {
        rows.add(u"　入力形式", QStringLiteral("Tesseraには取り込まず、参照のみ行います"));
    }
}

void addStandardDelivery(const ImportSettings &settings, RowList &rows)
{
    rows.add(u"　準拠する要領", settings.m_strStandardName);
    rows.blank();
    if (settings.m_nAlbumType == AlbumsByCount) {
        rows.add(u"　アルバムの作成方法", QStringLiteral("枚数指定"));
        rows.blank();
        rows.add(u"　指定枚数", photos(settings.m_nPhotoCount));
    } else {
        rows.add(u"　アルバムの作成方法", QStringLiteral("分類指定"));
        rows.blank();
        rows.add(u"　分類名", classLevelName(settings.m_nClassLevel));
    }
    rows.blank();
    if (settings.m_nFileNameByPhoto == 1)
        rows.add(u"　写真取込み形式", QStringLiteral("写真ファイル名で取り込みます"));
    else if (settings.m_nFileNameByJapanese == 1)
        rows.add(u"　写真取込み形式", QStringLiteral("写真ファイル日本語名で取り込みます"));
}

void addGovernmentBuildingDelivery(const ImportSettings &settings, RowList &rows)
{
    rows.add(u"　準拠する要領",
             settings.m_nStd2002 != 0
                 ? QStringLiteral("国土交通省 営繕工事電子納品要領（案）（平成14年11月改訂版）")
                 : QStringLiteral("国土交通省 営繕工事写真撮影要領（平成24年版）"));
    rows.blank();
    rows.add(u"　入力写真総枚数", photos(settings.m_nPhotoCount));
    rows.blank();
    rows.add(u"　作成アルバム数", QStringLiteral("%1 個").arg(settings.m_nAlbumNum));
    rows.blank();
    int number = 0;
    for (const AlbumPlan &album : settings.plannedAlbums()) {
        ++number;
        rows.add(QStringLiteral("　[ALBUM%1]の名前").arg(number), album.albumName + u' ');
        rows.add(QStringLiteral("　[ALBUM%1]の写真枚数").arg(number), photos(album.photoCount));
        rows.blank();
    }
}

} // namespace

QList<SummaryRow> importSummaryRows(const ImportSettings &settings)
{
    RowList rows;
    rows.blank();
    addImportMode(settings, rows);
    rows.blank();
    rows.add(u"　入力データのパス", settings.m_strDataPath);
    rows.blank();
    if (settings.m_nDeliveryKind == StandardDelivery)
        addStandardDelivery(settings, rows);
    else
        addGovernmentBuildingDelivery(settings, rows);
    return rows.rows();
}

QString summaryLabelHeading()
{
    return QString(LabelHeadingBlanks, u' ');
}

QString summaryValueHeading(const ImportSettings &settings)
{
    const std::array<const QString *, 4> candidates = {
        &settings.m_strShelfPath, &settings.m_strShelfDefault, &settings.m_strStandardName,
        &settings.m_strDataPath};
    const QString *longest = candidates.front();
    for (const QString *candidate : candidates) {
        if (candidate->size() > longest->size())
            longest = candidate;
    }
    return *longest;
}

} // namespace reader
