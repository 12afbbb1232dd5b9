#include "foldertreetest.h"

#include "folderalbumplanner.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaorecordset.h"
#include "platform/codepage.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using reader::CKaisouTree;

namespace {

const QString FolderNameTooLong =
    QStringLiteral("指定されたフォルダ名の長さが１２８バイトを超えました。処理を中止しました。");

} // namespace

class CKaisouTreeTest : public FolderTreeTest
{
protected:
    QStringList messages() const
    {
        QStringList texts;
        for (const ui::MessageBoxRequest &request : m_answerer.messageBoxes())
            texts << request.text;
        return texts;
    }

    // KOUJIMASTER.MDB's rows as "id name child younger parent", by id.
    QStringList masterRows() const
    {
        JETDAO::CDaoDatabase database;
        database.Open(tempWinPath() + QStringLiteral("KOUJIMASTER.MDB"), false, true);
        JETDAO::CDaoRecordset rows(&database);
        rows.Open(JETDAO::dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER order by 項目ＩＤ"),
                  JETDAO::dbReadOnly);
        QStringList lines;
        for (; !rows.IsEOF(); rows.MoveNext()) {
            QStringList fields;
            for (const char *column : {"項目ＩＤ", "名称", "子ＩＤ", "弟ＩＤ", "親ＩＤ"})
                fields << rows.GetFieldValue(QString::fromUtf8(column)).toString();
            lines << fields.join(u' ');
        }
        return lines;
    }

    void clickAt(const QPoint &point)
    {
        QWidget *viewport = tree().viewport();
        const QPointF global = viewport->mapToGlobal(QPointF(point));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
    }

    void pressSpace()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(&tree(), &press);
    }
};

TEST_F(CKaisouTreeTest, StandardModeShowsFiveLevelsAndCountsDeeperFoldersAtTheLast)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    EXPECT_EQ(shown(), QStringList({
                           QStringLiteral("写真 (2 枚)  image 1 +"),
                           QStringLiteral("  A (1 枚)  image 1 +"),
                           QStringLiteral("    B (2 枚)  image 1 +"),
                           QStringLiteral("      C (3 枚)  image 2 +"),
                           QStringLiteral("        D (4 枚)  image 2"),
                           QStringLiteral("          E (18 枚)  image 2"),
                       }));
    EXPECT_TRUE(CKaisouTree::isTicked(item(QStringLiteral("工事/写真/A/B"))));
    EXPECT_FALSE(CKaisouTree::isTicked(item(QStringLiteral("工事/写真/A/B/C"))));
    EXPECT_EQ(tree().currentItem(), tree().rootItem());
    EXPECT_EQ(settings().m_nTreeError, 0);
    EXPECT_TRUE(m_answerer.messageBoxes().isEmpty());
}

TEST_F(CKaisouTreeTest, H24ModeShowsThreeLevelsAndCountsEverythingBelowTheLast)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), true);
    EXPECT_EQ(shown(), QStringList({
                           QStringLiteral("写真 (2 枚)  image 1 +"),
                           QStringLiteral("  A (1 枚)  image 1 +"),
                           QStringLiteral("    B (2 枚)  image 1 +"),
                           QStringLiteral("      C (25 枚)  image 2 +"),
                       }));
}

TEST_F(CKaisouTreeTest, CountsOnlyPhotoFilesAndShowsPlainNamesWithoutThem)
{
    makeFolders({{QStringLiteral("r"), 0}, {QStringLiteral("r/empty"), 0}, {QStringLiteral("r/twelve"), 12}});
    for (const char *name : {"a.JPG", "b.jpe", "c.JPEG", "x.jpg.bak", "d.tif", "e.txt"})
        writeFile(QStringLiteral("r/mixed/") + QString::fromUtf8(name), QByteArray());
    // A folder named like a photo is no photo.
    makeFolder(QStringLiteral("r/mixed/f.jpg"));
    build(QStringLiteral("r"), false);
    EXPECT_EQ(item(QStringLiteral("r/empty"))->text(0), QStringLiteral("empty"));
    EXPECT_EQ(item(QStringLiteral("r/twelve"))->text(0), QStringLiteral("twelve (12 枚)"));
    EXPECT_EQ(item(QStringLiteral("r/mixed"))->text(0), QStringLiteral("mixed (3 枚)"));
    EXPECT_EQ(tree().rootItem()->text(0), QStringLiteral("r"));
}

