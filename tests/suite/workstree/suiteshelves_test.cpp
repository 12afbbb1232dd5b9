#include "albumsuitetest.h"

#include "suiteshelves.h"

#include "platform/profile.h"

using namespace workstree;

namespace {

constexpr char16_t ThisComputer[] = u"設計室PC";

class SuiteShelvesTest : public AlbumSuiteTest
{
};

} // namespace

TEST_F(SuiteShelvesTest, OnlyBookshelvesThatAgreeWithTheSelectedOneCanBeChosen)
{
    const QList<ShelfEntry> shelves =
        readSuiteShelves(suiteWinPath(), QString::fromUtf16(ThisComputer));
    ASSERT_EQ(shelves.size(), Shelves);
    const struct
    {
        const char *variant;
        bool choosable;
    } expected[Shelves] = {
        {"the selected one", true}, {"same standard and number", true},
        {"another number", false},  {"another standard", false},
        {"password", false},        {"in use elsewhere", false},
        {"data gone", false},
    };
    for (int n = 0; n < Shelves; ++n) {
        SCOPED_TRACE(expected[n].variant);
        EXPECT_EQ(shelves.at(n).profileNumber, n);
        EXPECT_EQ(shelfChoosable(shelves.at(n), &shelves.at(0)), expected[n].choosable);
        EXPECT_EQ(shelves.at(n).albums.size(), n == Shelves - 1 ? 0 : Albums);
    }
    EXPECT_EQ(shelves.at(0).name, QStringLiteral("1号 道路改良工事"));
    EXPECT_EQ(shelves.at(0).albums.at(1).label, QStringLiteral("第2回 L'型擁壁工"));
    EXPECT_EQ(shelves.at(0).albums.at(1).folder, QStringLiteral("D:\\suite\\shelves\\shelf01\\album002"));
    // The second bookshelf's last album is password-protected.
    const ShelfEntry &second = shelves.at(1);
    EXPECT_TRUE(albumChoosable(second, second.albums.at(0), &shelves.at(0)));
    EXPECT_FALSE(albumChoosable(second, second.albums.at(Albums - 1), &shelves.at(0)));
    // No selected bookshelf: nothing can be chosen.
    EXPECT_FALSE(shelfChoosable(shelves.at(0), nullptr));
}

TEST_F(SuiteShelvesTest, TheDataFolderMayBeAProfileFolderOrMovedByRootDir)
{
    const QString thisComputer = QString::fromUtf16(ThisComputer);
    EXPECT_EQ(readSuiteShelves(QStringLiteral("D:\\suite\\data2"), thisComputer).size(), Shelves);
    makeFolder(QStringLiteral("elsewhere"));
    win::writePrivateProfileString(QStringLiteral("COMMON"), QStringLiteral("RootDir"),
                                   QStringLiteral("D:\\suite"),
                                   QStringLiteral("D:\\elsewhere\\Profile.dat"));
    EXPECT_EQ(readSuiteShelves(QStringLiteral("D:\\elsewhere\\"), thisComputer).size(), Shelves);
    EXPECT_TRUE(readSuiteShelves(QStringLiteral("D:\\nothing"), thisComputer).isEmpty());
}

TEST_F(SuiteShelvesTest, UsedOrLockedByAnotherComputerMeansInUseElsewhere)
{
    const QString file = QStringLiteral("D:\\NetProf.dat");
    const struct
    {
        const char *name;
        const char *section;
        QString value; // empty: the section stays empty
        bool elsewhere;
    } cases[] = {
        {"nobody", "USED", QString(), false},
        {"this computer, encoded", "USED", QStringLiteral("90dd8c768eba5043"), false},
        {"this computer, upper-case digits", "LOCK", QStringLiteral("90DD8C768EBA5043"), false},
        {"another computer", "USED", QStringLiteral("GENBA-01"), true},
        {"another computer, encoded", "LOCK", QStringLiteral("47454e42412d3031"), true},
        {"another computer backing up", "BACKUP", QStringLiteral("GENBA-01"), false},
        {"another computer in an album", "USEDABM", QStringLiteral("GENBA-01"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(hostPath(QStringLiteral("NetProf.dat")));
        win::writePrivateProfileString(QStringLiteral("VERSION"), QStringLiteral("Version"),
                                       QStringLiteral("13"), file);
        if (!c.value.isEmpty())
            win::writePrivateProfileString(QString::fromLatin1(c.section), QStringLiteral("3"),
                                           c.value, file);
        EXPECT_EQ(usedOnAnotherComputer(file, QString::fromUtf16(ThisComputer)), c.elsewhere);
    }
    EXPECT_FALSE(usedOnAnotherComputer(QStringLiteral("D:\\missing\\NetProf.dat"),
                                       QString::fromUtf16(ThisComputer)));
}
