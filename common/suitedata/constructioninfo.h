#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QXmlStreamWriter;

// A bookshelf's kouji.xml (docs/suite-data.md): what the suite knows of the
// bookshelf (name, delivery standard code, construction number, flags) and
// the construction information a delivery's INDEX_C.XML is made from.
// Every item is plain text as it goes into the delivery; an empty string
// is an item not given. Element names in the file are the delivery's own
// (工事件名等, 発注者情報, ...); the comments name them.
namespace suitedata {

// その他オリジナルフォルダ情報
struct OtherOriginalFolder
{
    QString folderName;         // その他オリジナルファイルフォルダ名
    QString folderJapaneseName; // その他オリジナルファイルフォルダ日本語名
};

// 基礎情報
struct BasicInfo
{
    QString mediaNumber;                      // メディア番号
    QString mediaCount;                       // メディア総枚数
    QString applicableStandard;               // 適用要領基準
    QString orderDrawingFolder;               // 発注図フォルダ名
    QString specialProvisionsOriginalFolder;  // 特記仕様書オリジナルファイルフォルダ名
    QString meetingFolder;                    // 打合せ簿フォルダ名
    QString meetingOriginalFolder;            // 打合せ簿オリジナルファイルフォルダ名
    QString planFolder;                       // 施工計画書フォルダ名
    QString planOriginalFolder;               // 施工計画書オリジナルファイルフォルダ名
    QString completionDrawingFolder;          // 完成図フォルダ名
    QString photoFolder;                      // 写真フォルダ名
    QString boringFolder;                     // 地質データフォルダ名
    QString otherFolder;                      // その他フォルダ名
    QList<OtherOriginalFolder> otherOriginalFolders; // その他オリジナルフォルダ情報*
};

// 工種-工法型式
struct WorkTypeMethod
{
    QStringList workTypes; // 工種+
    QStringList methods;   // 工法型式+
};

// 住所情報
struct AddressInfo
{
    QStringList codes;     // 住所コード+
    QStringList addresses; // 住所+
};

// 工事件名等
struct ConstructionTitle
{
    QString orderYear;          // 発注年度
    QString constructionNumber; // 工事番号
    QString constructionName;   // 工事名称
    QString corinsVersion;      // 工事実績システムバージョン番号
    QString corinsNumber;       // 工事実績システム登録番号
    QString field;              // 工事分野
    QString industry;           // 工事業種
    QList<WorkTypeMethod> workTypeMethods; // 工種-工法型式+
    QList<AddressInfo> addresses;          // 住所情報+
    QString startDate;          // 工期開始日
    QString endDate;            // 工期終了日
    QString content;            // 工事内容
};

// 測点情報 or 距離標情報: start and end side, n and m each
// (起点側測点-n, 起点側測点-m, 終点側測点-n, 終点側測点-m; 距離標 alike).
struct StationRange
{
    QString startN;
    QString startM;
    QString endN;
    QString endM;
};

// 水系-路線情報
struct WaterRouteInfo
{
    QString routeName;          // 対象水系路線名
    QString roadKind;           // 現道-旧道区分
    QStringList riverCodes;     // 対象河川コード*
    QStringList bankCodes;      // 左右岸上下線コード*
    QList<StationRange> stations;      // 測点情報*
    QList<StationRange> distanceMarks; // 距離標情報*
};

// 境界座標情報
struct BoundaryCoordinates
{
    QString westLongitude;  // 西側境界座標経度
    QString eastLongitude;  // 東側境界座標経度
    QString northLatitude;  // 北側境界座標緯度
    QString southLatitude;  // 南側境界座標緯度
};

// 場所情報
struct PlaceInfo
{
    QString geodeticSystem;            // 測地系
    QList<WaterRouteInfo> waterRoutes; // 水系-路線情報*
    BoundaryCoordinates boundary;      // 境界座標情報
};

// 発注者情報
struct OrdererInfo
{
    QString major;  // 発注者-大分類
    QString middle; // 発注者-中分類
    QString minor;  // 発注者-小分類
    QString code;   // 発注者コード
};

// 請負者情報
struct ContractorInfo
{
    QString name; // 請負者名
    QString code; // 請負者コード
};

// The construction information (constdata of INDEX_C.XML).
struct ConstructionInfo
{
    BasicInfo basic;              // 基礎情報
    ConstructionTitle title;      // 工事件名等
    PlaceInfo place;              // 場所情報
    QString facilityName;         // 施設情報/施設名称
    OrdererInfo orderer;          // 発注者情報
    ContractorInfo contractor;    // 請負者情報
    QStringList reserves;         // 予備*
    QStringList softwareTags;     // ソフトメーカ用TAG*
};

// The whole of kouji.xml.
struct ShelfInfo
{
    QString name;               // display name of the construction job
    int standardCode = 0;       // delivery standard code the bookshelf follows
    // 工事番号 / 設計書コード: albums of several bookshelves go into one
    // delivery only when standard code and this number agree.
    QString constructionNumber;
    bool otherData = false;     // other delivery data is made with the photos
    bool password = false;      // the bookshelf is password-protected
    ConstructionInfo construction;
};

// Reads kouji.xml at a host path. Elements it does not know are skipped, so
// older and newer files read; a missing file or broken XML gives false and
// the reason in *error (when not null).
bool readShelfInfo(const QString &hostFile, ShelfInfo *info, QString *error = nullptr);
// The same from the file's bytes.
bool readShelfInfoXml(const QByteArray &bytes, ShelfInfo *info, QString *error = nullptr);

// Writes kouji.xml (UTF-8, indented) by a temporary file and a rename, so a
// reader never sees half a file. False with the reason in *error.
bool writeShelfInfo(const QString &hostFile, const ShelfInfo &info, QString *error = nullptr);

// The bytes writeShelfInfo writes.
QByteArray shelfInfoXml(const ShelfInfo &info);

// The construction information of a constdata element (kouji.xml's, or
// the root of a delivery's INDEX_C.XML).
struct XmlElement;
ConstructionInfo readConstructionData(const XmlElement &constdata);

// The constdata element with the construction information, in the order
// and under the names of INDEX_C.XML (DTD_version written when not empty),
// for the host's export as for kouji.xml.
void writeConstructionData(QXmlStreamWriter &xml, const ConstructionInfo &construction,
                           const QString &dtdVersion);

} // namespace suitedata
