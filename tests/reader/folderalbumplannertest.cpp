#include "foldertreetest.h"

#include "folderalbumplanner.h"

#include <QTreeWidgetItemIterator>

using reader::AlbumPlan;
using reader::CKaisouTree;
using reader::FolderAlbumPlanner;

class FolderAlbumPlannerTest : public FolderTreeTest
{
protected:
    // Leaves exactly these folders (relative to D:\) ticked.
    void tickOnly(const QStringList &folders)
    {
        for (QTreeWidgetItemIterator it(&tree()); *it; ++it) {
            const QString path = tree().GetItemFolderPath(*it);
            bool wanted = false;
            for (const QString &folder : folders)
                wanted = wanted || path == winPath(folder);
            if (CKaisouTree::isTicked(*it) != wanted)
                tree().toggleItem(*it);
        }
    }

    FolderAlbumPlanner::Result plan()
    {
        if (!m_planner)
            m_planner = std::make_unique<FolderAlbumPlanner>(settings(), tree());
        return m_planner->PlanFolderAlbums();
    }

    // An album as "name photos [levels] box: folders", with a * after each
    // folder whose has-child flag is set; paths relative to D:\.
    QString album(int index) const
    {
        const AlbumPlan &plan = settings().m_albums.at(index);
        QStringList folders;
        for (int j = 0; j < plan.folderCount; ++j)
            folders << relative(plan.folders.at(j)) + (plan.hasChild.at(j) ? QStringLiteral("*") : QString());
        const QStringList levels = {plan.bunrui, plan.kubun, plan.kousyu, plan.syubetu, plan.saibetu};
        return QStringLiteral("%1 %2 [%3] box %4: %5")
            .arg(plan.albumName, QString::number(plan.photoCount), levels.join(u'/'), relative(plan.box),
                 folders.join(u' '));
    }

    QStringList albums() const
    {
        QStringList all;
        for (int i = 0; i < settings().m_nAlbumNum; ++i)
            all << album(i);
        return all;
    }

    QString relative(const QString &path) const
    {
        return path.startsWith(winPath()) ? path.mid(winPath().size()) : path;
    }

    std::unique_ptr<FolderAlbumPlanner> m_planner;
};

TEST_F(FolderAlbumPlannerTest, RootAloneTakesEveryFolder)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    tickOnly({QStringLiteral("工事/写真")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral(
                            "写真 30 [////] box : 工事\\写真 工事\\写真\\A 工事\\写真\\A\\B 工事\\写真\\A\\B\\C "
                            "工事\\写真\\A\\B\\C\\D 工事\\写真\\A\\B\\C\\D\\E*")}));
    EXPECT_EQ(settings().m_nPhotoCount, 30);
}

TEST_F(FolderAlbumPlannerTest, TickedAncestorKeepsOnlyItsOwnFolder)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    tickOnly({QStringLiteral("工事/写真"), QStringLiteral("工事/写真/A")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({
                            QStringLiteral("写真 2 [////] box : 工事\\写真"),
                            QStringLiteral("A 28 [A////] box : 工事\\写真\\A 工事\\写真\\A\\B 工事\\写真\\A\\B\\C "
                                           "工事\\写真\\A\\B\\C\\D 工事\\写真\\A\\B\\C\\D\\E*"),
                        }));
    EXPECT_EQ(settings().m_nPhotoCount, 30);
}

TEST_F(FolderAlbumPlannerTest, TickedFolderWithoutOwnPhotosGivesNoAlbumWhenSomethingBelowIsTicked)
{
    makeFolders({{QStringLiteral("r"), 0}, {QStringLiteral("r/A"), 4}});
    build(QStringLiteral("r"), false);
    // As built: the root and A ticked.
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("A 4 [A////] box : r\\A")}));
}

