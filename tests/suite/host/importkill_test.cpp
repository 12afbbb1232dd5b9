// tessera-host's carrying out of an import killed at random moments: the
// suite's data is then, once the next import has taken away what the kill
// left, the old state or the whole new bookshelf, never a mixture; and the
// next import goes through.
#include "importworkspace.h"

#include "shelfstaging.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

namespace {

constexpr int KillsPerRoute = 150;
// Every so many kills that left the old state, the next import runs on what
// the kill left, to its end.
constexpr int FollowEvery = 10;
constexpr int WaitMs = 30000;

struct KillRoute
{
    const char *name;
    const char16_t *shelfFolder; // below D:, empty for the proposed one
};

const KillRoute KillRoutes[] = {
    {"proposed", u""},
    {"elsewhere", u"shelves\\new"},
};

class ImportKillTest : public ImportWorkspace, public ::testing::WithParamInterface<KillRoute>
{
protected:
    // Runs the import to its end: its exit code, and the time it took from
    // its start in microseconds.
    int runToEnd(qint64 *microseconds = nullptr) const
    {
        QProcess helper;
        startHelper(&helper);
        EXPECT_TRUE(helper.waitForReadyRead(WaitMs));
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(helper.waitForFinished(WaitMs));
        if (microseconds)
            *microseconds = timer.nsecsElapsed() / 1000;
        return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    }
};

} // namespace

TEST_P(ImportKillTest, KilledImportLeavesTheOldStateOrTheWholeBookshelf)
{
    const QString shelfFolder = QString::fromUtf16(GetParam().shelfFolder);
    writeInputSettings(shelfFolder.isEmpty() ? QString() : winPath(shelfFolder));
    const FolderTree old = suiteTree();
    qint64 runMicroseconds = 0;
    ASSERT_EQ(runToEnd(&runMicroseconds), 0);
    const FolderTree whole = suiteTree();
    ASSERT_NE(whole, old);

    int halfDone = 0;
    int followed = 0;
    for (int kill = 0; kill < KillsPerRoute; ++kill) {
        restoreSuiteTree(old);
        QProcess helper;
        startHelper(&helper);
        ASSERT_TRUE(helper.waitForReadyRead(WaitMs)) << "the import never started";
        QThread::usleep(QRandomGenerator::global()->bounded(runMicroseconds + runMicroseconds / 10));
        helper.kill();
        ASSERT_TRUE(helper.waitForFinished(WaitMs));

        const FolderTree left = suiteTree();
        if (left != old && left != whole)
            ++halfDone;
        host::recoverInterruptedImports(hostPath(QStringLiteral("suite")));
        const FolderTree recovered = suiteTree();
        ASSERT_TRUE(recovered == old || recovered == whole)
            << "after kill " << kill << ":\n" << treeDifference(whole, recovered);
        if (recovered == old && kill % FollowEvery == 0) {
            restoreSuiteTree(left);
            ASSERT_EQ(runToEnd(), 0) << "the import after kill " << kill;
            EXPECT_EQ(suiteTree(), whole) << treeDifference(whole, suiteTree());
            ++followed;
        }
    }
    // Kills that never found an import half-done would prove nothing.
    EXPECT_GT(halfDone, KillsPerRoute / 10);
    EXPECT_GT(followed, 0);
}

INSTANTIATE_TEST_SUITE_P(Routes, ImportKillTest, ::testing::ValuesIn(KillRoutes),
                         [](const ::testing::TestParamInfo<KillRoute> &info) {
                             return std::string(info.param.name);
                         });
