// What the check passes and what it does not take for a delivery:
// generated deliveries of every standard, split media, folders that are
// not deliveries, the real-world quirks of delivery files, and the check
// without the image decode.
#include "deliverychecktest.h"

#include "deliverychecker.h"

#include <QDir>

using namespace deliverycheck;

namespace {

struct Standard
{
    DeliveryOptions::Standard standard;
    DeliveryOptions::Encoding encoding;
    const char16_t *photoDtd;
    const char16_t *standardName;
};

void PrintTo(const Standard &s, std::ostream *stream)
{
    *stream << QString::fromUtf16(s.photoDtd).toStdString()
            << (s.encoding == DeliveryOptions::Encoding::Utf8 ? " utf8" : " sjis");
}

const Standard Standards[] = {
    {DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis,
     u"PHOTO05.DTD, Shift_JIS", u"国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)"},
    {DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::Utf8, u"PHOTO05.DTD, UTF-8",
     u"国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)"},
    {DeliveryOptions::Standard::Maff, DeliveryOptions::Encoding::ShiftJis,
     u"PHOTO05.DTD, Shift_JIS", u"農林水産省 電子化写真データの作成要領（平成２３年３月版準拠)"},
    {DeliveryOptions::Standard::Nexco2012, DeliveryOptions::Encoding::ShiftJis,
     u"PHOTO04N.DTD, Shift_JIS", u"NEXCO 工事記録写真等撮影要領（平成２４年７月版準拠)"},
    {DeliveryOptions::Standard::Nexco2006, DeliveryOptions::Encoding::Utf8, u"PHOTO02N.DTD, UTF-8",
     u"NEXCO 工事記録写真等撮影要領（平成１８年７月版準拠)"},
};

class GeneratedDeliveryCheckTest : public DeliveryCheckTest,
                                   public testing::WithParamInterface<Standard>
{
};

} // namespace

TEST_P(GeneratedDeliveryCheckTest, PassesWithOnlyTheSmallImagesNoticed)
{
    const Standard &s = GetParam();
    generate({Photos, s.standard, s.encoding});
    const CheckReport report = check();
    EXPECT_EQ(report.outcome(), CheckReport::Outcome::Passed) << describe(report);
    // The generator's photos are 16 x 12 pixels.
    EXPECT_EQ(report.count(Level::Notice), Photos) << describe(report);
    EXPECT_EQ(report.count(RuleClass::Images, Level::Notice), Photos);

    const CheckReport::Summary &summary = report.summary();
    EXPECT_EQ(summary.standardName, QString::fromUtf16(s.standardName));
    EXPECT_EQ(summary.indexFile, QStringLiteral("INDEX_C.XML"));
    EXPECT_EQ(summary.photoFile, QStringLiteral("PHOTO\\PHOTO.XML"));
    EXPECT_EQ(summary.photoDtd, QString::fromUtf16(s.photoDtd));
    EXPECT_EQ(summary.photos, Photos);
    EXPECT_EQ(summary.photoFiles, Photos);
    EXPECT_GT(summary.drawings, 0);
}

INSTANTIATE_TEST_SUITE_P(Standards, GeneratedDeliveryCheckTest, testing::ValuesIn(Standards));

// MEET, PLAN and OTHRS as the index names them: each document read against
// its DTD, every file it names found, nothing left unnamed.
TEST_F(DeliveryCheckTest, OtherDeliveryDataIsReadAndPasses)
{
    generate();
    addOtherData();
    const CheckReport report = check(false);
    EXPECT_EQ(report.outcome(), CheckReport::Outcome::Passed) << describe(report);
    EXPECT_EQ(report.count(Level::Notice), 0) << describe(report);
    QStringList documents;
    for (const CheckReport::Summary::Document &document : report.summary().otherDocuments)
        documents.append(document.file + u' ' + document.dtd);
    EXPECT_EQ(documents, QStringList({QStringLiteral("MEET\\MEET.XML MEET04.DTD, Shift_JIS"),
                                      QStringLiteral("PLAN\\PLAN.XML PLAN04.DTD, Shift_JIS"),
                                      QStringLiteral("OTHRS\\OTHRS.XML OTHRS04.DTD, Shift_JIS")}));
}

