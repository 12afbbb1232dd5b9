#include "samplecatalog.h"

#include <iterator>

namespace samplecatalog {

const WorkClass CivilWorks[] = {
    {u"道路土工", u"掘削工", u"土砂掘削"},
    {u"L'型擁壁工", u"プレキャスト擁壁工", u"L型擁壁"},
    {u"道路土工", u"路体盛土工", u"路体盛土"},
    {u"道路土工", u"路床盛土工", u"路床盛土"},
    {u"擁壁工", u"場所打擁壁工", u"重力式擁壁"},
    {u"舗装工", u"アスファルト舗装工", u"下層路盤工"},
    {u"舗装工", u"アスファルト舗装工", u"上層路盤工"},
    {u"舗装工", u"アスファルト舗装工", u"表層工"},
    {u"排水構造物工", u"側溝工", u"プレキャストU型側溝"},
    {u"排水構造物工", u"集水桝工", u"集水桝"},
    {u"法面工", u"植生工", u"種子散布工"},
    {u"法面工", u"吹付工", u"モルタル吹付工"},
    {u"コンクリートブロック工", u"コンクリートブロック積", u"間知ブロック積"},
    {u"防護柵工", u"路側防護柵工", u"ガードレール"},
    {u"区画線工", u"区画線工", u"溶融式区画線"},
    {u"仮設工", u"土留・仮締切工", u"鋼矢板"},
    {u"河川土工", u"掘削工", u"掘削"},
    {u"護岸工", u"法覆護岸工", u"コンクリートブロック張"},
    {u"構造物撤去工", u"構造物取壊し工", u"コンクリート構造物取壊し"},
    {u"橋梁付属物工", u"伸縮装置工", u"鋼製伸縮装置"},
};
const int CivilWorkCount = int(std::size(CivilWorks));

const QStringList SafetyWork = {
    QStringLiteral("安全訓練"),
    QStringLiteral("保安施設設置"),
    QStringLiteral("交通誘導"),
};

QStringList buildingCategories()
{
    return {QStringLiteral("01_建築"), QStringLiteral("02_電気設備"),
            QStringLiteral("03_機械設備")};
}

QStringList buildingTrades(int category)
{
    switch (category) {
    case 0:
        return {QStringLiteral("01_仮設工事"),         QStringLiteral("02_土工事"),
                QStringLiteral("03_地業工事"),         QStringLiteral("04_鉄筋工事"),
                QStringLiteral("05_コンクリート工事"), QStringLiteral("06_鉄骨工事"),
                QStringLiteral("07_防水工事"),         QStringLiteral("08_内装工事")};
    case 1:
        return {QStringLiteral("01_電力設備工事"), QStringLiteral("02_受変電設備工事"),
                QStringLiteral("03_通信・情報設備工事")};
    default:
        return {QStringLiteral("01_空気調和設備工事"), QStringLiteral("02_給排水衛生設備工事"),
                QStringLiteral("03_昇降機設備工事")};
    }
}

QStringList buildingSubjects()
{
    return {QStringLiteral("01_着工前"), QStringLiteral("02_施工中"), QStringLiteral("03_完成"),
            QStringLiteral("04_材料検収"), QStringLiteral("05_品質管理")};
}

QStringList buildingFloors()
{
    return {QStringLiteral("1階"), QStringLiteral("2階"), QStringLiteral("3階"),
            QStringLiteral("屋上")};
}

QStringList buildingGridLines()
{
    return {QStringLiteral("X1通り"), QStringLiteral("X2通り"), QStringLiteral("X3通り"),
            QStringLiteral("Y1通り"), QStringLiteral("Y2通り")};
}

} // namespace samplecatalog
