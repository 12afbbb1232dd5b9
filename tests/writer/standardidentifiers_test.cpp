#include "characterlisttest.h"

#include "deliverytext.h"
#include "fullwidthlength.h"

namespace {

class StandardIdentifiersTest : public CharacterListTest
{
};

// The construction and photo information identifiers that start-up sets
// for each delivery standard code.
struct StandardIdentifiers
{
    int code;
    QStringView koujiJH;
    QStringView syashiJH;
};

constexpr QStringView Mlit2002 = u"デジタル写真管理情報基準(案) 平成14年7月 国土交通省";
constexpr QStringView Maff2003 = u"電子化写真データの作成要領（案） 平成15年4月 農林水産省";

const StandardIdentifiers Standards[] = {
    {1, u"", Mlit2002},
    {2, u"", Mlit2002},
    {3, u"", u""},
    {4, u"", u""},
    {5, u"", Maff2003},
    {6, u"", Maff2003},
    {7, u"", u""},
    {8, u"", u"工事記録写真等撮影要領　平成18年7月"},
    {11, u"土木200406-01", u"土木200601-01"},
    {12, u"電通200406-01", u"電通200601-01"},
    {13, u"", u"機械200601-01"},
    {14, u"機械200603-01", u"機械200601-01"},
    {15, u"農村振興機械200704-01", u"農村振興機械200504-01"},
    {16, u"", u""},
    {17, u"", u""},
    {21, u"土木200406-01", u"土木200601-01"},
    {22, u"電通200406-01", u"電通200601-01"},
    {23, u"", u"機械200601-01"},
    {24, u"機械200603-01", u"機械200601-01"},
    {25, u"", u""},
    {26, u"", u""},
    {27, u"", u""},
    {28, u"", u""},
    {51, u"", Maff2003},
    {61, u"", Maff2003},
    {62, u"農村振興機械200704-01", u"農村振興機械200504-01"},
    {70, u"農村振興土木200504-01", u"農村振興土木200504-01"},
    {71, u"農村振興電通200504-01", u"農村振興電通200504-01"},
    {72, u"", u"農村振興土木200504-01"},
    {73, u"農村振興土木200504-01", u"農村振興土木200504-01"},
    {74, u"農村振興電通200504-01", u"農村振興電通200504-01"},
    {75, u"", u"農村振興土木200504-01"},
    {80, u"", u""},
    {81, u"", u""},
    {90, u"", u""},
};

// Code 8 checks strictly.
constexpr int StrictCode = 8;
constexpr int LengthLimit = 255;

} // namespace

// The input checks run on these identifiers unchanged, so each must pass
// with the shipped lists: a character missing from unicode_list.dat, or a
// transformation that breaks one, shows here.
TEST_F(StandardIdentifiersTest, EveryStandardsIdentifiersPassTheChecksWithTheShippedLists)
{
    for (const StandardIdentifiers &standard : Standards) {
        const int strict = standard.code == StrictCode ? 1 : 0;
        for (QStringView identifier : {standard.koujiJH, standard.syashiJH}) {
            const QString text = identifier.toString();
            const std::string what = std::to_string(standard.code) + " " + text.toStdString();
            EXPECT_LE(writer::FullWidthLength(units(text)), LengthLimit) << what;
            const Outcome transformed = transform(text, strict);
            EXPECT_EQ(transformed.result, writer::transform::Done) << what;
            const Outcome collected = forbidden(transformed.text, strict);
            EXPECT_EQ(collected.text, QString()) << what;
        }
    }
}
