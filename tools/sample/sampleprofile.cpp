#include "sampleprofile.h"

#include "officialdtds.h"
#include "sampledtds.h"

SampleProfile SampleProfile::of(DeliveryOptions::Standard standard)
{
    using Standard = DeliveryOptions::Standard;
    switch (standard) {
    case Standard::Mlit:
        return {QStringLiteral("PHOTO05.DTD"),
                QStringLiteral("05"),
                officialdtds::Photo05,
                QStringLiteral("土木200805-01"),
                QStringLiteral("土木200805-01"),
                QStringLiteral("PHOTO/PIC"),
                QStringLiteral("PHOTO/DRA"),
                true,
                true,
                QStringLiteral("令和６年度　荒川下流右岸護岸改修工事"),
                QStringLiteral("河川"),
                QStringLiteral("一般土木工事"),
                QStringLiteral("13121"),
                QStringLiteral("東京都足立区新田三丁目"),
                QStringLiteral("荒川水系荒川"),
                QStringLiteral("国土交通省"),
                QStringLiteral("関東地方整備局"),
                QStringLiteral("荒川下流河川事務所"),
                QStringLiteral("20122010")};
    case Standard::Maff:
        return {QStringLiteral("PHOTO05.DTD"),
                QStringLiteral("05"),
                officialdtds::Photo05,
                QStringLiteral("農村振興土木201103-01"),
                QStringLiteral("農村振興土木201103-01"),
                QStringLiteral("PHOTO/PIC"),
                QStringLiteral("PHOTO/DRA"),
                true,
                true,
                QStringLiteral("令和６年度　利根中央地区用水路改修工事"),
                QStringLiteral("農業農村整備"),
                QStringLiteral("一般土木工事"),
                QStringLiteral("09204"),
                QStringLiteral("栃木県足利市五十部町"),
                QStringLiteral("利根川水系渡良瀬川"),
                QStringLiteral("農林水産省"),
                QStringLiteral("関東農政局"),
                QStringLiteral("利根川水系土地改良調査管理事務所"),
                QStringLiteral("30121010")};
    case Standard::Nexco2012:
        return {QStringLiteral("PHOTO04N.DTD"),
                QStringLiteral("04N"),
                sampledtds::Photo04N,
                QStringLiteral("工事記録写真等撮影要領　平成24年7月"),
                QStringLiteral("NEXCO201207-01"),
                QStringLiteral("PHOTO/PIC"),
                QStringLiteral("PHOTO/DRA"),
                false,
                false,
                QStringLiteral("東北自動車道　佐野藤岡インターチェンジ改良工事"),
                QStringLiteral("道路"),
                QStringLiteral("一般土木工事"),
                QStringLiteral("09204"),
                QStringLiteral("栃木県佐野市植下町"),
                QStringLiteral("東北自動車道"),
                QStringLiteral("東日本高速道路株式会社"),
                QStringLiteral("関東支社"),
                QStringLiteral("宇都宮管理事務所"),
                QStringLiteral("70100020")};
    case Standard::Nexco2006:
        return {QStringLiteral("PHOTO02N.DTD"),
                QStringLiteral("02N"),
                sampledtds::Photo02N,
                QStringLiteral("工事記録写真等撮影要領　平成18年7月"),
                QStringLiteral("NEXCO200607-01"),
                QStringLiteral("PIC"),
                QStringLiteral("DRA"),
                true,
                false,
                QStringLiteral("平成１９年度　関越自動車道　高崎管内舗装補修工事"),
                QStringLiteral("道路"),
                QStringLiteral("舗装工事"),
                QStringLiteral("10202"),
                QStringLiteral("群馬県高崎市中尾町"),
                QStringLiteral("関越自動車道"),
                QStringLiteral("東日本高速道路株式会社"),
                QStringLiteral("関東支社"),
                QStringLiteral("高崎管理事務所"),
                QStringLiteral("70100030")};
    }
    return of(Standard::Mlit);
}