TEST_F(CKaisouTreeTest, DriveRootIsShownAsRoot)
{
    makeFolders({{QStringLiteral("drive"), 1}, {QStringLiteral("drive/A"), 2}});
    win::mapDrive(QLatin1Char('E'), hostPath(QStringLiteral("drive")));
    build(QStringLiteral("E:\\"), false);
    EXPECT_EQ(tree().rootItem()->text(0), QStringLiteral("ROOT (1 枚)"));
    ASSERT_EQ(tree().rootItem()->childCount(), 1);
    EXPECT_EQ(tree().rootItem()->child(0)->text(0), QStringLiteral("A (2 枚)"));
}

TEST_F(CKaisouTreeTest, ItemPathsUseTheFolderNamesWithoutCounts)
{
    // A name that looks like a count suffix is the folder's own.
    makeFolders({{QStringLiteral("r/外観 (3 枚)"), 0}, {QStringLiteral("r/外観 (3 枚)/内部"), 2}});
    build(QStringLiteral("r"), false);
    const QTreeWidgetItem *inner = item(QStringLiteral("r/外観 (3 枚)/内部"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->text(0), QStringLiteral("内部 (2 枚)"));
    EXPECT_EQ(inner->parent()->text(0), QStringLiteral("外観 (3 枚)"));
    EXPECT_EQ(CKaisouTree::folderName(inner->parent()), QStringLiteral("外観 (3 枚)"));
    EXPECT_EQ(tree().GetItemFolderPath(tree().rootItem()), winPath(QStringLiteral("r")));
}

TEST_F(CKaisouTreeTest, WritesTheFoldersIntoTheMasterDatabase)
{
    makeFolders({{QStringLiteral("r/A"), 1}, {QStringLiteral("r/A/A1"), 1}, {QStringLiteral("r/A/A2"), 0},
                 {QStringLiteral("r/B"), 3}});
    build(QStringLiteral("r"), false);
    EXPECT_EQ(masterRows(), QStringList({
                                QStringLiteral("1 r 2 0 0"),
                                QStringLiteral("2 A 3 5 1"),
                                QStringLiteral("3 A1 0 4 2"),
                                QStringLiteral("4 A2 0 0 2"),
                                QStringLiteral("5 B 0 0 1"),
                            }));
    QStringList ids;
    for (QTreeWidgetItemIterator it(&tree()); *it; ++it)
        ids << QString::number(CKaisouTree::nodeId(*it));
    EXPECT_EQ(ids.join(u' '), QStringLiteral("1 2 3 4 5"));

    // A second build starts again from 1 on a fresh copy.
    build(QStringLiteral("r"), false);
    EXPECT_EQ(masterRows().size(), 5);
    EXPECT_EQ(CKaisouTree::nodeId(item(QStringLiteral("r/B"))), 5);
}

// A link loop, a link to a folder of photos outside the delivery and a
// dangling link named like a photo: the tree, its counts, KOUJIMASTER.MDB
// and the planned albums hold the real folders and photos only.
TEST_F(CKaisouTreeTest, LinksAreNotFollowed)
{
    makeFolders({{QStringLiteral("r/A"), 1}, {QStringLiteral("outside"), 3}});
    const QString folderA = hostPath(QStringLiteral("r/A"));
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), folderA + QStringLiteral("/loop")));
    ASSERT_TRUE(QFile::link(hostPath(QStringLiteral("outside")), hostPath(QStringLiteral("r/B"))));
    ASSERT_TRUE(QFile::link(folderA + QStringLiteral("/none.JPG"), folderA + QStringLiteral("/gone.JPG")));
    build(QStringLiteral("r"), false);
    EXPECT_EQ(shown(), QStringList({QStringLiteral("r  image 1 +"), QStringLiteral("  A (1 枚)  image 1 +")}));
    EXPECT_EQ(masterRows(), QStringList({QStringLiteral("1 r 2 0 0"), QStringLiteral("2 A 0 0 1")}));

    reader::FolderAlbumPlanner planner(settings(), tree());
    ASSERT_EQ(planner.PlanFolderAlbums(), reader::FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(settings().m_nPhotoCount, 1);
    ASSERT_EQ(settings().m_nAlbumNum, 1);
    EXPECT_EQ(settings().m_albums[0].folderCount, 1);
    EXPECT_TRUE(messages().isEmpty());
}

