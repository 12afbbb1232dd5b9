// The album page with the real workstree library on generated suite data.
#include "cwizsheet.h"
#include "writerids.h"

#include "writerwizardtest.h"

#include "suitesample.h"

#include "platform/profile.h"
#include "platform/suitelibrary.h"
#include "platform/winpath.h"
#include "suiteapi/workstreefunctions.h"
#include "ui/controls.h"
#include "ui/scripttickable.h"

#include <QCoreApplication>
#include <QTreeWidget>

#include <sqlite3.h>

using namespace writer;

namespace {

constexpr int Shelves = 7;
constexpr int Albums = 3;
constexpr int Photos = 4;

const suiteapi::WorkstreeFunctions &realWorkstree()
{
    static win::SuiteLibrary library;
    // Loaded from the build's program folder, over a drive of its own.
    static const std::optional<suiteapi::WorkstreeFunctions> functions = [] {
        win::mapDrive(u'P', QStringLiteral(TESSERA_PROGRAM_DIR));
        library.load(QStringLiteral("P:\\workstree.dll"));
        win::unmapDrive(u'P');
        return suiteapi::WorkstreeFunctions::fromLibrary(library);
    }();
    static const suiteapi::WorkstreeFunctions none;
    EXPECT_TRUE(functions.has_value());
    return functions ? *functions : none;
}

class AlbumTreeTest : public WriterWizardTest
{
protected:
    void SetUp() override
    {
        WriterWizardTest::SetUp();
        qputenv("COMPUTERNAME", "設計室PC");
        SuiteSample sample;
        sample.root = hostPath(QStringLiteral("suite"));
        sample.shelves = Shelves;
        sample.albums = Albums;
        sample.photos = Photos;
        sample.photoFiles = false;
        QString error;
        ASSERT_TRUE(sample.write(&error)) << error.toStdString();
        // The host selected the second bookshelf's first and last albums.
        writeAlbumList(1, {1, 3});
    }

    void TearDown() override
    {
        qunsetenv("COMPUTERNAME");
        WriterWizardTest::TearDown();
    }

    void writeAlbumList(int shelf, const QList<qint32> &albums) const
    {
        const QString file = tempWinPath() + QStringLiteral("G_ALBUMLIST.dat");
        const QString section = QStringLiteral("COMMON");
        win::writePrivateProfileString(section, QStringLiteral("DataDir"),
                                       QStringLiteral("D:\\suite"), file);
        win::writePrivateProfileString(section, QStringLiteral("SelectedBks"),
                                       QString::number(shelf), file);
        win::writePrivateProfileString(section, QStringLiteral("SelectedAbmNum"),
                                       QString::number(albums.size()), file);
        QByteArray block;
        for (const qint32 album : albums)
            block.append(reinterpret_cast<const char *>(&album), sizeof album);
        win::writePrivateProfileStruct(section, QStringLiteral("SelectedAbm"), block, file);
    }

    QTreeWidget *tree()
    {
        return qobject_cast<QTreeWidget *>(ui::findControl(
            sheet().pageByTemplate(ids::albums::Template), suiteapi::WorksTreeControlId));
    }

    // 写真情報Temp of G_PHOTO.mdb as "serial|albumpath".
    QStringList photoAlbums() const
    {
        sqlite3 *db = nullptr;
        QStringList rows;
        if (sqlite3_open_v2(QFile::encodeName(tempHostPath(QStringLiteral("G_PHOTO.mdb"))).constData(),
                            &db, SQLITE_OPEN_READONLY, nullptr)
            == SQLITE_OK) {
            sqlite3_stmt *query = nullptr;
            sqlite3_prepare_v2(db, "SELECT * FROM [写真情報Temp] ORDER BY [シリアル番号]", -1, &query,
                               nullptr);
            while (query && sqlite3_step(query) == SQLITE_ROW) {
                rows.append(QStringLiteral("%1|%2").arg(sqlite3_column_int(query, 0)).arg(
                    QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, 1)))));
            }
            sqlite3_finalize(query);
        }
        sqlite3_close(db);
        return rows;
    }

    static QStringList serialsOf(int first, const QString &albumPath)
    {
        QStringList rows;
        for (int n = 0; n < Photos; ++n)
            rows.append(QStringLiteral("%1|%2").arg(first + n).arg(albumPath));
        return rows;
    }
};

} // namespace

