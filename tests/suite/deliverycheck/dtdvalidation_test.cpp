// Validation against the DTD a delivery document names, as the checker and
// the tests of written deliveries do it: the DTD read in its own encoding
// (Shift_JIS without a declaration, as discs carry it), found beside the
// document as Windows finds names, else our official copy; never fetched.
#include "workspacetest.h"

#include "dtdtext.h"
#include "dtdvalidator.h"
#include "officialdtds.h"

#include "platform/codepage.h"

namespace {

QByteArray sjis(const QString &text)
{
    return win::toAnsi(text);
}

QString officialPhotoDtd()
{
    return QString::fromUtf16(officialdtds::Photo05).replace(u'\n', QStringLiteral("\r\n"));
}

// A PHOTO.XML of one photo, valid against PHOTO05.DTD; ① is a CP932 character.
QString photoXml(const QString &systemId = QStringLiteral("PHOTO05.DTD"),
                 const QString &title = QStringLiteral("<写真タイトル>①全景</写真タイトル>"))
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n"
               "<!DOCTYPE photodata SYSTEM \"%1\">\r\n"
               "<photodata DTD_version=\"05\">\r\n"
               "<基礎情報><写真フォルダ名>PHOTO/PIC</写真フォルダ名>"
               "<適用要領基準>土木200805-01</適用要領基準></基礎情報>\r\n"
               "<写真情報>\r\n"
               "<写真ファイル情報><シリアル番号>1</シリアル番号><写真ファイル名>P0000001.JPG"
               "</写真ファイル名><メディア番号>1</メディア番号></写真ファイル情報>\r\n"
               "<撮影工種区分><写真-大分類>工事</写真-大分類>%2</撮影工種区分>\r\n"
               "<撮影情報><撮影年月日>2024-04-01</撮影年月日></撮影情報>\r\n"
               "<代表写真>0</代表写真><提出頻度写真>0</提出頻度写真>\r\n"
               "</写真情報>\r\n"
               "</photodata>\r\n")
        .arg(systemId, title);
}

class DtdValidationTest : public WorkspaceTest
{
protected:
    DtdValidator::Result validate(const QString &xml, const QByteArray &dtd = QByteArray(),
                                  const QString &dtdName = QStringLiteral("PHOTO05.DTD")) const
    {
        writeFile(QStringLiteral("PHOTO/PHOTO.XML"), sjis(xml));
        if (!dtd.isNull())
            writeFile(QStringLiteral("PHOTO/") + dtdName, dtd);
        return DtdValidator::validateFile(hostPath(QStringLiteral("PHOTO/PHOTO.XML")));
    }
};

} // namespace

TEST(DtdTextTest, EachFileIsReadInItsOwnEncoding)
{
    const QString text = QStringLiteral("<!ELEMENT 写真情報 (#PCDATA)>\r\n");
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QByteArray documentEncoding;
        const char *encoding;
    };
    const Case cases[] = {
        {"Shift_JIS without a declaration", sjis(text), "Shift_JIS", "Shift_JIS"},
        {"Shift_JIS beside a UTF-8 document", sjis(text), "UTF-8", "Shift_JIS"},
        {"UTF-8 beside a Shift_JIS document", text.toUtf8(), "Shift_JIS", "UTF-8"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + text.toUtf8(), "", "UTF-8"},
        {"UTF-16 with a byte-order mark",
         QByteArray("\xFF\xFE", 2)
             + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2),
         "Shift_JIS", "UTF-16LE"},
        {"a text declaration, which is left out",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>" + sjis(text), "UTF-8", "Shift_JIS"},
    };
    for (const Case &c : cases) {
        const std::optional<DtdText::Decoded> decoded =
            DtdText::decode(c.bytes, c.documentEncoding);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_EQ(decoded->text, text) << c.name;
        EXPECT_EQ(decoded->encoding, QLatin1String(c.encoding)) << c.name;
    }
    // 0x80 is no character of UTF-8 or CP932.
    EXPECT_FALSE(DtdText::decode("<!ELEMENT a (#PCDATA)>\x80", "Shift_JIS"));
}

TEST_F(DtdValidationTest, ShiftJisDtdOfTheDiscValidatesItsDocument)
{
    const DtdValidator::Result result = validate(photoXml(), sjis(officialPhotoDtd()));
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::Folder);
    EXPECT_EQ(result.dtd.encoding, QStringLiteral("Shift_JIS"));
}

TEST_F(DtdValidationTest, InvalidContentIsReportedWithItsLine)
{
    // 写真タイトル is required in 撮影工種区分.
    const DtdValidator::Result result =
        validate(photoXml(QStringLiteral("PHOTO05.DTD"), QString()), sjis(officialPhotoDtd()));
    EXPECT_TRUE(result.wellFormed);
    EXPECT_FALSE(result.isValid());
    ASSERT_EQ(result.invalidCount, 1) << result.describe().toStdString();
    EXPECT_EQ(result.invalid.first().line, 7);
    EXPECT_TRUE(result.invalid.first().message.contains(QStringLiteral("撮影工種区分")));
}

TEST_F(DtdValidationTest, TheDtdIsFoundBesideTheDocumentOrHeldByUs)
{
    // Found as Windows finds it, whatever the case of its name.
    DtdValidator::Result result =
        validate(photoXml(), sjis(officialPhotoDtd()), QStringLiteral("photo05.dtd"));
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
    EXPECT_EQ(result.dtd.fileName, QStringLiteral("photo05.dtd"));

    // Only the name of a URL is taken, and looked for beside the document.
    result = validate(photoXml(QStringLiteral("http://example.invalid/dtd/PHOTO05.DTD")));
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::Folder);
}

TEST_F(DtdValidationTest, WithoutAUsableFileOurOfficialCopyValidates)
{
    DtdValidator::Result result = validate(photoXml());
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::Official);
    EXPECT_TRUE(result.dtd.folderProblem.isEmpty());

    result = validate(photoXml(), "<!ELEMENT photodata (基礎情報");
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::Official);
    EXPECT_TRUE(result.dtd.folderProblem.contains(QStringLiteral("PHOTO05.DTD")));
}

TEST_F(DtdValidationTest, DocumentsThatCannotBeValidatedSayWhy)
{
    // A DTD nobody holds: read, not validated.
    DtdValidator::Result result = validate(photoXml(QStringLiteral("INDE_D05.DTD")));
    EXPECT_TRUE(result.wellFormed);
    EXPECT_FALSE(result.isValid());
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::Missing);
    EXPECT_EQ(result.invalidCount, 0);

    // No DOCTYPE at all.
    QString xml = photoXml();
    xml.remove(QStringLiteral("<!DOCTYPE photodata SYSTEM \"PHOTO05.DTD\">\r\n"));
    result = validate(xml);
    EXPECT_TRUE(result.wellFormed);
    EXPECT_FALSE(result.isValid());
    EXPECT_EQ(result.dtd.origin, DtdSource::Origin::None);

    // Not well-formed: the line where it breaks.
    xml = photoXml();
    xml.replace(QStringLiteral("</撮影情報>"), QStringLiteral("</撮影>"));
    result = validate(xml, sjis(officialPhotoDtd()));
    EXPECT_FALSE(result.wellFormed);
    EXPECT_EQ(result.notWellFormed.line, 8);
    EXPECT_FALSE(result.isValid());

    EXPECT_FALSE(DtdValidator::validateFile(hostPath(QStringLiteral("none.xml"))).opened);
}
