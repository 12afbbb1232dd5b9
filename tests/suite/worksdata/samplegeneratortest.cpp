// tessera-sample: deterministic deliveries and government-building trees
// that look to the reader as real ones do.
#include "worksdatatest.h"

#include "deliverygenerator.h"
#include "eizengenerator.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace {

// Relative path and content hash of every file below a host folder.
QStringList treeDigest(const QString &folder)
{
    QStringList digest;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
        digest.append(path.mid(folder.size()) + u' ' + QString::fromLatin1(hash.toHex()));
    }
    digest.sort();
    return digest;
}

bool isPhoto(const QString &name)
{
    const QString extension = name.section(u'.', -1).toLower();
    return name.contains(u'.')
        && (extension == u"jpg" || extension == u"jpe" || extension == u"jpeg");
}

int runSample(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TESSERA_PROGRAM_DIR "/tessera-sample"), arguments);
    if (!process.waitForFinished())
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class SampleGeneratorTest : public WorksdataTest
{
};

} // namespace

TEST_F(SampleGeneratorTest, SameArgumentsGiveTheSameBytes)
{
    const DeliveryOptions options {40, DeliveryOptions::Standard::Nexco2006,
                                   DeliveryOptions::Encoding::ShiftJis};
    generateDelivery(QStringLiteral("one"), options);
    generateDelivery(QStringLiteral("two"), options);
    const QStringList delivery = treeDigest(hostPath(QStringLiteral("one")));
    EXPECT_EQ(delivery.size(),
              40 + 4 + treeDigest(hostPath(QStringLiteral("one/PHOTO/DRA"))).size());
    EXPECT_EQ(delivery, treeDigest(hostPath(QStringLiteral("two"))));

    ASSERT_TRUE(EizenGenerator({50, 7}).generate(hostPath(QStringLiteral("e1"))));
    ASSERT_TRUE(EizenGenerator({50, 7}).generate(hostPath(QStringLiteral("e2"))));
    EXPECT_EQ(treeDigest(hostPath(QStringLiteral("e1"))),
              treeDigest(hostPath(QStringLiteral("e2"))));

    // A folder that holds something is never written into.
    DeliveryGenerator again(options);
    EXPECT_FALSE(again.generate(hostPath(QStringLiteral("one"))));
}

TEST_F(SampleGeneratorTest, GovernmentBuildingTreeLooksAsTheReaderExpects)
{
    const int photos = 300;
    ASSERT_TRUE(EizenGenerator({photos, 7}).generate(hostPath(QStringLiteral("庁舎改修工事"))));
    const QString root = hostPath(QStringLiteral("庁舎改修工事"));

    // Directly in the construction folder: folders and a .txt only.
    const QStringList rootFiles = QDir(root).entryList(QDir::Files);
    for (const QString &name : rootFiles)
        EXPECT_TRUE(name.endsWith(QStringLiteral(".txt"))) << name.toStdString();
    EXPECT_EQ(library().getPlanFlag(winPath(QStringLiteral("庁舎改修工事"))), 0);
    EXPECT_EQ(library().checkPhotoFolder(winPath(QStringLiteral("庁舎改修工事"))), 0);

    int counted = 0;
    int deepest = 0;
    QSet<QString> extensions;
    QStringList others;
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = files.fileName();
        deepest = qMax(deepest, int(path.mid(root.size()).count(u'/')) - 1);
        if (isPhoto(name)) {
            ++counted;
            extensions.insert(name.section(u'.', -1));
        } else {
            others.append(name.section(u'.', 1));
        }
        EXPECT_FALSE(name.endsWith(QStringLiteral(".XML"), Qt::CaseInsensitive));
        EXPECT_FALSE(name.endsWith(QStringLiteral(".DTD"), Qt::CaseInsensitive));
    }
    EXPECT_EQ(counted, photos);
    EXPECT_EQ(deepest, 7);
    EXPECT_TRUE(extensions.contains(QStringLiteral("JPG")));
    EXPECT_TRUE(extensions.contains(QStringLiteral("jpe")));
    EXPECT_TRUE(extensions.contains(QStringLiteral("jpeg")));
    EXPECT_TRUE(others.contains(QStringLiteral("tif")));
    EXPECT_TRUE(others.contains(QStringLiteral("jpg.bak")));
    EXPECT_TRUE(others.contains(QStringLiteral("txt")));
}

TEST_F(SampleGeneratorTest, CommandLineMakesBothKindsAndRefusesBadArguments)
{
    EXPECT_EQ(runSample({QStringLiteral("delivery"), hostPath(QStringLiteral("d")),
                         QStringLiteral("--photos"), QStringLiteral("5"),
                         QStringLiteral("--standard"), QStringLiteral("nexco24"),
                         QStringLiteral("--encoding"), QStringLiteral("utf8")}),
              0);
    EXPECT_TRUE(readFile(QStringLiteral("d/PHOTO/PHOTO.XML"))
                    .startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_FALSE(readFile(QStringLiteral("d/PHOTO/PHOTO04N.DTD")).isEmpty());
    EXPECT_EQ(runSample({QStringLiteral("eizen"), hostPath(QStringLiteral("e")),
                         QStringLiteral("--photos"), QStringLiteral("5"), QStringLiteral("--depth"),
                         QStringLiteral("3")}),
              0);
    EXPECT_TRUE(QDir(hostPath(QStringLiteral("e"))).exists());

    EXPECT_EQ(runSample({}), 2);
    EXPECT_EQ(runSample({QStringLiteral("delivery"), hostPath(QStringLiteral("x"))}), 2);
    EXPECT_EQ(runSample({QStringLiteral("delivery"), hostPath(QStringLiteral("x")),
                         QStringLiteral("--photos"), QStringLiteral("-1")}),
              2);
    EXPECT_EQ(runSample({QStringLiteral("delivery"), hostPath(QStringLiteral("x")),
                         QStringLiteral("--photos"), QStringLiteral("1"),
                         QStringLiteral("--standard"), QStringLiteral("jis")}),
              2);
    EXPECT_EQ(runSample({QStringLiteral("eizen"), hostPath(QStringLiteral("x")),
                         QStringLiteral("--photos"), QStringLiteral("1"), QStringLiteral("--depth"),
                         QStringLiteral("0")}),
              2);
    EXPECT_FALSE(QDir(hostPath(QStringLiteral("x"))).exists());
}
