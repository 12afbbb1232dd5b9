#include "programrun.h"
#include "workspacetest.h"

#include "albumlistfile.h"
#include "calssample.h"
#include "suitesample.h"

#include "platform/profile.h"
#include "platform/winpath.h"

#include <QDir>

// DeliveryWriter started by the host stand-in on generated suite data, a
// script walking one route each; the G_OUTPUTXML.dat left is compared byte
// for byte with the file the host application expects.
namespace {

class ExportProcessTest : public WorkspaceTest
{
protected:
    // Two bookshelves of two albums of the code, as the host keeps them.
    void writeSuite(int code)
    {
        SuiteSample sample;
        sample.root = hostPath(QStringLiteral("TesseraData"));
        sample.shelves = 2;
        sample.albums = 2;
        sample.photos = 2;
        sample.standardCode = code;
        sample.photoFiles = true;
        QString error;
        ASSERT_TRUE(sample.write(&error)) << error.toStdString();
    }

    // tessera-host export for bookshelf 0 on the script; its exit code.
    int exportRun(int code, const QByteArray &script)
    {
        return runScripted(programPath(QStringLiteral("tessera-host")),
                           {QStringLiteral("export"), winPath(QStringLiteral("TesseraData")),
                            QStringLiteral("--shelf"), QStringLiteral("0"),
                            QStringLiteral("--code"), QString::number(code)},
                           script, &m_output);
    }

    QByteArray outputSettings() const
    {
        return readHostFile(tempHostPath(QStringLiteral("G_OUTPUTXML.dat")));
    }

    static QByteArray golden(const char *name)
    {
        return testData(QStringLiteral("writer/%1").arg(QLatin1StringView(name)));
    }

    std::string output() const { return m_output.toStdString(); }


private:
    QByteArray m_output;
};

// The destination page's steps to a new folder D:\out, then Finish.
const QByteArray ToNewFolderAndFinish = "expect-page 136\n"
                                        "text 1014 D:\\out\n"
                                        "answer IDYES\n"
                                        "next\n"
                                        "expect-page 133\n"
                                        "finish\n";

} // namespace

TEST_F(ExportProcessTest, GovernmentBuildingCodeWritesTheFileNamingChoice)
{
    writeSuite(28);
    const struct
    {
        const char *choice;
        const char *golden;
    } runs[] = {
        {"", "outputxml-28-keep.dat"},
        {"click 1004\n", "outputxml-28-serial.dat"},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.golden);
        QDir(hostPath(QStringLiteral("out"))).removeRecursively();
        EXPECT_EQ(exportRun(28, "next\nexpect-page 129\n" + QByteArray(run.choice) + "next\n"
                                    + ToNewFolderAndFinish),
                  1)
            << output();
        EXPECT_EQ(outputSettings(), golden(run.golden));
        // The host prints what it is going to carry out.
        EXPECT_TRUE(QString::fromStdString(output()).contains(u"foldertype=28"));
    }
}

TEST_F(ExportProcessTest, SimpleOptionsCodeWritesStartMediaNamesXmlOnlyAndSplitSize)
{
    writeSuite(13);
    const int exitCode = exportRun(13, "next\nexpect-page 130\n"
                            "text 1110 3\nclick 1121\nclick 1054\n"
                            "next\nexpect-page 134\nnext\nexpect-page 135\nnext\n"
                            "expect-page 136\ntext 1014 D:\\out\ntext 1003 1200\n"
                            "answer IDYES\nnext\nexpect-page 133\nfinish\n");
    EXPECT_EQ(exitCode, 1) << output();
    EXPECT_EQ(outputSettings(), golden("outputxml-13.dat"));
}

TEST_F(ExportProcessTest, NexcoCodeCarriesTheApplicableStandardText)
{
    writeSuite(8);
    const int exitCode = exportRun(8, "next\nexpect-page 130\nnext\nexpect-page 134\nnext\n"
                           "expect-page 135\nnext\n" + ToNewFolderAndFinish);
    EXPECT_EQ(exitCode, 1) << output();
    EXPECT_EQ(outputSettings(), golden("outputxml-8.dat"));
}

TEST_F(ExportProcessTest, OtherDataCodeHasItsOptionsWrittenFirstByTheOptionsPage)
{
    writeSuite(25);
    const int exitCode = exportRun(25, "next\nexpect-page 131\nnext\nexpect-page 134\nnext\n"
                            "expect-page 135\nnext\n" + ToNewFolderAndFinish);
    EXPECT_EQ(exitCode, 1) << output();
    EXPECT_EQ(outputSettings(), golden("outputxml-25.dat"));
}

