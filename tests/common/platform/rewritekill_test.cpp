#include "platform/codepage.h"
#include "rewritecontent.h"

#include "workspacetest.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace {

constexpr int Kills = 300;
constexpr int LongestRunMs = 25;

const char ProfileHead[] = "; kept\r\n[S]\r\ngen=";
const char ProfileTail[] = "\r\nkeep=1\r\n";

QByteArray profileBytes(int generation)
{
    return ProfileHead + win::toAnsi(rewrite::profileValue(generation)) + ProfileTail;
}

QByteArray settingsBytes(int generation)
{
    return utf16le(rewrite::settingsLines(generation).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The generation a file's bytes are exactly, or -1 for any mixture.
int profileGeneration(const QByteArray &bytes)
{
    const qsizetype start = qstrlen(ProfileHead);
    const int generation = bytes.mid(start, bytes.indexOf('.', start) - start).toInt();
    return bytes == profileBytes(generation) ? generation : -1;
}

int settingsGeneration(const QByteArray &bytes)
{
    const QStringList lines = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                                 (bytes.size() - 2) / 2)
                                  .split(QStringLiteral("\r\n"));
    if (lines.size() < 2)
        return -1;
    const int generation = lines.at(1).mid(4).toInt();
    return bytes == settingsBytes(generation) ? generation : -1;
}

class RewriteKillTest : public WorkspaceTest
{
};

} // namespace

// A process killed at any moment of rewriting a profile and a settings file
// leaves each of them as it was or as it was to be, never half of each.
TEST_F(RewriteKillTest, KilledWriterLeavesOldOrNewFiles)
{
    writeFile(QStringLiteral("p.ini"), profileBytes(0));
    writeFile(QStringLiteral("s.dat"), settingsBytes(0));
    int profileWrites = 0;
    int settingsWrites = 0;
    int lastProfile = 0;
    int lastSettings = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess writer;
        writer.setProcessEnvironment(programEnvironment());
        writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/platform_helper"),
                     {QStringLiteral("rewrite"), winPath(QStringLiteral("p.ini")), winPath(QStringLiteral("s.dat"))});
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << "the writer never started";
        QThread::usleep(QRandomGenerator::global()->bounded(LongestRunMs * 1000));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped before the kill";

        const int profile = profileGeneration(readFile(QStringLiteral("p.ini")));
        const int settings = settingsGeneration(readFile(QStringLiteral("s.dat")));
        ASSERT_GE(profile, lastProfile) << "profile half-written after kill " << kill;
        ASSERT_GE(settings, lastSettings) << "settings file half-written after kill " << kill;
        profileWrites += profile - lastProfile;
        settingsWrites += settings - lastSettings;
        lastProfile = profile;
        lastSettings = settings;
    }
    // Kills that never found a write going on would prove nothing.
    EXPECT_GT(profileWrites, Kills / 10);
    EXPECT_GT(settingsWrites, Kills / 10);
}
