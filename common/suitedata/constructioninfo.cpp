#include "constructioninfo.h"

#include "xmlelement.h"

#include "platform/replacingfile.h"

#include <QXmlStreamWriter>

namespace suitedata {

namespace {

// One text item of a group: its element name and where it is kept.
template <class Group>
struct Item
{
    QStringView element;
    QString Group::*member;
};

const Item<BasicInfo> BasicItems[] = {
    {u"メディア番号", &BasicInfo::mediaNumber},
    {u"メディア総枚数", &BasicInfo::mediaCount},
    {u"適用要領基準", &BasicInfo::applicableStandard},
    {u"発注図フォルダ名", &BasicInfo::orderDrawingFolder},
    {u"特記仕様書オリジナルファイルフォルダ名", &BasicInfo::specialProvisionsOriginalFolder},
    {u"打合せ簿フォルダ名", &BasicInfo::meetingFolder},
    {u"打合せ簿オリジナルファイルフォルダ名", &BasicInfo::meetingOriginalFolder},
    {u"施工計画書フォルダ名", &BasicInfo::planFolder},
    {u"施工計画書オリジナルファイルフォルダ名", &BasicInfo::planOriginalFolder},
    {u"完成図フォルダ名", &BasicInfo::completionDrawingFolder},
    {u"写真フォルダ名", &BasicInfo::photoFolder},
    {u"地質データフォルダ名", &BasicInfo::boringFolder},
    {u"その他フォルダ名", &BasicInfo::otherFolder},
};
const Item<OtherOriginalFolder> OtherOriginalFolderItems[] = {
    {u"その他オリジナルファイルフォルダ名", &OtherOriginalFolder::folderName},
    {u"その他オリジナルファイルフォルダ日本語名", &OtherOriginalFolder::folderJapaneseName},
};
// 工事件名等 before and after its repeated groups.
const Item<ConstructionTitle> TitleLeadingItems[] = {
    {u"発注年度", &ConstructionTitle::orderYear},
    {u"工事番号", &ConstructionTitle::constructionNumber},
    {u"工事名称", &ConstructionTitle::constructionName},
    {u"工事実績システムバージョン番号", &ConstructionTitle::corinsVersion},
    {u"工事実績システム登録番号", &ConstructionTitle::corinsNumber},
    {u"工事分野", &ConstructionTitle::field},
    {u"工事業種", &ConstructionTitle::industry},
};
const Item<ConstructionTitle> TitleTrailingItems[] = {
    {u"工期開始日", &ConstructionTitle::startDate},
    {u"工期終了日", &ConstructionTitle::endDate},
    {u"工事内容", &ConstructionTitle::content},
};
const Item<StationRange> StationItems[] = {
    {u"起点側測点-n", &StationRange::startN},
    {u"起点側測点-m", &StationRange::startM},
    {u"終点側測点-n", &StationRange::endN},
    {u"終点側測点-m", &StationRange::endM},
};
const Item<StationRange> DistanceMarkItems[] = {
    {u"起点側距離標-n", &StationRange::startN},
    {u"起点側距離標-m", &StationRange::startM},
    {u"終点側距離標-n", &StationRange::endN},
    {u"終点側距離標-m", &StationRange::endM},
};
const Item<WaterRouteInfo> WaterRouteItems[] = {
    {u"対象水系路線名", &WaterRouteInfo::routeName},
    {u"現道-旧道区分", &WaterRouteInfo::roadKind},
};
const Item<BoundaryCoordinates> BoundaryItems[] = {
    {u"西側境界座標経度", &BoundaryCoordinates::westLongitude},
    {u"東側境界座標経度", &BoundaryCoordinates::eastLongitude},
    {u"北側境界座標緯度", &BoundaryCoordinates::northLatitude},
    {u"南側境界座標緯度", &BoundaryCoordinates::southLatitude},
};
const Item<OrdererInfo> OrdererItems[] = {
    {u"発注者-大分類", &OrdererInfo::major},
    {u"発注者-中分類", &OrdererInfo::middle},
    {u"発注者-小分類", &OrdererInfo::minor},
    {u"発注者コード", &OrdererInfo::code},
};
const Item<ContractorInfo> ContractorItems[] = {
    {u"請負者名", &ContractorInfo::name},
    {u"請負者コード", &ContractorInfo::code},
};

constexpr QStringView RootElement = u"kouji";
constexpr QStringView NameElement = u"name";
constexpr QStringView StandardCodeElement = u"standardCode";
constexpr QStringView ConstructionNumberElement = u"constructionNumber";
constexpr QStringView OtherDataElement = u"otherData";
constexpr QStringView PasswordElement = u"password";
constexpr QStringView ConstructionElement = u"constdata";
constexpr QStringView BasicElement = u"基礎情報";
constexpr QStringView OtherOriginalFolderElement = u"その他オリジナルフォルダ情報";
constexpr QStringView TitleElement = u"工事件名等";
constexpr QStringView WorkTypeMethodElement = u"工種-工法型式";
constexpr QStringView WorkTypeElement = u"工種";
constexpr QStringView MethodElement = u"工法型式";
constexpr QStringView AddressInfoElement = u"住所情報";
constexpr QStringView AddressCodeElement = u"住所コード";
constexpr QStringView AddressElement = u"住所";
constexpr QStringView PlaceElement = u"場所情報";
constexpr QStringView GeodeticElement = u"測地系";
constexpr QStringView WaterRouteElement = u"水系-路線情報";
constexpr QStringView RiverCodeElement = u"対象河川コード";
constexpr QStringView BankCodeElement = u"左右岸上下線コード";
constexpr QStringView StationElement = u"測点情報";
constexpr QStringView DistanceMarkElement = u"距離標情報";
constexpr QStringView BoundaryElement = u"境界座標情報";
constexpr QStringView FacilityElement = u"施設情報";
constexpr QStringView FacilityNameElement = u"施設名称";
constexpr QStringView OrdererElement = u"発注者情報";
constexpr QStringView ContractorElement = u"請負者情報";
constexpr QStringView ReserveElement = u"予備";
constexpr QStringView SoftwareTagElement = u"ソフトメーカ用TAG";

class Writer
{
public:
    explicit Writer(QXmlStreamWriter &xml)
        : m_xml(xml)
    {
    }

