// tessera-host check on generated deliveries broken one way each: every
// finding with its level, class, file, line and item, and no crash.
#include "deliverychecktest.h"

#include "samplejpeg.h"

#include <QBuffer>
#include <QImage>

#include <functional>

using namespace deliverycheck;

namespace {

constexpr char16_t PhotoXml[] = u"PHOTO\\PHOTO.XML";
constexpr char16_t MeetXml[] = u"MEET\\MEET.XML";
constexpr int AnyLine = -1;

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct Case
{
    const char *name;
    std::function<void(const DeliveryCheckTest &)> breakIt;
    Level level;
    RuleClass ruleClass;
    const char16_t *file;
    const char16_t *item;
    const char16_t *message; // a part of it
    // The text on the finding's line in the file the finding names; null
    // for no line, AnyLine as marker occurrence for a line that only has
    // to be there.
    const char16_t *lineMarker = nullptr;
    int markerOccurrence = 1;
};

void PrintTo(const Case &c, std::ostream *stream)
{
    *stream << c.name;
}

const Case Cases[] = {
    {"MissingPhoto", [](const auto &d) { d.remove(QStringLiteral("PHOTO/PIC/P0000003.JPG")); },
     Level::Error, RuleClass::Structure, PhotoXml, u"写真ファイル名",
     u"写真ファイル P0000003.JPG がありません", u"<写真ファイル名>P0000003.JPG"},
    {"PhotoTheXmlDoesNotName",
     [](const auto &d) { d.write(QStringLiteral("PHOTO/PIC/P0000999.JPG"), SampleJpeg::bytes()); },
     Level::Notice, RuleClass::Structure, u"PHOTO\\PIC\\P0000999.JPG", u"",
     u"PHOTO\\PHOTO.XML に記入のないファイルです"},
    {"ThumbsDb", [](const auto &d) { d.write(QStringLiteral("PHOTO/PIC/Thumbs.db"), "x"); },
     Level::Error, RuleClass::Structure, u"PHOTO\\PIC\\Thumbs.db", u"", u"隠しファイル"},
    {"DesktopIniInTheRoot", [](const auto &d) { d.write(QStringLiteral("desktop.ini"), "[x]"); },
     Level::Error, RuleClass::Structure, u"desktop.ini", u"", u"システムファイル"},
    {"FolderTheIndexDoesNotName",
     [](const auto &d) { d.write(QStringLiteral("TEMP/NOTE.TXT"), "x"); }, Level::Notice,
     RuleClass::Structure, u"TEMP", u"", u"INDEX_C.XML に記入のないフォルダです"},
    {"DuplicatedSerial",
     [](const auto &d) {
         d.replace(QStringLiteral("<シリアル番号>5<"), QStringLiteral("<シリアル番号>4<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"シリアル番号", u"シリアル番号 4 が重複しています",
     u"<シリアル番号>4<", 2},
    {"ValueOverItsLength",
     [](const auto &d) {
         d.replace(QStringLiteral("<写真タイトル>現地調査状況<"),
                   QStringLiteral("<写真タイトル>") + QString(128, u'写') + u'<');
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真タイトル",
     u"文字数が上限を超えています（128 文字、上限 127 文字）", u"<写真タイトル>写写"},
    {"HalfWidthCharactersCountHalf",
     [](const auto &d) {
         d.replace(QStringLiteral("<写真タイトル>現地調査状況<"),
                   QStringLiteral("<写真タイトル>") + QString(255, u'A') + u'<');
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真タイトル", u"（128 文字、上限 127 文字）",
     u"<写真タイトル>AA"},
    {"ForbiddenCharacter",
     [](const auto &d) {
         d.replace(QStringLiteral("<撮影箇所>"), QStringLiteral("<撮影箇所>①工区"), 2);
     },
     Level::Error, RuleClass::Items, PhotoXml, u"撮影箇所", u"使用できない文字「①」",
     u"<撮影箇所>①"},
    {"DateOutsideTheConstructionPeriod",
     [](const auto &d) {
         d.replace(QStringLiteral("<撮影年月日>2024-04-01<"),
                   QStringLiteral("<撮影年月日>2024-03-31<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"撮影年月日",
     u"撮影年月日 2024-03-31 が工期（2024-04-01～2025-03-31）の外です", u"2024-03-31"},
    {"DateThatDoesNotExist",
     [](const auto &d) {
         d.replace(QStringLiteral("<撮影年月日>2024-04-01<"),
                   QStringLiteral("<撮影年月日>2024-02-30<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"撮影年月日", u"実在しない日付です: 2024-02-30",
     u"2024-02-30"},
    {"BrokenJpeg",
     [](const auto &d) {
         d.write(QStringLiteral("PHOTO/PIC/P0000004.JPG"),
                 SampleJpeg::bytes().left(SampleJpeg::bytes().size() / 2));
     },
     Level::Error, RuleClass::Images, u"PHOTO\\PIC\\P0000004.JPG", u"",
     u"画像として読み込めません"},
    {"PngNamedJpg",
     [](const auto &d) { d.write(QStringLiteral("PHOTO/PIC/P0000006.JPG"), pngBytes()); },
     Level::Error, RuleClass::Images, u"PHOTO\\PIC\\P0000006.JPG", u"",
     u"JPEG形式の画像ではありません（png）"},
    {"PhotoXmlThatIsNotXml",
     [](const auto &d) { d.setText(QStringLiteral("写真の一覧は別紙のとおり\r\n")); }, Level::Error,
     RuleClass::Grammar, PhotoXml, u"", u"XMLとして正しくありません", u"写真の一覧"},
    {"IndexThatIsNotXml",
     [](const auto &d) {
         d.replace(QStringLiteral("</constdata>"), QStringLiteral("</constdat>"), 1,
                   QStringLiteral("INDEX_C.XML"));
     },
     Level::Error, RuleClass::Grammar, u"INDEX_C.XML", u"", u"XMLとして正しくありません",
     u"</constdat>"},
    {"PhotoXmlAgainstItsDtd",
     [](const auto &d) {
         d.replace(QStringLiteral("<写真タイトル>現地調査状況</写真タイトル>"), QString());
     },
     Level::Error, RuleClass::Grammar, PhotoXml, u"", u"DTDに適合しません", u"", AnyLine},
    {"PhotoDtdMissing", [](const auto &d) { d.remove(QStringLiteral("PHOTO/PHOTO05.DTD")); },
     Level::Error, RuleClass::Structure, u"PHOTO\\PHOTO05.DTD", u"",
     u"DTD PHOTO05.DTD がありません"},
    {"LowerCaseFileName",
     [](const auto &d) {
         d.replace(QStringLiteral(">P0000007.JPG<"), QStringLiteral(">p0000007.jpg<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真ファイル名",
     u"ファイル名は半角英数大文字で付けます: p0000007.jpg", u">p0000007.jpg<"},
    {"FileNameLeadingOutOfItsFolder",
     [](const auto &d) {
         d.replace(QStringLiteral(">P0000008.JPG<"), QStringLiteral(">..\\..\\P0000008.JPG<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真ファイル名",
     u"ファイル名にフォルダが含まれています", u"..\\..\\P0000008"},
    {"WorkPhotoWithoutCategory",
     [](const auto &d) {
         d.replace(QStringLiteral("<写真区分>施工状況写真</写真区分>"), QString());
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真区分",
     u"写真-大分類が「工事」の写真には写真区分を記入します", u"<写真-大分類>工事<", 2},
    {"UnknownMajorClass",
     [](const auto &d) {
         d.replace(QStringLiteral("<写真-大分類>調査<"), QStringLiteral("<写真-大分類>点検<"));
     },
     Level::Error, RuleClass::Items, PhotoXml, u"写真-大分類",
     u"写真-大分類「点検」は基準の分類にありません", u"<写真-大分類>点検<"},
    {"KindWithoutWorkType",
     [](const auto &d) { d.replace(QStringLiteral("<工種>道路土工</工種>"), QString()); },
     Level::Error, RuleClass::Items, PhotoXml, u"種別", u"種別 を記入するときは 工種 も記入します",
     u"<種別>掘削工<"},
    {"MediaNumberOverTheTotal",
     [](const auto &d) {
         d.replace(QStringLiteral("<メディア番号>1<"), QStringLiteral("<メディア番号>3<"), 2);
     },
     Level::Error, RuleClass::Items, PhotoXml, u"メディア番号",
     u"メディア番号 3 がメディア総枚数 1 を超えています", u"<メディア番号>3<"},
    {"ConstructionPeriodReversed",
     [](const auto &d) {
         d.replace(QStringLiteral("<工期開始日>2024-04-01<"),
                   QStringLiteral("<工期開始日>2025-04-01<"), 1, QStringLiteral("INDEX_C.XML"));
     },
     Level::Error, RuleClass::Items, u"INDEX_C.XML", u"工期開始日",
     u"工期開始日 2025-04-01 が 工期終了日 2025-03-31 より後です", u"<工期開始日>"},
    {"MissingOriginalFile",
     [](const auto &d) {
         d.addOtherData();
         d.remove(QStringLiteral("MEET/ORG/MTG00201.PDF"));
     },
     Level::Error, RuleClass::Structure, MeetXml, u"打合せ簿オリジナルファイル名",
     u"オリジナルファイル MEET\\ORG\\MTG00201.PDF がありません", u">MTG00201.PDF<"},
    {"FileTheMeetingRecordsDoNotName",
     [](const auto &d) {
         d.addOtherData();
         d.write(QStringLiteral("MEET/ORG/MTG00301.PDF"), "x");
     },
     Level::Notice, RuleClass::Structure, u"MEET\\ORG\\MTG00301.PDF", u"",
     u"MEET\\MEET.XML に記入のないファイルです"},
    {"MeetingFileNameOutOfForm",
     [](const auto &d) {
         d.addOtherData();
         d.replace(QStringLiteral(">MTG00201.PDF<"), QStringLiteral(">MEET0201.PDF<"), 1,
                   QStringLiteral("MEET/MEET.XML"));
     },
     Level::Error, RuleClass::Items, MeetXml, u"打合せ簿オリジナルファイル名",
     u"MTGnnnmm.XXX の形式で付けます: MEET0201.PDF", u">MEET0201.PDF<"},
    {"DuplicatedMeetingSerial",
     [](const auto &d) {
         d.addOtherData();
         d.replace(QStringLiteral("<シリアル番号>2<"), QStringLiteral("<シリアル番号>1<"), 1,
                   QStringLiteral("MEET/MEET.XML"));
     },
     Level::Error, RuleClass::Items, MeetXml, u"シリアル番号", u"シリアル番号 1 が重複しています",
     u"<シリアル番号>1<", 2},
    {"MeetingDocumentMissing",
     [](const auto &d) {
         d.addOtherData();
         d.remove(QStringLiteral("MEET/MEET.XML"));
     },
     Level::Error, RuleClass::Structure, u"INDEX_C.XML", u"打合せ簿フォルダ名",
     u"管理ファイル MEET\\MEET.XML がありません", u"<打合せ簿フォルダ名>"},
    {"PlanAgainstItsDtd",
     [](const auto &d) {
         d.addOtherData();
         d.replace(QStringLiteral("<施工計画書名称>施工計画書 第1版</施工計画書名称>"), QString(), 1,
                   QStringLiteral("PLAN/PLAN.XML"));
     },
     Level::Error, RuleClass::Grammar, u"PLAN\\PLAN.XML", u"", u"DTDに適合しません", u"", AnyLine},
    {"LowerCaseNameInThePlanFiles",
     [](const auto &d) {
         d.addOtherData();
         d.write(QStringLiteral("PLAN/ORG/pln00102.pdf"), "x");
     },
     Level::Error, RuleClass::Structure, u"PLAN\\ORG\\pln00102.pdf", u"",
     u"名前は半角英数大文字で付けます: pln00102.pdf"},
    {"OtherSubfolderMissing",
     [](const auto &d) {
         d.addOtherData();
         d.replace(QStringLiteral(">ORG001<"), QStringLiteral(">ORG002<"), 1,
                   QStringLiteral("OTHRS/OTHRS.XML"));
     },
     Level::Error, RuleClass::Structure, u"OTHRS\\OTHRS.XML", u"その他サブフォルダ名",
     u"OTHRS\\OTHRS.XML に記入されたフォルダ ORG002 がありません", u">ORG002<"},
    {"OtherDtdMissing",
     [](const auto &d) {
         d.addOtherData();
         d.remove(QStringLiteral("OTHRS/OTHRS04.DTD"));
     },
     Level::Error, RuleClass::Structure, u"OTHRS\\OTHRS04.DTD", u"", u"DTD OTHRS04.DTD がありません"},
    {"PhotoCountsDiffer", [](const auto &d) { d.remove(QStringLiteral("PHOTO/PIC/P0000010.JPG")); },
     Level::Error, RuleClass::Items, PhotoXml, u"写真情報",
     u"写真枚数が一致しません（写真情報 30 件、写真フォルダのファイル 29 個）"},
};

class BrokenDeliveryTest : public DeliveryCheckTest, public testing::WithParamInterface<Case>
{
};

} // namespace

TEST_P(BrokenDeliveryTest, FindingHasItsLevelAndPlace)
{
    const Case &c = GetParam();
    generate();
    c.breakIt(*this);
    const CheckReport report = check();
    if (c.level == Level::Error) {
        EXPECT_EQ(report.outcome(), CheckReport::Outcome::Failed);
    }
    const Finding *finding = findingOf(report, c.level, c.ruleClass, QString::fromUtf16(c.file),
                                       QString::fromUtf16(c.message));
    ASSERT_TRUE(finding) << describe(report);
    EXPECT_EQ(finding->item, QString::fromUtf16(c.item));
    if (c.markerOccurrence == AnyLine) {
        EXPECT_GT(finding->line, 0);
    } else if (c.lineMarker) {
        const QString document = QString::fromUtf16(c.file).replace(u'\\', u'/');
        const int line = lineOf(QString::fromUtf16(c.lineMarker), c.markerOccurrence, document);
        ASSERT_GT(line, 0);
        EXPECT_EQ(finding->line, line);
    } else {
        EXPECT_EQ(finding->line, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenDeliveryTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case> &info) { return info.param.name; });