// A photo under a path beyond 259 characters and a photo whose name is
// neither UTF-8 nor CP932 are left out of the counts and named; a folder
// with a Shift_JIS name shows that name and its photo counts.
TEST_F(CKaisouTreeTest, PhotosTheHostCannotReadAreNamed)
{
    const QString longFolder = QStringLiteral("r/A/") + QString(CKaisouTree::MaxFolderNameLength, u'l')
                               + u'/' + QString(CKaisouTree::MaxFolderNameLength, u'm');
    makeFolders({{QStringLiteral("r/A"), 1}, {longFolder, 1}});
    const QByteArray sjis = QFile::encodeName(hostPath(QStringLiteral("r/"))) + win::toAnsi(QStringLiteral("写真"));
    ASSERT_EQ(::mkdir(sjis.constData(), 0755), 0);
    for (const QByteArray &name : {QByteArray("p1.jpg"), QByteArray("\xFF\xFE.jpg")})
        ASSERT_EQ(::close(::open((sjis + '/' + name).constData(), O_CREAT | O_WRONLY, 0644)), 0);

    build(QStringLiteral("r"), false);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().at(0),
              QStringLiteral("読み込めない写真が2件あります。これらの写真は取り込まれません。\n"
                             "パスが259文字を超えているか、ファイル名またはフォルダ名の文字を読み取れません。\n"
                             "最初の写真: ")
                  + winPath(longFolder) + QStringLiteral("\\p1.jpg"));
    EXPECT_EQ(item(QStringLiteral("r/A"))->text(0), QStringLiteral("A (1 枚)"));
    EXPECT_EQ(item(QStringLiteral("r/写真"))->text(0), QStringLiteral("写真 (1 枚)"));

    reader::FolderAlbumPlanner planner(settings(), tree());
    ASSERT_EQ(planner.PlanFolderAlbums(), reader::FolderAlbumPlanner::Result::Planned);
    EXPECT_EQ(settings().m_nPhotoCount, 2);
}

TEST_F(CKaisouTreeTest, MissingTemplateLeavesTheTreeEmpty)
{
    makeFolders({{QStringLiteral("r/A"), 1}});
    makeFolder(QStringLiteral("noprogram"));
    settings().m_strProgramDir = winPath(QStringLiteral("noprogram\\"));
    build(QStringLiteral("r"), false);
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    EXPECT_EQ(messages(), QStringList({QStringLiteral("動作環境に問題があるためＸＭＬ入力を中断します。")}));
    EXPECT_EQ(m_answerer.messageBoxes().at(0).icon, ui::Icon::Warning);
    EXPECT_EQ(settings().m_nTreeError, 1) << "the build stopped";
}

TEST_F(CKaisouTreeTest, BrokenMasterDatabaseIsReportedAndTheTreeStaysEmpty)
{
    makeFolders({{QStringLiteral("r/A"), 1}});
    makeFolder(QStringLiteral("badprogram"));
    writeFile(QStringLiteral("badprogram/KOUJIMASTER"), QByteArray("not a database"));
    settings().m_strProgramDir = winPath(QStringLiteral("badprogram\\"));
    build(QStringLiteral("r"), false);
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).icon, ui::Icon::Warning);
    EXPECT_EQ(settings().m_nTreeError, 0);
}

TEST_F(CKaisouTreeTest, TreeIsBuiltWithoutTheDatabaseWhenTheRootNodeFails)
{
    // A database without the node table: the root node is refused.
    makeFolders({{QStringLiteral("r/A"), 1}, {QStringLiteral("r/A/B"), 1}});
    makeFolder(QStringLiteral("tableless"));
    JETDAO::CDaoDatabase().Create(winPath(QStringLiteral("tableless\\KOUJIMASTER")));
    settings().m_strProgramDir = winPath(QStringLiteral("tableless\\"));
    build(QStringLiteral("r"), false);
    EXPECT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_NE(item(QStringLiteral("r/A/B")), nullptr);
    EXPECT_EQ(tree().rootItem()->text(0), QStringLiteral("r"));
    EXPECT_EQ(settings().m_nTreeError, 0);
}

