#include "basicinfomake.h"

#include "gxtemp.h"
#include "standardcodes.h"

#include "deliverytext.h"
#include "transformationtable.h"

#include "platform/textfile.h"
#include "platform/winpath.h"

#include <QDate>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// Free texts of INDEX_C.XML hold 127 full-width characters; the export cuts
// what is longer.
constexpr int TextLimit = 127;
constexpr int CodeLimit = 10;
constexpr QLatin1String DateFormat{"yyyy-MM-dd"};
constexpr char16_t Missing[] = u"未入力";

// The ordering body of a standard code, which names the standard followed.
QString bodyOf(int code)
{
    if (code == 8 || code == 90)
        return QStringLiteral("NEXCO");
    if ((code >= 5 && code <= 7) || code == 15 || code >= 51)
        return QStringLiteral("農林水産省");
    return QStringLiteral("国土交通省");
}

enum class Need { Optional, Required };
enum class Kind { Text, Date };

struct Item
{
    const char16_t *label;
    QString value;
    Need need = Need::Optional;
    int limit = TextLimit;
    Kind kind = Kind::Text;
};

bool hasControlCharacters(const QString &value)
{
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c.unicode() < u' ' || c.unicode() == 0x7F; });
}

// What the page shows as an empty value and a red label; the saved text
// says why.
QString missing(QLatin1String marker)
{
    return marker + QString::fromUtf16(Missing);
}

// GXTemp's lines as they are made: each value checked, in the form the
// export writes it, with the marker of what the check found.
class Listing final
{
public:
    // Without a table the values are listed as the bookshelf holds them.
    Listing(const std::optional<writer::TransformationTable> &table, bool strict)
        : m_table(table), m_strict(strict)
    {
    }

    GXTempDocument &document() { return m_gxtemp; }

    void addLine(int depth, const QString &label, const QString &value = QString())
    {
        m_gxtemp.addLine(depth, label, value);
    }

    void addItem(int depth, const Item &item)
    {
        if (item.need == Need::Optional && item.value.trimmed().isEmpty())
            return;
        m_gxtemp.addLine(depth, QString::fromUtf16(item.label), checkedValue(item));
    }

    void addItems(int depth, std::initializer_list<Item> items)
    {
        for (const Item &item : items)
            addItem(depth, item);
    }

    // A heading of a group that INDEX_C.XML needs at least once.
    void addRequiredGroup(int depth, const char16_t *label, bool present)
    {
        m_gxtemp.addLine(depth, QString::fromUtf16(label),
                         present ? QString() : missing(GXTemp::MarkerB005));
    }

    void addStations(const char16_t *heading, const char16_t *const labels[4],
                     const QList<suitedata::StationRange> &ranges)
    {
        for (const suitedata::StationRange &range : ranges) {
            m_gxtemp.addLine(2, QString::fromUtf16(heading));
            addItems(3, {{labels[0], range.startN},
                         {labels[1], range.startM},
                         {labels[2], range.endN},
                         {labels[3], range.endM}});
        }
    }

    // The value as the export writes it: NeedTransformation.dat's forms, as
    // the options page's checks transform the identifiers.
    QString deliveryForm(const QString &value) const
    {
        return m_table ? writer::transformedDeliveryText(value, m_strict ? 1 : 0, *m_table) : value;
    }

private:
    QString checkedValue(const Item &item) const
    {
        const QString held = item.value.trimmed();
        if (held.isEmpty())
            return missing(GXTemp::MarkerB004);
        const QString value = deliveryForm(held);
        if (value.size() > item.limit)
            return QString(GXTemp::MarkerB001) + value;
        if (value != held || hasControlCharacters(value))
            return QString(GXTemp::MarkerB002) + value;
        if (item.kind == Kind::Date && !QDate::fromString(value, DateFormat).isValid())
            return QString(GXTemp::MarkerB003) + value;
        return value;
    }

    const std::optional<writer::TransformationTable> &m_table;
    const bool m_strict;
    GXTempDocument m_gxtemp;
};

} // namespace

BasicInfoMake::BasicInfoMake(const suitedata::ShelfInfo &shelf, const Options &options)
    : m_shelf(shelf), m_options(options)
{
}

QString BasicInfoMake::applicableStandard() const
{
    const QString own = m_shelf.construction.basic.applicableStandard.trimmed();
    if (!own.isEmpty())
        return own;
    const standards::StandardCode standard = standards::standardCode(m_options.standardCode);
    if (!standard.koujiJH.isEmpty() || !standard.syashiJH.isEmpty())
        return (standard.koujiJH.isEmpty() ? standard.syashiJH : standard.koujiJH).toString();
    return standardName();
}

QString BasicInfoMake::standardName() const
{
    const QStringView name = standards::standardCode(m_options.standardCode).name;
    if (!name.isEmpty())
        return name.toString();
    // Codes whose standard the table does not name.
    return bodyOf(m_options.standardCode)
        + QStringLiteral(" 電子納品要領 (標準コード %1)").arg(m_options.standardCode);
}

