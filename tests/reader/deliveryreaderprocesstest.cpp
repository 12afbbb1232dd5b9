#include "deliverygenerator.h"
#include "deliveryreaderlaunch.h"

#include "workspacetest.h"

#include <QFile>

// The built DeliveryReader as the host application starts it, driven by
// scripts, with its message boxes logged.
namespace {

const QByteArray NotCooperating =
    "電子納品データ入力ウィザード\twarning\tこのプログラムは、TesseraOrbisと連携したときのみ有効です。\n";
const QByteArray WorksdataNotLoaded =
    "電子納品データ入力ウィザード\twarning\tworksdata.dllがロードできません。\n";

class DeliveryReaderProcessTest : public WorkspaceTest
{
protected:
    // The program with its libraries but without worksdata, in a folder of
    // its own.
    QString programWithoutWorksdata() const
    {
        return copyProgramFolder(QStringLiteral("prog"), {QStringLiteral("DeliveryReader")},
                                 {QStringLiteral("libworksdata.so")});
    }

    // Runs the program to its end on the script; its exit code.
    int run(const QStringList &arguments, const QByteArray &script,
            const QString &programFolder = QStringLiteral(TESSERA_PROGRAM_DIR))
    {
        return runScripted(programFolder + QStringLiteral("/DeliveryReader"), arguments, script,
                           &m_output);
    }

    QByteArray takeLog()
    {
        const QByteArray log = readFile(QStringLiteral("ui.log"));
        QFile::remove(hostPath(QStringLiteral("ui.log")));
        return log;
    }

    bool settingsFileWritten() const
    {
        return QFile::exists(tempHostPath(QStringLiteral("G_INPUTXML.dat")));
    }

    void generateDelivery(const QString &relative)
    {
        DeliveryOptions options;
        options.photos = 4;
        DeliveryGenerator generator(options);
        ASSERT_TRUE(generator.generate(hostPath(relative))) << generator.errorText().toStdString();
    }

    // Output of the last run, for failure messages.
    std::string output() const { return m_output.toStdString(); }

    // To the import mode page of a generated delivery.
    static QByteArray toImportMode()
    {
        return "text 1001 D:\\納品\\工事Ａ\n"
               "next\nexpect-page 130\n"
               "next\nexpect-page 136\n"
               "next\nexpect-page 134\n"
               "next\nexpect-page 133\n";
    }

private:
    QByteArray m_output;
};

} // namespace

TEST_F(DeliveryReaderProcessTest, RefusesAnyOtherArgumentCountBeforeLoadingWorksdata)
{
    // Without worksdata beside it, a program that tried to load it would
    // say so.
    const QString program = programWithoutWorksdata();
    const QList<QStringList> commandLines = {
        {}, {QStringLiteral("D:\\a"), QStringLiteral("0")},
        {QStringLiteral("D:\\a"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}};
    for (const QStringList &arguments : commandLines) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(run(arguments, "# nothing to do\n", program), 0) << output();
        EXPECT_EQ(takeLog(), NotCooperating);
    }
    EXPECT_FALSE(settingsFileWritten());
}

TEST_F(DeliveryReaderProcessTest, MissingWorksdataEndsTheRun)
{
    EXPECT_EQ(run(deliveryReaderArguments(), "next\n", programWithoutWorksdata()), 0) << output();
    EXPECT_EQ(takeLog(), WorksdataNotLoaded);
    EXPECT_FALSE(settingsFileWritten());
}

TEST_F(DeliveryReaderProcessTest, CancelWritesNoSettingsFile)
{
    generateDelivery(QStringLiteral("納品/工事Ａ"));
    EXPECT_EQ(run(deliveryReaderArguments(),
                  "text 1001 D:\\納品\\工事Ａ\nnext\nexpect-page 130\ncancel\n"),
              0)
        << output();
    EXPECT_EQ(takeLog(), QByteArray());
    EXPECT_FALSE(settingsFileWritten());
}

TEST_F(DeliveryReaderProcessTest, StandardRouteWithItsDefaults)
{
    generateDelivery(QStringLiteral("納品/工事Ａ"));
    const QByteArray script = "text 1001 D:\\納品\\工事Ａ\n"
                              "shot D:\\temp\\137.png\n"
                              "next\nexpect-page 130\nshot D:\\temp\\130.png\n"
                              "next\nexpect-page 136\n"
                              "next\nexpect-page 134\nshot D:\\temp\\134.png\n"
                              "next\nexpect-page 133\nshot D:\\temp\\133.png\n"
                              "next\nexpect-page 141\nshot D:\\temp\\141.png\n"
                              "finish\n";
    EXPECT_EQ(run(deliveryReaderArguments(), script), 1) << output();
    EXPECT_EQ(takeLog(), QByteArray());
    EXPECT_EQ(readFile(QStringLiteral("temp/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/standard_new_proposed.dat")));
    for (const char *shot : {"137", "130", "134", "133", "141"})
        EXPECT_TRUE(readFile(QStringLiteral("temp/%1.png").arg(QLatin1String(shot))).startsWith("\x89PNG"))
            << shot;
}

TEST_F(DeliveryReaderProcessTest, ShelfNumberArgumentNamesTheProposedFolder)
{
    // The proposal typed back is no new folder: nothing is asked, and the
    // folder is left to the host.
    generateDelivery(QStringLiteral("納品/工事Ａ"));
    const QByteArray script = toImportMode() + "text 1001 D:\\本棚\\data3\n"
                                               "next\nexpect-page 141\nfinish\n";
    EXPECT_EQ(run(deliveryReaderArguments(QStringLiteral("3rd")), script), 1) << output();
    EXPECT_EQ(takeLog(), QByteArray());
    EXPECT_EQ(readFile(QStringLiteral("temp/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/standard_new_proposed.dat")));
}

TEST_F(DeliveryReaderProcessTest, NoNewShelfArgumentKeepsReferenceOnly)
{
    generateDelivery(QStringLiteral("納品/工事Ａ"));
    const QByteArray script = toImportMode() + "click 1010\nclick 1009\n"
                                               "next\nexpect-page 141\nfinish\n";
    EXPECT_EQ(run(deliveryReaderArguments(QStringLiteral("0"), QStringLiteral("1")), script), 1)
        << output();
    EXPECT_EQ(readFile(QStringLiteral("temp/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/standard_refer_only.dat")));
}