TEST_F(CKaisouTreeTest, FolderNameOfMoreThan128CharactersStopsTheBuild)
{
    // Host names are bytes: ASCII keeps them within the file system's limit.
    const QString fits(CKaisouTree::MaxFolderNameLength, u'n');
    const QString tooLong(CKaisouTree::MaxFolderNameLength + 1, u'x');
    makeFolders({{QStringLiteral("r/A"), 1}, {QStringLiteral("r/B/") + tooLong, 1}, {QStringLiteral("r/C"), 1},
                 {QStringLiteral("r/A/") + fits, 1}});
    build(QStringLiteral("r"), false);
    EXPECT_EQ(messages(), QStringList({FolderNameTooLong}));
    EXPECT_EQ(settings().m_nTreeError, 1);
    // What was built before stays; C, after the long name, is not there.
    EXPECT_NE(item(QStringLiteral("r/A/") + fits), nullptr);
    EXPECT_NE(item(QStringLiteral("r/B")), nullptr);
    EXPECT_EQ(item(QStringLiteral("r/C")), nullptr);
}

TEST_F(CKaisouTreeTest, RootFolderNameOfMoreThan128CharactersStopsAtOnce)
{
    const QString tooLong(CKaisouTree::MaxFolderNameLength + 1, u'x');
    makeFolders({{tooLong + QStringLiteral("/A"), 1}});
    build(tooLong, false);
    EXPECT_EQ(messages(), QStringList({FolderNameTooLong}));
    EXPECT_EQ(settings().m_nTreeError, 1);
    EXPECT_EQ(tree().topLevelItemCount(), 0);
}

TEST_F(CKaisouTreeTest, ClickOnTheImageTogglesOnlyThatItem)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    tree().resize(400, 300);
    tree().show();
    QTreeWidgetItem *a = item(QStringLiteral("工事/写真/A"));
    QTreeWidgetItem *c = item(QStringLiteral("工事/写真/A/B/C"));

    clickAt(tree().imageRect(a).center());
    EXPECT_FALSE(CKaisouTree::isTicked(a));
    EXPECT_EQ(CKaisouTree::tickImage(a), CKaisouTree::UpperLevelUnticked);
    EXPECT_TRUE(CKaisouTree::isTicked(tree().rootItem()));
    EXPECT_TRUE(CKaisouTree::isTicked(item(QStringLiteral("工事/写真/A/B"))));
    EXPECT_EQ(tree().currentItem(), a);

    clickAt(tree().imageRect(c).center());
    EXPECT_TRUE(CKaisouTree::isTicked(c));
    EXPECT_EQ(CKaisouTree::tickImage(c), CKaisouTree::DeeperLevelTicked);

    // A click on the text selects without ticking.
    const QRect text = tree().visualItemRect(c);
    clickAt(QPoint(text.right() - 2, text.center().y()));
    EXPECT_TRUE(CKaisouTree::isTicked(c));

    // The space bar ticks the current item.
    tree().setCurrentItem(a);
    pressSpace();
    EXPECT_TRUE(CKaisouTree::isTicked(a));
    EXPECT_EQ(CKaisouTree::tickImage(a), CKaisouTree::UpperLevelTicked);
}

TEST_F(CKaisouTreeTest, ScriptsTickByFolderPath)
{
    makeNestedTree();
    build(QStringLiteral("工事/写真"), false);
    ui::ScriptTickable &tickable = tree();
    EXPECT_TRUE(tickable.tickPath(winPath(QStringLiteral("工事\\写真\\a\\b\\c\\"))));
    EXPECT_TRUE(CKaisouTree::isTicked(item(QStringLiteral("工事/写真/A/B/C"))));
    EXPECT_TRUE(tickable.tickPath(winPath(QStringLiteral("工事\\写真"))));
    EXPECT_FALSE(CKaisouTree::isTicked(tree().rootItem()));
    EXPECT_FALSE(tickable.tickPath(winPath(QStringLiteral("工事\\写真\\A\\B\\C\\D\\E\\F"))));
}

TEST_F(CKaisouTreeTest, ImagesAreFourSixteenPixelPictures)
{
    makeFolders({{QStringLiteral("r/A"), 1}});
    build(QStringLiteral("r"), false);
    EXPECT_EQ(tree().iconSize(), QSize(16, 16));
    const QTreeWidgetItem *root = tree().rootItem();
    const QImage ticked = root->icon(0).pixmap(16, 16).toImage();
    tree().toggleItem(tree().rootItem());
    const QImage unticked = root->icon(0).pixmap(16, 16).toImage();
    EXPECT_EQ(ticked.size(), QSize(16, 16));
    EXPECT_NE(ticked, unticked);
    // White is the mask colour: the corners are clear.
    EXPECT_EQ(qAlpha(ticked.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(ticked.pixel(8, 1)), 255);
}