QString BasicInfoMake::otherDataCreateFlag() const
{
    const suitedata::BasicInfo &basic = m_shelf.construction.basic;
    const bool cals = !m_options.calsDatabase.isEmpty()
        && QFileInfo(win::toHostPath(m_options.calsDatabase)).isFile();
    QString flag;
    for (const QString &folder : {basic.orderDrawingFolder, basic.meetingFolder, basic.planFolder,
                                  basic.completionDrawingFolder, basic.otherFolder})
        flag += cals && !folder.trimmed().isEmpty() ? u'1' : u'0';
    return flag;
}

GXTempDocument BasicInfoMake::document() const
{
    const suitedata::ConstructionInfo &info = m_shelf.construction;
    const suitedata::BasicInfo &basic = info.basic;
    const suitedata::ConstructionTitle &title = info.title;
    const standards::StandardCode standard = standards::standardCode(m_options.standardCode);
    const std::optional<writer::TransformationTable> table =
        m_options.transformationFolder.isEmpty()
            ? std::nullopt
            : writer::TransformationTable::read(m_options.transformationFolder);
    Listing listing(table, standards::hasStrictInputChecks(m_options.standardCode));

    listing.addLine(0, QStringLiteral("電子納品要領"), standardName());

    listing.addLine(0, QStringLiteral("基礎情報"));
    listing.addItems(1,
             {{u"メディア番号", basic.mediaNumber, Need::Required, CodeLimit},
              {u"メディア総枚数", basic.mediaCount, Need::Required, CodeLimit},
              {u"適用要領基準", applicableStandard(), Need::Required},
              {u"発注図フォルダ名", basic.orderDrawingFolder},
              {u"特記仕様書オリジナルファイルフォルダ名", basic.specialProvisionsOriginalFolder},
              {u"打合せ簿フォルダ名", basic.meetingFolder},
              {u"打合せ簿オリジナルファイルフォルダ名", basic.meetingOriginalFolder},
              {u"施工計画書フォルダ名", basic.planFolder},
              {u"施工計画書オリジナルファイルフォルダ名", basic.planOriginalFolder},
              {u"完成図フォルダ名", basic.completionDrawingFolder},
              {u"写真フォルダ名", basic.photoFolder},
              {u"地質データフォルダ名", basic.boringFolder},
              {u"その他フォルダ名", basic.otherFolder}});
    for (const suitedata::OtherOriginalFolder &folder : basic.otherOriginalFolders) {
        listing.addLine(1, QStringLiteral("その他オリジナルフォルダ情報"));
        listing.addItem(2, {u"その他オリジナルファイルフォルダ名", folder.folderName, Need::Required});
        // The Japanese name only matters when the export writes Japanese names.
        if (m_options.japaneseNames)
            listing.addItem(2, {u"その他オリジナルファイルフォルダ日本語名",
                                 folder.folderJapaneseName, Need::Required});
    }

    listing.addLine(0, QStringLiteral("工事件名等"));
    listing.addItems(1,
             {{u"発注年度", title.orderYear, Need::Required, 4},
              {u"工事番号", title.constructionNumber, Need::Required},
              {u"工事名称", title.constructionName, Need::Required},
              {u"工事実績システムバージョン番号", title.corinsVersion, Need::Optional, CodeLimit},
              {u"工事実績システム登録番号", title.corinsNumber, Need::Optional, CodeLimit},
              {u"工事分野", title.field, Need::Required},
              {u"工事業種", title.industry, Need::Required}});
    listing.addRequiredGroup(1, u"工種-工法型式", !title.workTypeMethods.isEmpty());
    for (const suitedata::WorkTypeMethod &work : title.workTypeMethods) {
        for (const QString &type : work.workTypes)
            listing.addItem(2, {u"工種", type, Need::Required});
        for (const QString &method : work.methods)
            listing.addItem(2, {u"工法型式", method});
    }
    listing.addRequiredGroup(1, u"住所情報", !title.addresses.isEmpty());
    for (const suitedata::AddressInfo &address : title.addresses) {
        for (const QString &code : address.codes)
            listing.addItem(2, {u"住所コード", code, Need::Required, CodeLimit});
        for (const QString &name : address.addresses)
            listing.addItem(2, {u"住所", name, Need::Required});
    }
    listing.addItem(1, {u"工期開始日", title.startDate, Need::Required, TextLimit, Kind::Date});
    const QString endDate = listing.deliveryForm(title.endDate.trimmed());
    const QDate start = QDate::fromString(listing.deliveryForm(title.startDate.trimmed()), DateFormat);
    const QDate end = QDate::fromString(endDate, DateFormat);
    if (start.isValid() && end.isValid() && end < start)
        listing.addLine(1, QStringLiteral("工期終了日"), QString(GXTemp::MarkerB003) + endDate);
    else
        listing.addItem(1, {u"工期終了日", title.endDate, Need::Required, TextLimit, Kind::Date});

    listing.addLine(0, QStringLiteral("場所情報"));
    listing.addItem(1, {u"測地系", info.place.geodeticSystem, Need::Required});
    static constexpr const char16_t *StationLabels[4] = {u"起点側測点-n", u"起点側測点-m",
                                                          u"終点側測点-n", u"終点側測点-m"};
    static constexpr const char16_t *MarkLabels[4] = {u"起点側距離標-n", u"起点側距離標-m",
                                                       u"終点側距離標-n", u"終点側距離標-m"};
    for (const suitedata::WaterRouteInfo &route : info.place.waterRoutes) {
        listing.addLine(1, QStringLiteral("水系-路線情報"));
        listing.addItems(2, {{u"対象水系路線名", route.routeName}, {u"現道-旧道区分", route.roadKind}});
        for (const QString &code : route.riverCodes)
            listing.addItem(2, {u"対象河川コード", code, Need::Optional, CodeLimit});
        for (const QString &code : route.bankCodes)
            listing.addItem(2, {u"左右岸上下線コード", code, Need::Optional, CodeLimit});
        listing.addStations(u"測点情報", StationLabels, route.stations);
        listing.addStations(u"距離標情報", MarkLabels, route.distanceMarks);
    }
    listing.addLine(1, QStringLiteral("境界座標情報"));
    const suitedata::BoundaryCoordinates &boundary = info.place.boundary;
    listing.addItems(2,
             {{u"西側境界座標経度", boundary.westLongitude, Need::Required, CodeLimit},
              {u"東側境界座標経度", boundary.eastLongitude, Need::Required, CodeLimit},
              {u"北側境界座標緯度", boundary.northLatitude, Need::Required, CodeLimit},
              {u"南側境界座標緯度", boundary.southLatitude, Need::Required, CodeLimit}});

    if (!info.facilityName.trimmed().isEmpty()) {
        listing.addLine(0, QStringLiteral("施設情報"));
        listing.addItem(1, {u"施設名称", info.facilityName});
    }

    listing.addLine(0, QStringLiteral("発注者情報"));
    listing.addItems(1,
             {{u"発注者-大分類", info.orderer.major, Need::Required},
              {u"発注者-中分類", info.orderer.middle, Need::Required},
              {u"発注者-小分類", info.orderer.minor},
              {u"発注者コード", info.orderer.code, Need::Required, CodeLimit}});

    listing.addLine(0, QStringLiteral("請負者情報"));
    listing.addItems(1,
             {{u"請負者名", info.contractor.name, Need::Required},
              {u"請負者コード", info.contractor.code, Need::Optional, CodeLimit}});

    // What follows a marker the page does not show: only the identifier is
    // listed, the saved text says where it comes from.
    if (!standard.koujiJH.isEmpty())
        listing.addLine(0, QStringLiteral("工事情報識別子"),
                       standard.koujiJH.toString() + GXTemp::MarkerKJJH
                           + QStringLiteral("標準コードの既定値"));
    if (!standard.syashiJH.isEmpty())
        listing.addLine(0, QStringLiteral("写真情報識別子"),
                       standard.syashiJH.toString() + GXTemp::MarkerSSJH
                           + QStringLiteral("標準コードの既定値"));

    listing.addLine(0, QString::fromUtf16(OutputFormatLabel),
                   m_options.japaneseNames ? QStringLiteral("日本語ファイル名を出力する")
                                           : QStringLiteral("日本語ファイル名を出力しない"));

    // Long free texts go after the section end, so they do not widen the list.
    listing.addItem(0, {u"工事内容", title.content, Need::Required});
    for (const QString &reserve : info.reserves)
        listing.addItem(0, {u"予備", reserve});
    return listing.document();
}

bool writeBasicInfo(const QString &shelfFolder, const BasicInfoMake::Options &options,
                    const QString &gxtempPath, QString *applicableStandard,
                    QString *otherDataCreateFlag)
{
    QString folder = shelfFolder;
    while (folder.endsWith(u'\\'))
        folder.chop(1);
    const QString host = folder.isEmpty() ? QString()
                                          : win::toHostPath(folder + QStringLiteral("\\kouji.xml"));
    suitedata::ShelfInfo shelf;
    if (host.isEmpty() || !suitedata::readShelfInfo(host, &shelf))
        return false;
    const BasicInfoMake make(shelf, options);
    win::TextFile file;
    if (!file.open(gxtempPath, win::TextFile::Mode::WriteReplace))
        return false;
    file.write(make.document().text());
    if (!file.close())
        return false;
    *applicableStandard = make.applicableStandard();
    *otherDataCreateFlag = make.otherDataCreateFlag();
    return true;
}