TEST_F(DeliveryCheckTest, PhotosOfAnotherMediumAreNotLookedFor)
{
    generate();
    // Medium 1 of 2: the photos from serial 21 on are on the second disc.
    replace(QStringLiteral("<メディア総枚数>1<"), QStringLiteral("<メディア総枚数>2<"), 1,
            QStringLiteral("INDEX_C.XML"));
    QString document = text();
    for (int serial = 21; serial <= Photos; ++serial) {
        const QString name = QStringLiteral("P%1.JPG").arg(serial, 7, 10, QLatin1Char('0'));
        const qsizetype at = document.indexOf(u'>' + name + u'<');
        ASSERT_GE(at, 0);
        const qsizetype media = document.indexOf(QStringLiteral("<メディア番号>1<"), at);
        document.replace(media, 10, QStringLiteral("<メディア番号>2<"));
        remove(QStringLiteral("PHOTO/PIC/") + name);
    }
    setText(document);
    const CheckReport report = check();
    EXPECT_EQ(report.outcome(), CheckReport::Outcome::Passed) << describe(report);
    EXPECT_EQ(report.summary().photos, Photos);
    EXPECT_EQ(report.summary().photoFiles, 20);

    // Checked as the second medium, those photos are missing.
    replace(QStringLiteral("<メディア番号>1<"), QStringLiteral("<メディア番号>2<"), 1,
            QStringLiteral("INDEX_C.XML"));
    EXPECT_TRUE(findingOf(check(), Level::Error, RuleClass::Structure,
                          QStringLiteral("PHOTO\\PHOTO.XML"),
                          QStringLiteral("写真ファイル P0000021.JPG がありません")));
}

TEST_F(DeliveryCheckTest, FoldersThatAreNoDeliveryAreToldApart)
{
    makeFolder(QStringLiteral("empty"));
    makeFolder(QStringLiteral("photos/PHOTO/PIC"));
    writeFile(QStringLiteral("photos/PHOTO/PIC/P0000001.JPG"), "x");
    for (const QString &folder :
         {QStringLiteral("empty"), QStringLiteral("photos"), QStringLiteral("missing")}) {
        const CheckReport report = DeliveryChecker().check(winPath(folder));
        EXPECT_EQ(report.outcome(), CheckReport::Outcome::NotADelivery) << folder.toStdString();
        EXPECT_FALSE(report.notADeliveryReason().isEmpty());
        EXPECT_TRUE(report.findings().isEmpty());
    }

    // PHOTO.XML without its index file is a delivery that lacks one.
    generate();
    remove(QStringLiteral("INDEX_C.XML"));
    const CheckReport report = check();
    EXPECT_EQ(report.outcome(), CheckReport::Outcome::Failed);
    EXPECT_TRUE(findingOf(report, Level::Error, RuleClass::Structure, QString(),
                          QStringLiteral("INDEX_C.XML がありません")))
        << describe(report);
}

TEST_F(DeliveryCheckTest, WithoutTheDecodeTheImagesAreOnlyLookedUp)
{
    generate();
    write(QStringLiteral("PHOTO/PIC/P0000004.JPG"), "not an image");
    const CheckReport quick = check(false);
    EXPECT_EQ(quick.outcome(), CheckReport::Outcome::Passed) << describe(quick);
    EXPECT_EQ(quick.count(RuleClass::Images, Level::Notice), 0);
    EXPECT_FALSE(quick.summary().imagesDecoded);
    EXPECT_EQ(check().count(RuleClass::Images, Level::Error), 1);
}