TEST_F(FolderAlbumPlannerTest, UntickedSubfolderBelongsToTheAlbumAbove)
{
    makeFolders({{QStringLiteral("r/X"), 3}, {QStringLiteral("r/X/B"), 5}, {QStringLiteral("r/Y"), 0}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r/X")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("X 8 [X////] box : r\\X r\\X\\B")}));
    EXPECT_EQ(settings().m_nPhotoCount, 8);
}

TEST_F(FolderAlbumPlannerTest, AlbumWithoutOwnPhotosListsOnlyTheFoldersBelow)
{
    makeFolders({{QStringLiteral("r/X"), 0}, {QStringLiteral("r/X/B"), 5}, {QStringLiteral("r/X/C"), 0}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r/X")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    // Folders without photos below the album folder are listed too.
    EXPECT_EQ(albums(), QStringList({QStringLiteral("X 5 [X////] box : r\\X\\B r\\X\\C")}));
}

TEST_F(FolderAlbumPlannerTest, DeepestShownFolderTakesItsHiddenSubfoldersByFlag)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    tickOnly({QStringLiteral("工事/写真/A/B/C/D/E")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("E 18 [A/B/C/D/E] box : 工事\\写真\\A\\B\\C\\D\\E*")}));
    EXPECT_EQ(settings().m_nPhotoCount, 18);
}

TEST_F(FolderAlbumPlannerTest, DeepestShownFolderWithoutOwnPhotosStillTakesThoseBelow)
{
    makeFolders({{QStringLiteral("r/A/B/C/D/E"), 0}, {QStringLiteral("r/A/B/C/D/E/F"), 6}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r/A/B/C/D/E")});
    EXPECT_EQ(item(QStringLiteral("r/A/B/C/D/E"))->text(0), QStringLiteral("E (6 枚)"));
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("E 6 [A/B/C/D/E] box : r\\A\\B\\C\\D\\E*")}));
    EXPECT_EQ(settings().m_nPhotoCount, 6);
}

TEST_F(FolderAlbumPlannerTest, LevelNamesAreTheFoldersBelowTheRoot)
{
    makeFolders({{QStringLiteral("r/工種A/種別B"), 2}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r/工種A/種別B")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("種別B 2 [工種A/種別B///] box : r\\工種A\\種別B")}));
}

TEST_F(FolderAlbumPlannerTest, H24BoxPathComesFromTheUpperLevelsAndCarriesOver)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), true);
    // As built: the root, A and B ticked.
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({
                            QStringLiteral("写真 2 [////] box : 工事\\写真"),
                            QStringLiteral("A 1 [A////] box 工事\\写真\\A: 工事\\写真\\A"),
                            QStringLiteral("B 27 [A/B///] box 工事\\写真\\A: 工事\\写真\\A\\B 工事\\写真\\A\\B\\C*"),
                        }));
    EXPECT_EQ(settings().m_nPhotoCount, 30);

    // C lies below the box levels: it keeps the box of the last planning.
    tickOnly({QStringLiteral("工事/写真/A/B/C")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(albums(), QStringList({QStringLiteral("C 25 [A/B/C//] box 工事\\写真\\A: 工事\\写真\\A\\B\\C*")}));
    EXPECT_EQ(settings().m_nPhotoCount, 25);
}

TEST_F(FolderAlbumPlannerTest, NothingTickedOrNoPhotosPlansNothing)
{
    makeFolders({{QStringLiteral("r/A"), 0}, {QStringLiteral("r/B"), 3}});
    build(QStringLiteral("r"), false);
    tickOnly({});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(settings().m_nAlbumNum, 0);
    EXPECT_EQ(settings().m_nPhotoCount, 0);
    tickOnly({QStringLiteral("r/A")});
    plan();
    EXPECT_EQ(settings().m_nAlbumNum, 0);
    EXPECT_EQ(settings().m_nPhotoCount, 0);
}

TEST_F(FolderAlbumPlannerTest, ReusedRecordKeepsNothingOfTheEarlierPlan)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    tickOnly({QStringLiteral("工事/写真")});
    plan();
    ASSERT_EQ(settings().m_albums[0].hasChild[5], 1);

    tickOnly({QStringLiteral("工事/写真/A/B/C/D")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    const AlbumPlan &reused = settings().m_albums[0];
    EXPECT_EQ(reused.folderCount, 2);
    EXPECT_EQ(reused.hasChild[1], 1);
    EXPECT_EQ(reused.hasChild[5], 0);
    EXPECT_TRUE(reused.folders[5].isEmpty());
}

TEST_F(FolderAlbumPlannerTest, HundredAlbumsFitAndOneMoreIsRefused)
{
    for (int i = 1; i <= reader::MaxAlbums + 1; ++i)
        makeFolders({{QStringLiteral("r/%1").arg(i, 3, 10, QLatin1Char('0')), 1}});
    build(QStringLiteral("r"), false);
    QStringList hundred;
    for (int i = 1; i <= reader::MaxAlbums; ++i)
        hundred << QStringLiteral("r/%1").arg(i, 3, 10, QLatin1Char('0'));
    tickOnly(hundred);
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(settings().m_nAlbumNum, reader::MaxAlbums);

    tickOnly(hundred << QStringLiteral("r/101"));
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::TooManyAlbums);
    EXPECT_EQ(settings().m_nAlbumNum, 0);
    EXPECT_EQ(settings().m_nPhotoCount, 0);
    EXPECT_TRUE(settings().plannedAlbums().empty());
}

TEST_F(FolderAlbumPlannerTest, HundredFoldersFitAnAlbumAndOneMoreIsRefused)
{
    makeFolders({{QStringLiteral("r"), 1}});
    for (int i = 1; i < reader::MaxAlbumFolders; ++i)
        makeFolders({{QStringLiteral("r/%1").arg(i, 3, 10, QLatin1Char('0')), 0}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(settings().m_albums[0].folderCount, reader::MaxAlbumFolders);

    makeFolders({{QStringLiteral("r/100"), 0}});
    build(QStringLiteral("r"), false);
    tickOnly({QStringLiteral("r")});
    EXPECT_EQ(plan(), FolderAlbumPlanner::Result::TooManyFolders);
    EXPECT_EQ(settings().m_nAlbumNum, 0);
}
