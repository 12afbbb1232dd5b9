#include "albumsuitetest.h"

#include "photomdbbuilder.h"

#include "suitedata/shelfphotos.h"

#include <QCoreApplication>

using namespace workstree;

namespace {

class PhotoMdbBuilderTest : public AlbumSuiteTest
{
protected:
    ChosenAlbum album(int shelf, int number) const
    {
        return {shelfHostFolder(shelf), number,
                QStringLiteral("D:\\suite\\shelves\\shelf%1\\album%2")
                    .arg(shelf + 1, 2, 10, QLatin1Char('0'))
                    .arg(number, 3, 10, QLatin1Char('0'))};
    }

    // The rows G_PHOTO.mdb must hold for an album's photos, serials from
    // firstSerial on, as "serial|column|column|...".
    QStringList expectedPhotoRows(int shelf, int number, int firstSerial) const
    {
        suitedata::ShelfPhotosReader reader;
        EXPECT_TRUE(reader.open(shelfHostFolder(shelf) + QStringLiteral("/photos.db")));
        QStringList rows;
        int serial = firstSerial;
        for (const suitedata::ShelfPhoto &photo : reader.photos(number)) {
            rows.append(QStringList{QString::number(serial++), photo.fileName,
                                    photo.japaneseFileName, photo.majorClass, photo.category,
                                    photo.workType, photo.kind, photo.subKind, photo.title,
                                    QString::number(photo.drawings.size()), photo.place,
                                    photo.managementValue, photo.representative,
                                    photo.frequency}
                            .join(u'|'));
        }
        return rows;
    }
};

} // namespace

TEST_F(PhotoMdbBuilderTest, TwoAlbumsInTheOrderShownNumberedOnwards)
{
    const QString database = QStringLiteral("temp/G_PHOTO.mdb");
    QString error;
    ASSERT_EQ(buildPhotoDatabase({album(1, 2), album(0, 1)}, &error), 2 * Photos)
        << error.toStdString();

    const QStringList expected = expectedPhotoRows(1, 2, 1) + expectedPhotoRows(0, 1, Photos + 1);
    EXPECT_EQ(engineRows(database, QStringLiteral("SELECT * FROM [写真情報] ORDER BY rowid")),
              expected);
    // Some of the photos have reference drawings, which 付加情報 counts.
    EXPECT_GT(engineValue(database, QStringLiteral("SELECT count(*) FROM [写真情報] WHERE [付加情報] > 0")).toInt(), 0);

    QStringList classes;
    QStringList files;
    for (const QString &row : expected) {
        const QStringList cells = row.split(u'|');
        classes.append(cells.mid(0, 1).join(u'|') + u'|' + cells.mid(3, 5).join(u'|'));
        files.append(cells.mid(0, 3).join(u'|'));
    }
    EXPECT_EQ(engineRows(database, QStringLiteral("SELECT * FROM [撮影工種区分] ORDER BY rowid")), classes);
    EXPECT_EQ(engineRows(database, QStringLiteral("SELECT * FROM [写真ファイル情報] ORDER BY rowid")), files);
    const QStringList temp =
        engineRows(database, QStringLiteral("SELECT * FROM [写真情報Temp] ORDER BY rowid"));
    ASSERT_EQ(temp.size(), 2 * Photos);
    EXPECT_EQ(temp.first(), QStringLiteral("1|D:\\suite\\shelves\\shelf02\\album002\\"));
    EXPECT_EQ(temp.last(),
              QStringLiteral("%1|D:\\suite\\shelves\\shelf01\\album001\\").arg(2 * Photos));
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("~G_PHOTO.%1.workstree.tmp")
                                                .arg(QCoreApplication::applicationPid()))));
}

TEST_F(PhotoMdbBuilderTest, NoAlbumsGiveAnEmptyDatabase)
{
    QString error;
    EXPECT_EQ(buildPhotoDatabase({}, &error), 0);
    EXPECT_EQ(engineValue(QStringLiteral("temp/G_PHOTO.mdb"),
                          QStringLiteral("SELECT count(*) FROM [写真情報]")).toInt(), 0);
}

TEST_F(PhotoMdbBuilderTest, AFailedBuildLeavesNoDatabaseOfAnEarlierSelection)
{
    QString error;
    ASSERT_EQ(buildPhotoDatabase({album(0, 1)}, &error), Photos);
    ASSERT_TRUE(QFile::remove(shelfHostFolder(1) + QStringLiteral("/photos.db")));
    EXPECT_EQ(buildPhotoDatabase({album(0, 1), album(1, 1)}, &error), -1);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("G_PHOTO.mdb"))));
}
