#include "computerremoval.h"
#include "sectioncompaction.h"

#include "netprof/netprofile.h"
#include "platform/profile.h"

#include "workspacetest.h"

#include <QFile>

using namespace shelfwarden;

// The same removals on a CP932 and on a UTF-16 profile, checked byte for
// byte after each step: the middle of three USED entries, a LOCK whose only
// entry goes, upper-case digits of another writer, a plain USER name, and a
// USED left empty; VERSION and SERIALNO stay as they are.
class NetProfRemoval : public WorkspaceTest, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        const QByteArray input = testData(QStringLiteral("shelfwarden/") + fileName("input"));
        ASSERT_FALSE(input.isEmpty());
        writeFile(QStringLiteral("shelf/NetProf.dat"), input);
    }

    QString fileName(const char *step) const
    {
        return QStringLiteral("netprof-%1-%2.dat")
            .arg(QLatin1String(step), QLatin1String(GetParam()));
    }

    void expectStep(const char *step)
    {
        EXPECT_EQ(readFile(QStringLiteral("shelf/NetProf.dat")),
                  testData(QStringLiteral("shelfwarden/") + fileName(step)))
            << fileName(step).toStdString();
    }

    QString profile() const { return winPath(QStringLiteral("shelf\\NetProf.dat")); }
};

TEST_P(NetProfRemoval, RemovesStepByStep)
{
    RemoveComputer(profile(), QStringLiteral("GENBA-01"), false);
    expectStep("step1");

    RemoveComputer(profile(), QStringLiteral("設計室PC"), true);
    expectStep("step2");

    RemoveComputer(profile(), QStringLiteral("事務所"), false);
    RemoveComputer(profile(), QStringLiteral("工務課"), true);
    expectStep("step3");
}

TEST_P(NetProfRemoval, UnknownComputerOnlyClosesGaps)
{
    RemoveComputer(profile(), QStringLiteral("NOBODY"), true);
    const QStringList used = netprof::readSection(profile(), QStringLiteral("USED"));
    EXPECT_EQ(used.mid(0, 5), (QStringList{QStringLiteral("90dd8c768eba5043"),
                                           QStringLiteral("47454e42412d3031"),
                                           QStringLiteral("8e9696b18f8a"), QStringLiteral("工務課"),
                                           QString()}));
    const QStringList usedAlbums = netprof::readSection(profile(), QStringLiteral("USEDABM"));
    EXPECT_EQ(usedAlbums.mid(0, 3), (QStringList{QStringLiteral("47454e42412d3031"),
                                                 QStringLiteral("90DD8C768EBA5043"), QString()}));
    EXPECT_TRUE(netprof::sectionHasValues(profile(), QStringLiteral("LOCK")));
}

INSTANTIATE_TEST_SUITE_P(Encodings, NetProfRemoval, ::testing::Values("cp932", "utf16"));

class SectionCompactionTest : public WorkspaceTest
{
protected:
    QString profile() const { return winPath(QStringLiteral("NetProf.dat")); }
    QString value(int key) const { return netprof::readValue(profile(), QStringLiteral("USED"), key); }
    static bool isTarget(const QString &value) { return value == QLatin1String("dead"); }
};

TEST_F(SectionCompactionTest, NeverOverwritesWhatAnotherComputerWroteMeanwhile)
{
    writeFile(QStringLiteral("NetProf.dat"), "[USED]\r\n0=dead\r\n1=b\r\n3=c\r\n4=d\r\n5=e\r\n");
    const SectionCompaction compaction(profile(), QStringLiteral("USED"));
    const QStringList snapshot = compaction.read();

    // Between the reading and the writing another computer takes key 0,
    // removes key 4 and changes key 5.
    ASSERT_TRUE(win::writePrivateProfileString(QStringLiteral("USED"), QStringLiteral("0"),
                                               QStringLiteral("new"), profile()));
    ASSERT_TRUE(win::deletePrivateProfileKey(QStringLiteral("USED"), QStringLiteral("4"),
                                             profile()));
    ASSERT_TRUE(win::writePrivateProfileString(QStringLiteral("USED"), QStringLiteral("5"),
                                               QStringLiteral("changed"), profile()));
    compaction.compact(snapshot, isTarget);

    // Key 0 is taken, so b stays; c moves into the free key 2; d, gone
    // meanwhile, is not brought back; the changed key 5 is left alone.
    const QStringList expected = {QStringLiteral("new"), QStringLiteral("b"), QStringLiteral("c"),
                                  QString(), QString(), QStringLiteral("changed")};
    for (int key = 0; key < expected.size(); ++key)
        EXPECT_EQ(value(key), expected.at(key)) << key;
}

TEST_F(SectionCompactionTest, KeepsTargetRewrittenMeanwhile)
{
    writeFile(QStringLiteral("NetProf.dat"), "[USED]\r\n0=dead\r\n1=b\r\n");
    const SectionCompaction compaction(profile(), QStringLiteral("USED"));
    const QStringList snapshot = compaction.read();
    ASSERT_TRUE(win::writePrivateProfileString(QStringLiteral("USED"), QStringLiteral("0"),
                                               QStringLiteral("alive"), profile()));
    compaction.compact(snapshot, isTarget);
    EXPECT_EQ(value(0), QStringLiteral("alive"));
    EXPECT_EQ(value(1), QStringLiteral("b"));
}

// Longer than the reading sees, longer than any read buffer, and bytes that
// form no CP932 character: each arrives at its new key as it was.
TEST_F(SectionCompactionTest, MovesValuesWholeAndByteForByte)
{
    for (const QByteArray &moved : {QByteArray(70, 'a'), QByteArray(5000, 'b'), QByteArray("\x85\x40\xA0\xFD")}) {
        writeFile(QStringLiteral("NetProf.dat"), "[USED]\r\n0=dead\r\n1=" + moved + "\r\n");
        const SectionCompaction compaction(profile(), QStringLiteral("USED"));
        EXPECT_TRUE(compaction.compact(compaction.read(), isTarget));
        EXPECT_EQ(readFile(QStringLiteral("NetProf.dat")), "[USED]\r\n0=" + moved + "\r\n") << moved.size();
    }
}

TEST_F(SectionCompactionTest, StopsAtAWriteTheProfileRefuses)
{
    const QByteArray before = "[USED]\r\n0=dead\r\n1=b\r\n";
    writeFile(QStringLiteral("NetProf.dat"), before);
    QFile::setPermissions(hostPath(QStringLiteral("NetProf.dat")), QFileDevice::ReadOwner);
    const SectionCompaction compaction(profile(), QStringLiteral("USED"));
    EXPECT_FALSE(compaction.compact(compaction.read(), isTarget));
    EXPECT_EQ(readFile(QStringLiteral("NetProf.dat")), before);
}

TEST_F(SectionCompactionTest, SeesValuesCutToSixtyCharacters)
{
    writeFile(QStringLiteral("NetProf.dat"), "[USED]\r\n0=" + QByteArray(70, 'a') + "\r\n");
    EXPECT_EQ(value(0), QString(60, QLatin1Char('a')));
}