    QXmlStreamWriter &xml() { return m_xml; }

    void text(QStringView element, const QString &value)
    {
        m_xml.writeTextElement(element.toString(), value);
    }

    void texts(QStringView element, const QStringList &values)
    {
        for (const QString &value : values)
            text(element, value);
    }

    template <class Group, std::size_t N>
    void items(const Group &group, const Item<Group> (&items)[N])
    {
        for (const Item<Group> &item : items)
            text(item.element, group.*item.member);
    }

    template <class Group, std::size_t N>
    void group(QStringView element, const Group &group, const Item<Group> (&groupItems)[N])
    {
        m_xml.writeStartElement(element.toString());
        items(group, groupItems);
        m_xml.writeEndElement();
    }

    void start(QStringView element) { m_xml.writeStartElement(element.toString()); }
    void end() { m_xml.writeEndElement(); }

private:
    QXmlStreamWriter &m_xml;
};

void writeBasic(Writer &writer, const BasicInfo &basic)
{
    writer.start(BasicElement);
    writer.items(basic, BasicItems);
    for (const OtherOriginalFolder &folder : basic.otherOriginalFolders)
        writer.group(OtherOriginalFolderElement, folder, OtherOriginalFolderItems);
    writer.end();
}

void writeTitle(Writer &writer, const ConstructionTitle &title)
{
    writer.start(TitleElement);
    writer.items(title, TitleLeadingItems);
    for (const WorkTypeMethod &workType : title.workTypeMethods) {
        writer.start(WorkTypeMethodElement);
        writer.texts(WorkTypeElement, workType.workTypes);
        writer.texts(MethodElement, workType.methods);
        writer.end();
    }
    for (const AddressInfo &address : title.addresses) {
        writer.start(AddressInfoElement);
        writer.texts(AddressCodeElement, address.codes);
        writer.texts(AddressElement, address.addresses);
        writer.end();
    }
    writer.items(title, TitleTrailingItems);
    writer.end();
}

void writePlace(Writer &writer, const PlaceInfo &place)
{
    writer.start(PlaceElement);
    writer.text(GeodeticElement, place.geodeticSystem);
    for (const WaterRouteInfo &route : place.waterRoutes) {
        writer.start(WaterRouteElement);
        writer.items(route, WaterRouteItems);
        writer.texts(RiverCodeElement, route.riverCodes);
        writer.texts(BankCodeElement, route.bankCodes);
        for (const StationRange &station : route.stations)
            writer.group(StationElement, station, StationItems);
        for (const StationRange &mark : route.distanceMarks)
            writer.group(DistanceMarkElement, mark, DistanceMarkItems);
        writer.end();
    }
    writer.group(BoundaryElement, place.boundary, BoundaryItems);
    writer.end();
}

template <class Group, std::size_t N>
void readItems(const XmlElement &element, Group *group, const Item<Group> (&items)[N])
{
    for (const Item<Group> &item : items)
        group->*item.member = element.childText(item.element);
}

template <class Group, std::size_t N>
QList<Group> readGroups(const XmlElement &parent, QStringView element,
                        const Item<Group> (&items)[N])
{
    QList<Group> groups;
    for (const XmlElement *child : parent.childrenNamed(element)) {
        Group group;
        readItems(*child, &group, items);
        groups.append(group);
    }
    return groups;
}

BasicInfo readBasic(const XmlElement &element)
{
    BasicInfo basic;
    readItems(element, &basic, BasicItems);
    basic.otherOriginalFolders =
        readGroups(element, OtherOriginalFolderElement, OtherOriginalFolderItems);
    return basic;
}

ConstructionTitle readTitle(const XmlElement &element)
{
    ConstructionTitle title;
    readItems(element, &title, TitleLeadingItems);
    readItems(element, &title, TitleTrailingItems);
    for (const XmlElement *child : element.childrenNamed(WorkTypeMethodElement))
        title.workTypeMethods.append(
            {child->childTexts(WorkTypeElement), child->childTexts(MethodElement)});
    for (const XmlElement *child : element.childrenNamed(AddressInfoElement))
        title.addresses.append(
            {child->childTexts(AddressCodeElement), child->childTexts(AddressElement)});
    return title;
}

PlaceInfo readPlace(const XmlElement &element)
{
    PlaceInfo place;
    place.geodeticSystem = element.childText(GeodeticElement);
    for (const XmlElement *child : element.childrenNamed(WaterRouteElement)) {
        WaterRouteInfo route;
        readItems(*child, &route, WaterRouteItems);
        route.riverCodes = child->childTexts(RiverCodeElement);
        route.bankCodes = child->childTexts(BankCodeElement);
        route.stations = readGroups(*child, StationElement, StationItems);
        route.distanceMarks = readGroups(*child, DistanceMarkElement, DistanceMarkItems);
        place.waterRoutes.append(route);
    }
    readItems(element.child(BoundaryElement), &place.boundary, BoundaryItems);
    return place;
}

ConstructionInfo readConstruction(const XmlElement &element)
{
    ConstructionInfo info;
    info.basic = readBasic(element.child(BasicElement));
    info.title = readTitle(element.child(TitleElement));
    info.place = readPlace(element.child(PlaceElement));
    info.facilityName = element.child(FacilityElement).childText(FacilityNameElement);
    readItems(element.child(OrdererElement), &info.orderer, OrdererItems);
    readItems(element.child(ContractorElement), &info.contractor, ContractorItems);
    info.reserves = element.childTexts(ReserveElement);
    info.softwareTags = element.childTexts(SoftwareTagElement);
    return info;
}

bool flagText(const QString &text)
{
    return text.trimmed().toInt() != 0;
}

void writeConstruction(Writer &writer, const ConstructionInfo &construction,
                       const QString &dtdVersion);

} // namespace

QByteArray shelfInfoXml(const ShelfInfo &info)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    Writer writer(xml);
    writer.xml().writeStartDocument();
    writer.start(RootElement);
    writer.text(NameElement, info.name);
    writer.text(StandardCodeElement, QString::number(info.standardCode));
    writer.text(ConstructionNumberElement, info.constructionNumber);
    writer.text(OtherDataElement, QString::number(info.otherData ? 1 : 0));
    writer.text(PasswordElement, QString::number(info.password ? 1 : 0));

