#include "standardcodes.h"

#include <algorithm>
#include <array>

namespace standards {

namespace {

constexpr QStringView None = u"";
constexpr QStringView MlitPhoto2002 = u"デジタル写真管理情報基準(案) 平成14年7月 国土交通省";
constexpr QStringView MaffPhoto2003 = u"電子化写真データの作成要領（案） 平成15年4月 農林水産省";

constexpr bool Other = true;      // other delivery data
constexpr bool AtStart = true;    // CALS.mdb probed at start-up
constexpr bool OnPage = true;     // CALS.mdb probed on the options page

// clang-format off
constexpr std::array Codes = {
    StandardCode{1, None, SimpleOptionsPage, 1, None, MlitPhoto2002},
    StandardCode{2, None, SimpleOptionsPage, 1, None, MlitPhoto2002},
    StandardCode{3, None, SimpleOptionsPage, 1, None, None},
    StandardCode{4, u"国土交通省　営繕工事電子納品要領（案）(H14.11版)", FileNamingPage, 1, None, None},
    StandardCode{5, None, SimpleOptionsPage, 4, None, MaffPhoto2003},
    StandardCode{6, None, SimpleOptionsPage, 4, None, MaffPhoto2003},
    StandardCode{7, None, SimpleOptionsPage, 4, None, None},
    StandardCode{8, u"NEXCO 工事記録写真等撮影要領(H18.7版)", SimpleOptionsPage, 6, None,
                 u"工事記録写真等撮影要領　平成18年7月"},
    StandardCode{11, u"国土交通省 土木設計業務等の電子納品要領（案）(H16.6版)", ExtendedOptionsPage, 3,
                 u"土木200406-01", u"土木200601-01", Other},
    StandardCode{12, u"国土交通省 土木設計業務等の電子納品要領（案）電気通信設備編(H16.6版)",
                 ExtendedOptionsPage, 3, u"電通200406-01", u"電通200601-01", Other},
    StandardCode{13, None, SimpleOptionsPage, 3, None, u"機械200601-01"},
    StandardCode{14, u"国土交通省 土木設計業務等の電子納品要領（案）機械設備工事編(H18.3版)",
                 ExtendedOptionsPage, 3, u"機械200603-01", u"機械200601-01", Other},
    StandardCode{15, u"農林水産省  設計業務等の電子納品要領（案） 機械設備工事編(H19.4版)",
                 ExtendedOptionsPage, 5, u"農村振興機械200704-01", u"農村振興機械200504-01", Other},
    StandardCode{16, u"国土交通省 土木設計業務等の電子納品要領（案）(H20.5版)", ExtendedOptionsPage, 7,
                 None, None, Other},
    StandardCode{17, u"国土交通省 土木設計業務等の電子納品要領 電気通信設備編(H22.9版)",
                 ExtendedOptionsPage, 8, None, None},
    StandardCode{21, u"国土交通省 工事完成図書の電子納品要領（案）(H16.6版)", ExtendedOptionsPage, 3,
                 u"土木200406-01", u"土木200601-01", Other, AtStart, OnPage},
    StandardCode{22, u"国土交通省 工事完成図書の電子納品要領（案）電気通信設備編(H16.6版)",
                 ExtendedOptionsPage, 3, u"電通200406-01", u"電通200601-01", Other},
    StandardCode{23, None, SimpleOptionsPage, 3, None, u"機械200601-01"},
    StandardCode{24, u"国土交通省 工事完成図書の電子納品要領（案）機械設備工事編(H18.3版)",
                 ExtendedOptionsPage, 3, u"機械200603-01", u"機械200601-01", Other},
    StandardCode{25, u"国土交通省 工事完成図書の電子納品要領（案）(H20.5版)", ExtendedOptionsPage, 7,
                 None, None, Other, AtStart, OnPage},
    StandardCode{26, u"国土交通省 工事完成図書の電子納品要領(H22.9版)", ExtendedOptionsPage, 8, None,
                 None},
    StandardCode{27, u"国土交通省 工事完成図書の電子納品要領 電気通信設備編(H22.9版)",
                 ExtendedOptionsPage, 8, None, None},
    StandardCode{28, u"国土交通省　営繕工事写真撮影要領（平成24年版）", FileNamingPage, 0, None, None},
    StandardCode{51, None, SimpleOptionsPage, 4, None, MaffPhoto2003},
    StandardCode{61, None, SimpleOptionsPage, 4, None, MaffPhoto2003},
    StandardCode{62, u"農林水産省  工事完成図書の電子納品要領（案） 機械設備工事編(H19.4版)",
                 ExtendedOptionsPage, 5, u"農村振興機械200704-01", u"農村振興機械200504-01", Other},
    StandardCode{70, u"農林水産省　設計業務等の電子納品要領（案) (H17.4版)", ExtendedOptionsPage, 5,
                 u"農村振興土木200504-01", u"農村振興土木200504-01", Other},
    StandardCode{71, u"農林水産省　設計業務等の電子納品要領（案） 電気通信設備編 (H17.4版)",
                 ExtendedOptionsPage, 5, u"農村振興電通200504-01", u"農村振興電通200504-01", Other},
    StandardCode{72, None, ExtendedOptionsPage, 5, None, u"農村振興土木200504-01", Other},
    StandardCode{73, u"農林水産省　工事完成図書の電子納品要領（案） (H17.4版)", ExtendedOptionsPage, 5,
                 u"農村振興土木200504-01", u"農村振興土木200504-01", Other, AtStart, OnPage},
    StandardCode{74, u"農林水産省　工事完成図書の電子納品要領（案） 電気通信設備編 (H17.4版)",
                 ExtendedOptionsPage, 5, u"農村振興電通200504-01", u"農村振興電通200504-01", Other},
    StandardCode{75, None, ExtendedOptionsPage, 5, None, u"農村振興土木200504-01", Other},
    StandardCode{80, u"農林水産省　設計業務等の電子納品要領（案) (H23.3版)", ExtendedOptionsPage, 9,
                 None, None, Other},
    StandardCode{81, u"農林水産省　工事完成図書の電子納品要領（案） (H23.3版)", ExtendedOptionsPage, 9,
                 None, None, Other, false, OnPage},
    StandardCode{90, u"NEXCO 工事記録写真等撮影要領 (H24.7版)", ExtendedOptionsPage, 0, None, None},
};
// clang-format on

struct PhotoStandard
{
    int category;
    QStringView name;
};

constexpr std::array PhotoStandards = {
    PhotoStandard{3, u"国土交通省　デジタル写真管理情報基準(案)(H18.1版)"},
    PhotoStandard{5, u"農林水産省　電子化写真データの作成要領(案)(H17.4版)"},
    PhotoStandard{6, u"NEXCO 工事記録写真等撮影要領(H18.7版)"},
    PhotoStandard{7, u"国土交通省　デジタル写真管理情報基準(案)(H20.5版)"},
    PhotoStandard{8, u"国土交通省　デジタル写真管理情報基準(H22.9版)"},
    PhotoStandard{9, u"農林水産省　電子化写真データの作成要領(案)(H23.3版)"},
};

// The "any other" row takes its category from the code.
constexpr int FirstCodeOfCategoryZero = 5;

} // namespace

StandardCode standardCode(int code)
{
    const auto row = std::find_if(Codes.begin(), Codes.end(),
                                  [code](const StandardCode &entry) { return entry.code == code; });
    if (row != Codes.end())
        return *row;
    StandardCode other;
    other.code = code;
    other.category = code < FirstCodeOfCategoryZero ? 1 : 0;
    return other;
}

QStringView photoStandardName(int category)
{
    const auto row = std::find_if(PhotoStandards.begin(), PhotoStandards.end(),
                                  [category](const PhotoStandard &entry) {
                                      return entry.category == category;
                                  });
    return row != PhotoStandards.end() ? row->name : QStringView();
}

bool isGovernmentBuildingCode(int code)
{
    return standardCode(code).optionsPage == FileNamingPage;
}

bool hasStrictInputChecks(int code)
{
    constexpr int NexcoH18 = 8;
    return code == NexcoH18;
}

} // namespace standards
