// The host's carrying out of G_INPUTXML.dat as a process: its summary line
// counts what it copied, and reference only touches nothing.
#include "importworkspace.h"

#include "hostmessages.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

class ImportRunTest : public ImportWorkspace
{
protected:
    int run(QString *output) const
    {
        QProcess helper;
        startHelper(&helper);
        EXPECT_TRUE(helper.waitForFinished(30000));
        // What the import printed after the helper's mark.
        *output = QString::fromUtf8(helper.readAllStandardOutput()).section(u'\n', 1);
        return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    }
};

} // namespace

TEST_F(ImportRunTest, SummaryLineCountsThePhotosAlbumsAndBytesCopied)
{
    qint64 bytes = 0;
    for (const QString &photo : deliveryPhotos())
        bytes += QFileInfo(hostPath(QStringLiteral("delivery/PHOTO/PIC/") + photo)).size();
    QString output;
    ASSERT_EQ(run(&output), 0);
    // 6 photos by 4: two albums, into the proposed folder data1.
    const QString expected = host::messages::ImportSummary.arg(
        QString::number(DeliveryPhotos), QStringLiteral("2"), QString::number(bytes),
        QStringLiteral("(?:\\d+\\.\\d\\d)"), QStringLiteral("1"),
        winPath(QStringLiteral("suite\\data1")).replace(u'\\', QStringLiteral("\\\\")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^") + expected + QStringLiteral("\n$"))
                    .match(output)
                    .hasMatch())
        << output.toStdString();
}

TEST_F(ImportRunTest, ReferenceOnlyLeavesTheSuiteDataAlone)
{
    QByteArray settings = readFile(QStringLiteral("temp/G_INPUTXML.dat"));
    settings.replace(utf16le(QStringLiteral("importmode=1"), false),
                     utf16le(QStringLiteral("importmode=2"), false));
    writeFile(QStringLiteral("temp/G_INPUTXML.dat"), settings);
    const FolderTree before = suiteTree();
    QString output;
    ASSERT_EQ(run(&output), 0);
    EXPECT_EQ(output, host::messages::ReferenceOnly.arg(winPath(QStringLiteral("delivery")),
                                                        QString::number(DeliveryPhotos))
                          + u'\n');
    EXPECT_EQ(suiteTree(), before);
}