// The delivery of tests/data/worksdata/quirks holds what real deliveries
// do: Shift_JIS with CP932 characters, a blank before "?>", mixed
// indentation, empty elements, classes without lower levels, 代表写真
// inside 撮影情報, lower-case .jpg, half-width katakana, no final newline,
// a design-work index naming a DTD that is not on the disc; and no photos.
TEST_F(DeliveryCheckTest, RealWorldQuirksAreReportedWhereTheyAre)
{
    const QString source = QStringLiteral(TESSERA_TEST_DATA "/worksdata/quirks");
    for (const QString &file : {QStringLiteral("INDEX_D.XML"), QStringLiteral("PHOTO/PHOTO.XML")})
        write(file, readHostFile(source + u'/' + file));
    const CheckReport report = check();
    ASSERT_EQ(report.outcome(), CheckReport::Outcome::Failed);
    EXPECT_EQ(report.summary().indexFile, QStringLiteral("INDEX_D.XML"));
    EXPECT_EQ(report.summary().photos, 4);

    struct Expected
    {
        Level level;
        RuleClass ruleClass;
        const char16_t *file;
        const char16_t *message;
        int line;
    };
    const Expected expected[] = {
        // No INDEX_D DTD is held: the index is read, not validated.
        {Level::Error, RuleClass::Structure, u"INDE_D05.DTD", u"DTD INDE_D05.DTD がありません", 0},
        {Level::Notice, RuleClass::Grammar, u"INDEX_D.XML", u"DTDで検証していません", 0},
        // PHOTO.XML has no DTD beside it: the official text validates it.
        {Level::Notice, RuleClass::Grammar, u"PHOTO\\PHOTO.XML",
         u"公式の PHOTO05.DTD で検証しました", 0},
        {Level::Error, RuleClass::Grammar, u"PHOTO\\PHOTO.XML", u"Misplaced 代表写真", 30},
        {Level::Error, RuleClass::Items, u"PHOTO\\PHOTO.XML",
         u"半角英数大文字で付けます: p0000007.jpg", 13},
        {Level::Error, RuleClass::Items, u"PHOTO\\PHOTO.XML", u"使用できない文字「①」", 42},
        {Level::Error, RuleClass::Items, u"PHOTO\\PHOTO.XML",
         u"ファイル名にフォルダが含まれています: ..\\..\\P0000104.JPG", 68},
        {Level::Error, RuleClass::Items, u"PHOTO\\PHOTO.XML", u"必須の項目が空です", 67},
        {Level::Notice, RuleClass::Items, u"PHOTO\\PHOTO.XML",
         u"参考図ファイル名のない付加情報です", 26},
        {Level::Error, RuleClass::Structure, u"PHOTO\\PHOTO.XML",
         u"PHOTO\\PHOTO.XML に記入されたフォルダ PHOTO/PIC がありません", 5},
        {Level::Error, RuleClass::Structure, u"INDEX_D.XML",
         u"INDEX_D.XML に記入されたフォルダ REPORT がありません", 9},
    };
    for (const Expected &e : expected) {
        const Finding *finding = findingOf(report, e.level, e.ruleClass, QString::fromUtf16(e.file),
                                           QString::fromUtf16(e.message));
        ASSERT_TRUE(finding) << QString::fromUtf16(e.message).toStdString() << "\n"
                             << describe(report);
        EXPECT_EQ(finding->line, e.line) << QString::fromUtf16(e.message).toStdString();
    }
    // Half-width katakana are in the permitted list; the path that leads
    // out of the delivery is never looked up.
    for (const Finding &finding : report.findings()) {
        EXPECT_FALSE(finding.message.contains(u'ｸ')) << finding.message.toStdString();
        EXPECT_FALSE(finding.message.contains(QStringLiteral("P0000104.JPG がありません")));
    }
}

TEST_F(DeliveryCheckTest, DeliverySymbolsAreForbiddenOnlyUnderNexcosEarlierEdition)
{
    const auto titleFindings = [this](DeliveryOptions::Standard standard) {
        QDir(hostPath(QString::fromUtf16(Delivery))).removeRecursively();
        generate({Photos, standard, DeliveryOptions::Encoding::ShiftJis});
        // A full-width bracket twice, and a line break, which is permitted.
        replace(QStringLiteral("<写真タイトル>"), QStringLiteral("<写真タイトル>（Ａ）\r\n（Ｂ）"));
        QStringList messages;
        const CheckReport report = check();
        for (const Finding &finding : report.findings()) {
            if (finding.item == u"写真タイトル")
                messages.append(finding.message);
        }
        return messages;
    };
    EXPECT_EQ(titleFindings(DeliveryOptions::Standard::Nexco2006),
              QStringList {QStringLiteral("使用できない文字「（）」が含まれています")});
    EXPECT_EQ(titleFindings(DeliveryOptions::Standard::Nexco2012), QStringList());
    EXPECT_EQ(titleFindings(DeliveryOptions::Standard::Mlit), QStringList());
}

TEST_F(DeliveryCheckTest, AStylesheetThatPhotoXmlNamesIsPartOfTheDelivery)
{
    generate();
    write(QStringLiteral("PHOTO/PHOTO05.XSL"), "<xsl:stylesheet/>");
    const QString unnamed = QStringLiteral("PHOTO\\PHOTO.XML に記入のないファイルです");
    EXPECT_TRUE(findingOf(check(false), Level::Notice, RuleClass::Structure,
                          QStringLiteral("PHOTO\\PHOTO05.XSL"), unnamed));

    replace(QStringLiteral("?>\r\n"),
            QStringLiteral("?>\r\n<?xml-stylesheet type=\"text/xsl\" href=\"PHOTO05.XSL\"?>\r\n"));
    EXPECT_FALSE(findingOf(check(false), Level::Notice, RuleClass::Structure,
                           QStringLiteral("PHOTO\\PHOTO05.XSL"), unnamed));
}
