#include "netprof/namecoding.h"
#include "netprof/netprofile.h"
#include "suitesample.h"

#include "suitesampletest.h"

#include <QProcess>

// The built ShelfWarden as its own process, on generated suite data.
// Each test runs its own copy of the program folder, named after the test:
// the single-instance rule goes by the program's Windows path, and every
// test's workspace is drive D:, so parallel tests do not see each other.
class ShelfWardenProcessTest : public SuiteSampleTest
{
protected:
    ShelfWardenProcessTest() : SuiteSampleTest(3) {}

    void SetUp() override
    {
        SuiteSampleTest::SetUp();
        m_programFolder = QStringLiteral("prog-")
            + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        copyProgramFolder(m_programFolder, {QStringLiteral("ShelfWarden")});
    }

    void TearDown() override
    {
        for (QProcess *process : m_processes) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
            delete process;
        }
        SuiteSampleTest::TearDown();
    }

    // Starts the program with a log of its message boxes (and a script).
    QProcess *start(const QString &logName, const QString &scriptName = QString())
    {
        auto *process = new QProcess;
        m_processes.append(process);
        QProcessEnvironment environment = programEnvironment(scriptName, logName);
        environment.insert(QStringLiteral("TESSERA_SUITE_DATA"), winPath(QStringLiteral("suite")));
        environment.insert(QStringLiteral("TESSERA_REGISTRY"),
                           hostPath(QStringLiteral("suite/") + SuiteSample::RegistryFileName));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(hostPath(m_programFolder + QStringLiteral("/ShelfWarden")), {});
        EXPECT_TRUE(process->waitForStarted()) << process->errorString().toStdString();
        return process;
    }

    // Waits until the log holds the text or the process ends.
    bool waitForLog(const QString &logName, const QByteArray &text, QProcess *process)
    {
        for (int attempt = 0; attempt < 600; ++attempt) {
            if (readFile(logName).contains(text))
                return true;
            if (process->waitForFinished(100) || process->state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    QString m_programFolder;
    QList<QProcess *> m_processes;
};

TEST_F(ShelfWardenProcessTest, SecondInstanceEndsWithoutWarning)
{
    // The first instance stops at its start-up warning, nobody answering.
    QProcess *first = start(QStringLiteral("first.log"));
    ASSERT_TRUE(waitForLog(QStringLiteral("first.log"), "警告\twarning\t本機能は、", first));

    QProcess *second = start(QStringLiteral("second.log"));
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(readFile(QStringLiteral("second.log")), QByteArray());
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(ShelfWardenProcessTest, ScriptedRunClearsAUsingComputer)
{
    writeFile(QStringLiteral("run.script"),
              "# the start-up warning, the question and its confirmation\n"
              "answer IDOK\n"
              "answer IDYES\n"
              "answer IDOK\n"
              "shot D:\\temp\\own-group.png\n"
              "# GENBA-01, first of the sorted using list\n"
              "select 1009 0\n"
              "click 1004\n"
              "select 1010 1\n"
              "shot D:\\temp\\other-groups.png\n");
    QProcess *run = start(QStringLiteral("run.log"), QStringLiteral("run.script"));
    ASSERT_TRUE(run->waitForFinished(120000));
    EXPECT_EQ(run->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run->exitCode(), 0);

    const QList<QByteArray> log = readFile(QStringLiteral("run.log")).split('\n');
    ASSERT_EQ(log.size(), 4) << readFile(QStringLiteral("run.log")).toStdString();
    EXPECT_TRUE(log.at(0).startsWith("警告\twarning\t本機能は、\\n\\n　　システム障害"));
    EXPECT_EQ(log.at(1),
              "共有本棚の利用情報の初期化\tquestion\t共有本棚 2号 道路改良工事\\n"
              "使用中コンピュータ GENBA-01\\nの利用中の情報をクリアします。\\n\\nよろしいですか？");
    EXPECT_EQ(log.at(2), "共有本棚の利用情報の初期化\tnone\t利用情報の初期化を完了しました");
    EXPECT_EQ(log.at(3), QByteArray());

    // GENBA-01 left USED (the later entries moved down) and LOCK, whose
    // only entry it was; it stays registered in its group.
    const QString profile = winPath(QStringLiteral("suite\\shelves\\shelf02\\NetProf.dat"));
    const QStringList used = netprof::readSection(profile, netprof::UsedSection);
    EXPECT_EQ(used.mid(0, 4),
              (QStringList{netprof::EncodeName(QStringLiteral("設計室PC")), netprof::EncodeName(QStringLiteral("事務所")),
                           QStringLiteral("KOUMU-PC"), QString()}));
    const QByteArray bytes = readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat"));
    EXPECT_FALSE(bytes.contains("[LOCK]"));
    EXPECT_TRUE(bytes.contains("[USEDABM]"));
    EXPECT_TRUE(bytes.contains(netprof::EncodeName(QStringLiteral("GENBA-01")).toLatin1()));
    // The other bookshelf is untouched.
    EXPECT_TRUE(readFile(QStringLiteral("suite/shelves/shelf01/NetProf.dat")).contains("[LOCK]"));

    for (const QString &shot : {QStringLiteral("own-group.png"), QStringLiteral("other-groups.png")})
        EXPECT_TRUE(readHostFile(tempHostPath(shot)).startsWith("\x89PNG")) << shot.toStdString();
}
