#include "workspacetest.h"

#include "suitedata/shelfphotos.h"

using namespace suitedata;

namespace {

ShelfPhoto photo(int n, int drawings)
{
    ShelfPhoto p;
    const QString number = QString::number(n);
    p.fileName = QStringLiteral("P%1.JPG").arg(n, 7, 10, QLatin1Char('0'));
    p.japaneseFileName = QStringLiteral("写真%1.JPG").arg(n);
    p.mediaNumber = QStringLiteral("1");
    p.majorClass = QStringLiteral("工事");
    p.category = QStringLiteral("施工状況写真");
    p.workType = QStringLiteral("道路土工") + number;
    p.kind = QStringLiteral("掘削工");
    p.subKind = QStringLiteral("L'型");
    p.title = QStringLiteral("掘削状況 ") + number;
    p.classReserves = n % 2 ? QStringList{QStringLiteral("予備A"), QStringLiteral("予備B")}
                            : QStringList();
    for (int d = 0; d < drawings; ++d)
        p.drawings.append({QStringLiteral("D%1_%2.JPG").arg(n).arg(d), QStringLiteral("参考図%1").arg(d),
                           QStringLiteral("平面図"), {QStringLiteral("図予備")}});
    p.place = QStringLiteral("No.%1+5.0").arg(n);
    p.date = QStringLiteral("2024-04-0%1").arg(n % 9 + 1);
    p.representative = QStringLiteral("1");
    p.frequency = QStringLiteral("0");
    p.managementValue = QStringLiteral("H=1.2m");
    p.contractorNote = QStringLiteral("説明 & <注記>");
    return p;
}

// Every item, so that a column the writer or reader mixes up shows.
QStringList items(const ShelfPhoto &p)
{
    QStringList all{p.fileName, p.japaneseFileName, p.mediaNumber, p.majorClass, p.category,
                    p.workType, p.kind, p.subKind, p.title, p.classReserves.join(u','),
                    p.place, p.date, p.representative, p.frequency, p.managementValue,
                    p.contractorNote};
    for (const ShelfDrawing &d : p.drawings)
        all << d.fileName << d.japaneseName << d.title << d.reserves.join(u',');
    return all;
}

class ShelfPhotosTest : public WorkspaceTest
{
};

} // namespace

TEST_F(ShelfPhotosTest, AlbumsAndEveryPhotoItemReadBackInOrder)
{
    const QString file = hostPath(QStringLiteral("photos.db"));
    ShelfPhotosWriter writer;
    ASSERT_TRUE(writer.create(file)) << writer.errorText().toStdString();
    // Album numbers need not follow their order.
    ASSERT_TRUE(writer.addAlbum({7, QStringLiteral("基礎工")}));
    ASSERT_TRUE(writer.addAlbum({2, QStringLiteral("album002")}));
    const QList<ShelfPhoto> seventh{photo(1, 0), photo(2, 2), photo(3, 1)};
    const QList<ShelfPhoto> second{photo(4, 0)};
    // Photos of two albums interleaved still keep each album's order.
    ASSERT_TRUE(writer.addPhoto(7, seventh.at(0)));
    ASSERT_TRUE(writer.addPhoto(2, second.at(0)));
    ASSERT_TRUE(writer.addPhoto(7, seventh.at(1)));
    ASSERT_TRUE(writer.addPhoto(7, seventh.at(2)));
    EXPECT_FALSE(writer.addPhoto(3, photo(5, 0)));
    ASSERT_TRUE(writer.commit()) << writer.errorText().toStdString();

    ShelfPhotosReader reader;
    ASSERT_TRUE(reader.open(file));
    const QList<ShelfAlbum> albums = reader.albums();
    ASSERT_EQ(albums.size(), 2);
    EXPECT_EQ(albums.at(0).number, 7);
    EXPECT_EQ(albums.at(0).folder, QStringLiteral("基礎工"));
    EXPECT_EQ(albums.at(1).number, 2);
    EXPECT_EQ(reader.photoCount(7), 3);
    EXPECT_EQ(reader.photoCount(3), 0);

    const QList<ShelfPhoto> read = reader.photos(7);
    ASSERT_EQ(read.size(), seventh.size());
    for (qsizetype n = 0; n < read.size(); ++n)
        EXPECT_EQ(items(read.at(n)), items(seventh.at(n)));
    EXPECT_EQ(items(reader.photos(2).value(0)), items(second.at(0)));

    // As G_PHOTO.mdb takes them: the listed fields, drawings counted.
    QStringList records;
    ASSERT_TRUE(reader.forEachPhoto(7, [&](PhotoRecord &record) {
        records.append(QString::fromStdString(record[PhotoRecord::FileName] + '|'
                                              + record[PhotoRecord::SubKind] + '|'
                                              + record[PhotoRecord::Frequency] + '|')
                       + QString::number(record.drawings));
        return true;
    }));
    EXPECT_EQ(records, QStringList({QStringLiteral("P0000001.JPG|L'型|0|0"),
                                    QStringLiteral("P0000002.JPG|L'型|0|2"),
                                    QStringLiteral("P0000003.JPG|L'型|0|1")}));
    // A visitor that stops ends the reading with false.
    EXPECT_FALSE(reader.forEachPhoto(7, [](PhotoRecord &) { return false; }));
}

TEST_F(ShelfPhotosTest, AMissingOrBrokenFileIsNoBookshelfOfPhotos)
{
    ShelfPhotosReader reader;
    EXPECT_FALSE(reader.open(hostPath(QStringLiteral("missing.db"))));
    EXPECT_TRUE(reader.albums().isEmpty());
    writeFile(QStringLiteral("broken.db"), "no database");
    ASSERT_TRUE(reader.open(hostPath(QStringLiteral("broken.db"))));
    EXPECT_TRUE(reader.albums().isEmpty());
    EXPECT_FALSE(reader.errorText().isEmpty());
    EXPECT_FALSE(reader.forEachPhoto(1, [](PhotoRecord &) { return true; }));
}