    writeConstruction(writer, info.construction, QString());

    writer.end();
    writer.xml().writeEndDocument();
    return bytes;
}

void writeConstructionData(QXmlStreamWriter &xml, const ConstructionInfo &construction,
                           const QString &dtdVersion)
{
    Writer writer(xml);
    writeConstruction(writer, construction, dtdVersion);
}

namespace {

void writeConstruction(Writer &writer, const ConstructionInfo &construction,
                       const QString &dtdVersion)
{
    writer.start(ConstructionElement);
    if (!dtdVersion.isEmpty())
        writer.xml().writeAttribute(QStringLiteral("DTD_version"), dtdVersion);
    writeBasic(writer, construction.basic);
    writeTitle(writer, construction.title);
    writePlace(writer, construction.place);
    writer.start(FacilityElement);
    writer.text(FacilityNameElement, construction.facilityName);
    writer.end();
    writer.group(OrdererElement, construction.orderer, OrdererItems);
    writer.group(ContractorElement, construction.contractor, ContractorItems);
    writer.texts(ReserveElement, construction.reserves);
    writer.texts(SoftwareTagElement, construction.softwareTags);
    writer.end();
}

} // namespace

ConstructionInfo readConstructionData(const XmlElement &constdata)
{
    return readConstruction(constdata);
}

