// The XML stream under the delivery readers: encodings as Windows writes
// them, and files that try to reach beyond themselves.
#include "photoxmlreader.h"
#include "xmlstream.h"
#include "workspacetest.h"

#include <QFile>

namespace {

struct ReadResult
{
    bool ok = false;
    QList<PhotoRecord> photos;
};

ReadResult readPhotos(const QByteArray &xml)
{
    ReadResult result;
    const std::unique_ptr<XmlStream> stream = XmlStream::fromMemory(xml);
    if (!stream)
        return result;
    PhotoXmlReader reader(*stream);
    result.ok = reader.read([&](const PhotoRecord &record) {
        result.photos.append(record);
        return true;
    });
    return result;
}

QByteArray photoWithTitle(const QByteArray &doctype, const QByteArray &title)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype
        + "\n<photodata><写真情報><写真ファイル情報><シリアル番号>1</シリアル番号></"
          "写真ファイル情報>"
          "<撮影工種区分><写真タイトル>"
        + title + "</写真タイトル></撮影工種区分></写真情報></photodata>";
}

QString titleOf(const ReadResult &result)
{
    return result.photos.isEmpty()
        ? QString()
        : QString::fromStdString(result.photos.first()[PhotoRecord::Title]);
}

class XmlStreamTest : public WorkspaceTest
{
};

} // namespace

TEST(XmlStreamEncodingTest, ShiftJisIsReadAsCp932)
{
    EXPECT_EQ(XmlStream::forcedEncoding("<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>"),
              "CP932");
    EXPECT_EQ(XmlStream::forcedEncoding("<?xml version='1.0' encoding='sjis'?>"), "CP932");
    EXPECT_EQ(XmlStream::forcedEncoding("<?xml version=\"1.0\" encoding=\"windows-31j\"?>"),
              "CP932");
    EXPECT_EQ(XmlStream::forcedEncoding("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), "");
    EXPECT_EQ(XmlStream::forcedEncoding("<photodata encoding=\"Shift_JIS\">"), "");

    // ① (NEC row 13) and half-width katakana exist in CP932 only.
    const QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<photodata>"
        "<\x8E\xCA\x90\x5E\x8F\xEE\x95\xF1><\x8E\x42\x89\x65\x8D\x48\x8E\xED"
        "\x8B\xE6\x95\xAA><\x8E\xCA\x90\x5E\x83\x5E\x83\x43\x83\x67\x83\x8B>"
        "\x87\x40\xB8\xDA\xB0\xDD</\x8E\xCA\x90\x5E\x83\x5E\x83\x43\x83\x67\x83\x8B>"
        "</\x8E\x42\x89\x65\x8D\x48\x8E\xED\x8B\xE6\x95\xAA></\x8E\xCA\x90\x5E"
        "\x8F\xEE\x95\xF1></photodata>";
    const ReadResult result = readPhotos(xml);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(titleOf(result), QStringLiteral("①ｸﾚｰﾝ"));
}

TEST(XmlStreamEncodingTest, MalformedDocumentsFail)
{
    EXPECT_FALSE(readPhotos("").ok);
    EXPECT_FALSE(readPhotos("<photodata><写真情報>").ok);
    EXPECT_FALSE(readPhotos("<constdata/>").ok);
    // Bytes that are no Shift_JIS character.
    EXPECT_FALSE(
        readPhotos("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><photodata>\x81</photodata>").ok);
    EXPECT_TRUE(readPhotos("<photodata/>").ok);
}

TEST_F(XmlStreamTest, ExternalEntitiesAreNeverLoaded)
{
    writeFile(QStringLiteral("secret.txt"), "TOPSECRET");
    const QByteArray url = "file://" + QFile::encodeName(hostPath(QStringLiteral("secret.txt")));
    const ReadResult general = readPhotos(photoWithTitle(
        "<!DOCTYPE photodata [<!ENTITY secret SYSTEM \"" + url + "\">]>", "a&secret;b"));
    EXPECT_FALSE(titleOf(general).contains(QStringLiteral("TOPSECRET")));

    writeFile(QStringLiteral("evil.dtd"), "<!ENTITY title \"TOPSECRET\">");
    const QByteArray dtdUrl = "file://" + QFile::encodeName(hostPath(QStringLiteral("evil.dtd")));
    const ReadResult external =
        readPhotos(photoWithTitle("<!DOCTYPE photodata SYSTEM \"" + dtdUrl + "\">", "&title;"));
    EXPECT_FALSE(titleOf(external).contains(QStringLiteral("TOPSECRET")));
}

TEST(XmlStreamSafetyTest, EntityExpansionStaysSmall)
{
    QByteArray doctype = "<!DOCTYPE photodata [<!ENTITY e0 \"lol\">";
    for (int level = 1; level <= 12; ++level) {
        doctype += "<!ENTITY e" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            doctype += "&e" + QByteArray::number(level - 1) + ";";
        doctype += "\">";
    }
    doctype += "]>";
    // Expanded, the title would be 3 * 10^12 characters.
    const ReadResult result = readPhotos(photoWithTitle(doctype, "&e12;"));
    EXPECT_LT(titleOf(result).size(), 1000);
}

TEST(XmlStreamSafetyTest, PredefinedEntitiesAndCharacterReferencesAreText)
{
    const ReadResult result = readPhotos(photoWithTitle("", "A&amp;B &#x5199;&#30495; &lt;1&gt;"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(titleOf(result), QStringLiteral("A&B 写真 <1>"));
}
