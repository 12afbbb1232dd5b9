#include "workspacetest.h"

#include <QDir>
#include <QFile>

// The built DeliveryWriter as the host application starts it, with its
// message boxes logged: the refusals before the wizard.
namespace {

const QByteArray NotCooperating =
    "電子納品データ出力\twarning\tこのプログラムは、TesseraOrbisと連携したときのみ有効です。\n";

// The host's arguments (the first count of them, padded with "0"), for the
// bookshelf D:\本棚\工事 and code 25 unless another is given.
QStringList writerArguments(int count, int code = 25)
{
    const QStringList nine = {
        QStringLiteral("D:\\本棚\\工事"), QStringLiteral("0"), QString::number(code),
        QStringLiteral("0"), QStringLiteral("0"), QString(), QString(),
        QStringLiteral("D:\\本棚\\工事"), QString()};
    QStringList arguments = nine.mid(0, count);
    while (arguments.size() < count)
        arguments.append(QStringLiteral("0"));
    return arguments;
}

class DeliveryWriterProcessTest : public WorkspaceTest
{
protected:
    // The program with its libraries but without the one named, in a
    // folder of its own.
    QString programWithout(const QString &library) const
    {
        return copyProgramFolder(QStringLiteral("prog"), {QStringLiteral("DeliveryWriter")},
                                 {library});
    }

    int run(const QStringList &arguments,
            const QString &programFolder = QStringLiteral(TESSERA_PROGRAM_DIR),
            const QByteArray &script = "# nothing to do\n")
    {
        return runScripted(programFolder + QStringLiteral("/DeliveryWriter"), arguments, script,
                           &m_output);
    }

    QByteArray takeLog()
    {
        const QByteArray log = readFile(QStringLiteral("ui.log"));
        QFile::remove(hostPath(QStringLiteral("ui.log")));
        return log;
    }

    std::string output() const { return m_output.toStdString(); }

private:
    QByteArray m_output;
};

} // namespace

TEST_F(DeliveryWriterProcessTest, RefusesAnyOtherArgumentCountBeforeLoadingALibrary)
{
    // Without worksdata beside it, a program that tried to load it would
    // say so.
    const QString program = programWithout(QStringLiteral("libworksdata.so"));
    for (int count : {0, 8, 10}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(run(writerArguments(count), program), 0) << output();
        EXPECT_EQ(takeLog(), NotCooperating);
    }
}

TEST_F(DeliveryWriterProcessTest, AMissingSuiteLibraryIsNamedAndEndsTheRun)
{
    const struct
    {
        const char *file;
        QByteArray message;
    } libraries[] = {
        {"libworksdata.so", "電子納品データ出力\twarning\tworksdata.dllがロードできません。\n"},
        {"libsuitecommon.so",
         "電子納品データ出力\twarning\tsuitecommon.DLLがロードできません。\n"},
    };
    for (const auto &library : libraries) {
        SCOPED_TRACE(library.file);
        const QString program = programWithout(QString::fromLatin1(library.file));
        EXPECT_EQ(run(writerArguments(9), program), 0) << output();
        EXPECT_EQ(takeLog(), library.message);
        QDir(program).removeRecursively();
    }
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("G_OUTPUTXML.dat"))));
}

TEST_F(DeliveryWriterProcessTest, OnlyTheCodesThatAskForItProbeCalsMdbAtStartUp)
{
    // A CALS.mdb that is no database: the probe reports it, and Cancel on
    // the album page then ends the run without a settings file.
    makeFolder(QStringLiteral("本棚/工事"));
    writeFile(QStringLiteral("本棚/工事/CALS.mdb"), "no database");
    const QByteArray brokenReport = "電子納品データ出力\twarning\t"
                                    "ファイル(D:\\本棚\\工事\\CALS.mdb)はデータベースではありません。\n";
    const struct
    {
        int code;
        QByteArray log;
    } codes[] = {{25, brokenReport}, {81, QByteArray()}};
    for (const auto &code : codes) {
        SCOPED_TRACE(code.code);
        EXPECT_EQ(run(writerArguments(9, code.code), QStringLiteral(TESSERA_PROGRAM_DIR),
                      "expect-page 108\ncancel\n"),
                  0)
            << output();
        EXPECT_EQ(takeLog(), code.log);
    }
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("G_OUTPUTXML.dat"))));
}