TEST_F(AlbumTreeTest, TheHostsSelectionIsTickedAndOnlyAgreeingAlbumsCanBeTicked)
{
    startWizard(25, realWorkstree());
    QTreeWidget *view = tree();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->topLevelItemCount(), Shelves);
    EXPECT_EQ(view->topLevelItem(1)->text(0), QStringLiteral("2号 道路改良工事"));
    const auto enabled = [](const QTreeWidgetItem *item) {
        return item->flags().testFlag(Qt::ItemIsEnabled);
    };
    // Bookshelves 0 and 1 agree; 2: another number, 3: another standard,
    // 4: password, 5: in use on another computer, 6: its data is gone.
    for (int shelf = 0; shelf < Shelves; ++shelf) {
        SCOPED_TRACE(shelf);
        const QTreeWidgetItem *shelfItem = view->topLevelItem(shelf);
        EXPECT_EQ(shelfItem->childCount(), shelf == Shelves - 1 ? 0 : Albums);
        EXPECT_EQ(enabled(shelfItem), shelf <= 1);
        for (int album = 0; album < shelfItem->childCount(); ++album) {
            const bool password = shelf == 1 && album == Albums - 1;
            EXPECT_EQ(enabled(shelfItem->child(album)), shelf <= 1 && !password);
        }
    }
    // The host's albums 1 and 3: the password-protected 3 stays unticked.
    const QTreeWidgetItem *selected = view->topLevelItem(1);
    EXPECT_EQ(selected->child(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(selected->child(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(selected->child(2)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(view->topLevelItem(0)->child(0)->checkState(0), Qt::Unchecked);
    // A script cannot tick what the user cannot.
    auto *tickable = dynamic_cast<ui::ScriptTickable *>(view);
    ASSERT_NE(tickable, nullptr);
    EXPECT_TRUE(tickable->tickPath(QStringLiteral("3号 道路改良工事\\")
                                   + view->topLevelItem(2)->child(0)->text(0)));
    EXPECT_EQ(view->topLevelItem(2)->child(0)->checkState(0), Qt::Unchecked);
    EXPECT_FALSE(tickable->tickPath(QStringLiteral("no such album")));
}

TEST_F(AlbumTreeTest, BackAndNextAgainRebuildsThePhotosForTheNewSelection)
{
    startWizard(25, realWorkstree());
    nextFromAlbums();
    EXPECT_NE(currentPage(), ids::albums::Template);
    EXPECT_EQ(photoAlbums(), serialsOf(1, QStringLiteral("D:\\suite\\shelves\\shelf02\\album001\\")));
    // The second bookshelf makes other delivery data.
    EXPECT_EQ(settings().m_nOtherData, 1);

    back();
    ASSERT_EQ(currentPage(), ids::albums::Template);
    auto *tickable = dynamic_cast<ui::ScriptTickable *>(tree());
    ASSERT_NE(tickable, nullptr);
    ASSERT_TRUE(tickable->tickPath(QStringLiteral("1号 道路改良工事\\第2回 L'型擁壁工")));
    nextFromAlbums();
    EXPECT_NE(currentPage(), ids::albums::Template);
    // In the order shown: the first bookshelf's album before the second's.
    EXPECT_EQ(photoAlbums(),
              serialsOf(1, QStringLiteral("D:\\suite\\shelves\\shelf01\\album002\\"))
                  + serialsOf(Photos + 1, QStringLiteral("D:\\suite\\shelves\\shelf02\\album001\\")));
}

TEST_F(AlbumTreeTest, NoTickedPhotosWarnAndThePageStays)
{
    writeAlbumList(0, {});
    startWizard(25, realWorkstree());
    takeMessages();
    nextFromAlbums();
    EXPECT_EQ(currentPage(), ids::albums::Template);
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("工事写真情報が１件も登録されていません")});
    EXPECT_TRUE(sheet().isEnabled());
    EXPECT_TRUE(photoAlbums().isEmpty());
}

// A scripted run of the built program ticks an album by its bookshelf and
// label; Next builds G_PHOTO.mdb with it before the host's album.
TEST_F(AlbumTreeTest, AScriptTicksAnAlbumByItsLabel)
{
    const QString label = QStringLiteral("第2回 L'型擁壁工");
    QByteArray output;
    const int exitCode = runScripted(
        QStringLiteral(TESSERA_PROGRAM_DIR "/DeliveryWriter"),
        {QStringLiteral("D:\\suite\\shelves\\shelf02"), QStringLiteral("0"), QStringLiteral("25"),
         QStringLiteral("0"), QStringLiteral("0"), QString(), QString(),
         QStringLiteral("D:\\suite\\shelves\\shelf02"), QString()},
        QStringLiteral("expect-page 108\n"
                       "tick 1200 1号 道路改良工事\\%1\n"
                       "next\n"
                       "cancel\n")
            .arg(label)
            .toUtf8(),
        &output);
    EXPECT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_EQ(photoAlbums(),
              serialsOf(1, QStringLiteral("D:\\suite\\shelves\\shelf01\\album002\\"))
                  + serialsOf(Photos + 1, QStringLiteral("D:\\suite\\shelves\\shelf02\\album001\\")));
}