namespace {

// The root element read from a file or its bytes; source names it in *error.
bool takeShelfInfo(bool read, const XmlElement &root, const QString &source,
                   const QString &reason, ShelfInfo *info, QString *error)
{
    if (!read || root.name != RootElement) {
        if (error)
            *error = reason.isEmpty() ? QStringLiteral("%1: not a kouji.xml").arg(source) : reason;
        return false;
    }
    *info = ShelfInfo();
    info->name = root.childText(NameElement);
    info->standardCode = root.childText(StandardCodeElement).trimmed().toInt();
    info->constructionNumber = root.childText(ConstructionNumberElement);
    info->otherData = flagText(root.childText(OtherDataElement));
    info->password = flagText(root.childText(PasswordElement));
    info->construction = readConstruction(root.child(ConstructionElement));
    return true;
}

} // namespace

bool readShelfInfo(const QString &hostFile, ShelfInfo *info, QString *error)
{
    QString reason;
    XmlElement root;
    const bool read = readXmlFile(hostFile, &root, &reason);
    return takeShelfInfo(read, root, hostFile, reason, info, error);
}

bool readShelfInfoXml(const QByteArray &bytes, ShelfInfo *info, QString *error)
{
    const QString source = QStringLiteral("kouji.xml");
    QString reason;
    XmlElement root;
    const bool read = readXmlBytes(bytes, source, &root, &reason);
    return takeShelfInfo(read, root, source, reason, info, error);
}

bool writeShelfInfo(const QString &hostFile, const ShelfInfo &info, QString *error)
{
    const QByteArray bytes = shelfInfoXml(info);
    win::ReplacingFile file;
    if (!file.open(hostFile) || file.file().write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(hostFile);
        return false;
    }
    return true;
}

} // namespace suitedata
