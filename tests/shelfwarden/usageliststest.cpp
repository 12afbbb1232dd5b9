#include "netprof/netprofile.h"
#include "suitesample.h"
#include "usagelists.h"

#include "suitesampletest.h"

using namespace shelfwarden;

// The two views on the NetProf.dat that the sample generator writes for a
// shared bookshelf.
class UsageListsTest : public SuiteSampleTest
{
protected:
    UsageListsTest() : SuiteSampleTest(1) {}

    QString profile() const { return winPath(QStringLiteral("suite\\shelves\\shelf01\\NetProf.dat")); }
    const QString m_ownGroup = netprof::groupSection(SuiteSample::InstallationId);
};

TEST_F(UsageListsTest, OwnGroup)
{
    const UsageLists lists = UsageLists::readOwnGroup(profile(), m_ownGroup);
    EXPECT_EQ(lists.sharing, (QStringList{QStringLiteral("設計室PC"), QStringLiteral("GENBA-01"),
                                          QStringLiteral("工務課ノート")}));
    // GENBA-01 is in USED and in LOCK: listed once.
    EXPECT_EQ(lists.inUse, (QStringList{QStringLiteral("設計室PC"), QStringLiteral("GENBA-01")}));
}

TEST_F(UsageListsTest, OtherGroups)
{
    const UsageLists lists = UsageLists::readOtherGroups(profile(), m_ownGroup);
    // Plain USER names first, then the decoded names of the other group.
    EXPECT_EQ(lists.sharing,
              (QStringList{QStringLiteral("KOUMU-PC"), QStringLiteral("倉庫端末"),
                           QStringLiteral("事務所"), QStringLiteral("SITE-OFFICE-2")}));
    // Own computers are left out; the plain name stays plain; SITE-OFFICE-2
    // of BACKUP and, in upper-case digits, of USEDABM is listed once.
    EXPECT_EQ(lists.inUse, (QStringList{QStringLiteral("事務所"), QStringLiteral("KOUMU-PC"),
                                        QStringLiteral("SITE-OFFICE-2")}));
}

TEST_F(UsageListsTest, UnknownInstallationSeesEveryGroupAsOther)
{
    const QString noGroup = netprof::groupSection(QString());
    EXPECT_TRUE(UsageLists::readOwnGroup(profile(), noGroup).sharing.isEmpty());
    EXPECT_EQ(UsageLists::readOtherGroups(profile(), noGroup).sharing.size(), 7);
}

TEST_F(UsageListsTest, MissingProfileGivesEmptyLists)
{
    const UsageLists lists =
        UsageLists::readOtherGroups(winPath(QStringLiteral("none\\NetProf.dat")), m_ownGroup);
    EXPECT_TRUE(lists.sharing.isEmpty());
    EXPECT_TRUE(lists.inUse.isEmpty());
}