// --cals: the folder whose CALS.mdb DeliveryWriter probes is the one the
// host reads; with the other data ticked on the options page the delivery
// gets MEET, PLAN and OTHRS with their files.
TEST_F(ExportProcessTest, ChosenOtherDataIsExportedFromTheCalsFolder)
{
    writeSuite(25);
    const CalsSample cals{hostPath(QStringLiteral("cals")), winPath(QStringLiteral("cals")), 3};
    QString error;
    ASSERT_TRUE(cals.write(&error)) << error.toStdString();
    QByteArray printed;
    const int exitCode = runScripted(
        programPath(QStringLiteral("tessera-host")),
        {QStringLiteral("export"), winPath(QStringLiteral("TesseraData")), QStringLiteral("--shelf"),
         QStringLiteral("0"), QStringLiteral("--code"), QStringLiteral("25"),
         QStringLiteral("--cals"), winPath(QStringLiteral("cals"))},
        "next\nexpect-page 131\nclick 1225\nnext\nexpect-page 134\nnext\nexpect-page 135\nnext\n"
            + ToNewFolderAndFinish,
        &printed);
    EXPECT_EQ(exitCode, 1) << printed.toStdString();
    EXPECT_TRUE(printed.contains("othrsData=1")) << printed.toStdString();
    for (const char *file : {"out/MEET/MEET.XML", "out/MEET/ORG/MTG00101.PDF", "out/PLAN/PLAN.XML",
                             "out/PLAN/ORG/PLN00101.PDF", "out/OTHRS/OTHRS.XML",
                             "out/OTHRS/ORG001/OTH00001.TXT"})
        EXPECT_TRUE(QFile::exists(hostPath(QLatin1StringView(file)))) << file;
}

TEST_F(ExportProcessTest, AFileOfAnEarlierRunKeepsItsLinesBeforeTheNewBlock)
{
    writeSuite(28);
    // The host leaves G_ALBUMLIST.dat; the run is cancelled.
    ASSERT_EQ(exportRun(28, "expect-page 108\ncancel\n"), 0) << output();
    // DeliveryWriter itself, as a host that keeps the old file would start it.
    const QByteArray earlier = utf16le(QStringLiteral("[XMLOUT]\r\nfoldertype=4\r\n"));
    writeFile(QStringLiteral("temp/G_OUTPUTXML.dat"), earlier);
    const QString shelf = win::getPrivateProfileString(
        QStringLiteral("COMMON"), QStringLiteral("DataDir"), QString(), win::MaxPath,
        winPath(QStringLiteral("TesseraData\\data\\BKSPROF.DAT")));
    const QString zero = QStringLiteral("0");
    QByteArray printed;
    EXPECT_EQ(runScripted(programPath(QStringLiteral("DeliveryWriter")),
                          {shelf, zero, QStringLiteral("28"), zero, zero, QString(), QString(),
                           shelf, QString()},
                          "next\nexpect-page 129\nnext\n" + ToNewFolderAndFinish, &printed),
              1)
        << printed.toStdString();
    // The new block follows the old lines, in the one file's encoding.
    EXPECT_EQ(outputSettings(), earlier + golden("outputxml-28-keep.dat").mid(2));
}

