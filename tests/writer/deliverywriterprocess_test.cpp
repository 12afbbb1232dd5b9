#include "workspacetest.h"

#include <QDir>
#include <QFile>

// The built DeliveryWriter as the host application starts it, with its
// message boxes logged: the refusals before the wizard.
namespace {

const QByteArray NotCooperating =
    "電子納品データ出力\twarning\tこのプログラムは、TesseraOrbisと連携したときのみ有効です。\n";

QStringList writerArguments(int count)
{
    const QStringList nine = {
        QStringLiteral("D:\\本棚\\工事"), QStringLiteral("0"), QStringLiteral("25"),
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

    int run(const QStringList &arguments, const QString &programFolder)
    {
        return runScripted(programFolder + QStringLiteral("/DeliveryWriter"), arguments,
                           "# nothing to do\n", &m_output);
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