TEST_F(ExportProcessTest, HostLeavesTheAlbumListTheAlbumPageReads)
{
    writeSuite(28);
    const auto hostRun = [this](QStringList arguments, const QByteArray &script = "cancel\n") {
        QByteArray printed;
        const int exitCode = runScripted(programPath(QStringLiteral("tessera-host")), arguments,
                                         script, &printed);
        return std::make_pair(exitCode, QString::fromUtf8(printed));
    };
    const QString root = winPath(QStringLiteral("TesseraData"));
    const QString shelf = QStringLiteral("--shelf");
    EXPECT_EQ(hostRun({QStringLiteral("export"), root, shelf, QStringLiteral("1"),
                       QStringLiteral("--code"), QStringLiteral("28"), QStringLiteral("--albums"),
                       QStringLiteral("2,1")},
                      "expect-page 108\ncancel\n")
                  .first,
              0);
    const writer::AlbumList list = writer::readAlbumList(tempWinPath() + QStringLiteral("G_ALBUMLIST.dat"));
    EXPECT_EQ(list.dataDir, root);
    EXPECT_EQ(list.selectedShelf, 1);
    EXPECT_EQ(list.albums, QList<qint32>({2, 1}));

    // Refused before any wizard starts.
    const QStringList refused[] = {
        {QStringLiteral("export"), root, QStringLiteral("--code"), QStringLiteral("28")},
        {QStringLiteral("export"), root, shelf, QStringLiteral("0"), QStringLiteral("--code"),
         QStringLiteral("x")},
        {QStringLiteral("export"), root, shelf, QStringLiteral("7"), QStringLiteral("--code"),
         QStringLiteral("28")},
        {QStringLiteral("import"), root},
    };
    for (const QStringList &arguments : refused)
        EXPECT_EQ(hostRun(arguments).first, 2) << arguments.join(u' ').toStdString();
    // The import wizard cancelled on its first page.
    EXPECT_EQ(hostRun({QStringLiteral("import"), root, shelf, QStringLiteral("0")},
                      "expect-page 137\ncancel\n")
                  .first,
              0);
}

TEST_F(ExportProcessTest, HandOverToOtherSoftwareWritesItsNumberAndTheFixedSize)
{
    writeSuite(25);
    // A program folder of its own with Cooperation.ini: program 0 serves
    // code 25 and is installed.
    const QString folder = copyProgramFolder(
        QStringLiteral("prog"), {QStringLiteral("tessera-host"), QStringLiteral("DeliveryWriter")});
    for (const char *list : {"unicode_list.dat", "NeedTransformation.dat"})
        QFile::copy(QStringLiteral(TESSERA_PROGRAM_DIR "/") + QLatin1StringView(list),
                    folder + u'/' + QLatin1StringView(list));
    writeFile(QStringLiteral("apps/app.exe"), "MZ");
    writeFile(QStringLiteral("prog/Cooperation.ini"),
              utf16le(QStringLiteral("[Cooperation]\r\nCount=1\r\n[Program0]\r\nName=納品支援\r\n"
                                     "Program=D:\\apps\\app.exe\r\nCodes=25\r\n")));
    QByteArray printed;
    const int exitCode = runScripted(
        folder + QStringLiteral("/tessera-host"),
        {QStringLiteral("export"), winPath(QStringLiteral("TesseraData")), QStringLiteral("--shelf"),
         QStringLiteral("0"), QStringLiteral("--code"), QStringLiteral("25")},
        "next\nexpect-page 131\nclick 1124\nnext\nexpect-page 134\nnext\nexpect-page 135\nnext\n"
            + ToNewFolderAndFinish,
        &printed);
    EXPECT_EQ(exitCode, 1) << printed.toStdString();
    const QString file = QString::fromUtf16(
        reinterpret_cast<const char16_t *>(outputSettings().constData() + 2),
        (outputSettings().size() - 2) / 2);
    EXPECT_TRUE(file.contains(u"\r\nsize=65536\r\n")) << file.toStdString();
    EXPECT_TRUE(file.contains(u"\r\nEXECCOOPERATIONHELP=0\r\n")) << file.toStdString();
    EXPECT_TRUE(file.contains(u"\r\nBROWSER=0\r\n")) << file.toStdString();
}

TEST_F(ExportProcessTest, EachCodeWalksItsPagesByScriptAndCancelExportsNothing)
{
    const struct
    {
        int code;
        const char *pages;
    } codes[] = {
        {28, "108 129 136 133"},
        {13, "108 130 134 135 136 133"},
        {72, "108 131 134 135 136 133"},
        {16, "108 131 134 135 136 133"},
    };
    for (const auto &code : codes) {
        SCOPED_TRACE(code.code);
        QDir(hostPath(QStringLiteral("TesseraData"))).removeRecursively();
        writeSuite(code.code);
        QByteArray script;
        const QList<QByteArray> pages = QByteArray(code.pages).split(' ');
        for (const QByteArray &page : pages) {
            script += "expect-page " + page + "\n";
            if (page == "136")
                script += "text 1014 D:\\out\nanswer IDYES\n";
            if (page != pages.last())
                script += "next\n";
        }
        script += "cancel\n";
        EXPECT_EQ(exportRun(code.code, script), 0) << output();
        // The host carries out nothing of a cancelled run.
        EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("out/INDEX_C.XML"))));
    }
}
