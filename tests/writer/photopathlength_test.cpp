#include "photopathlength.h"

#include "photodatabasefixture.h"
#include "workspacetest.h"

#include <QHash>

using namespace writer;

namespace {

// Folder "D:\p" (4), label "工事" (2): a name of n characters under the
// three levels A\B\C gives 4 + 2 + 3 + n + 5.
const QString Folder = QStringLiteral("D:\\p");
const QString AlbumA = QStringLiteral("D:\\shelf\\album1\\");
const QString AlbumB = QStringLiteral("D:\\shelf\\album2\\");

class PhotoPathLengthTest : public WorkspaceTest
{
protected:
    std::optional<int> check(const std::vector<PhotoRow> &rows, PhotoNaming naming = {1, 0})
    {
        EXPECT_TRUE(writePhotoDatabase(hostPath(QStringLiteral("G_PHOTO.mdb")), rows));
        return findOverlongPhotoPath(winPath(QStringLiteral("G_PHOTO.mdb")), Folder, naming,
                                     [this](const QString &koujiXml) {
                                         labelReads.append(koujiXml);
                                         return QStringLiteral("工事");
                                     });
    }
    QStringList labelReads;
};

PhotoRow photo(const QString &major, const QString &category, const QString &workType,
               qsizetype nameLength, const QString &album = AlbumA)
{
    return {major, category, workType, QStringLiteral("P0000001.JPG"),
            QString(nameLength, u'写'), album};
}

} // namespace

TEST(PhotoPathLength, CountsTheLeadingRunOfClassLevelsAndEverySeparator)
{
    struct Case
    {
        QStringList levels;  // 写真-大分類, 写真区分, 工種
        QStringList counted;
    };
    const Case cases[] = {
        {{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
        {{QStringLiteral("A"), QString(), QStringLiteral("C")}, {QStringLiteral("A")}},
        // No major class: no level counts, whatever follows.
        {{QString(), QStringLiteral("B"), QStringLiteral("C")}, {}},
        {{QString(), QString(), QString()}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(classLevels(c.levels[0], c.levels[1], c.levels[2]), c.counted) << c.levels.join(u'|').toStdString();
    EXPECT_EQ(photoPathLength(QStringLiteral("D:\\out"), QStringLiteral("工事"), {QStringLiteral("写真")}, QStringLiteral("a.jpg")), 6 + 2 + 2 + 5 + 3);
    EXPECT_EQ(albumKoujiXmlPath(QStringLiteral("D:\\s\\a1\\")), QStringLiteral("D:\\s\\a1\\KOUJI.XML"));
    EXPECT_EQ(albumKoujiXmlPath(QStringLiteral("D:\\s\\a1")), QStringLiteral("D:\\s\\KOUJI.XML"));
    EXPECT_EQ(albumKoujiXmlPath(QStringLiteral("album")), QStringLiteral("KOUJI.XML"));
}

TEST_F(PhotoPathLengthTest, StopsAtTheFirstPathAboveTwoHundredSixty)
{
    EXPECT_EQ(check({photo(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), 246)}), std::nullopt);
    EXPECT_EQ(check({photo(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), 246), photo(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), 247),
                     photo(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), 250)}),
              261);
    // Without 写真-大分類 the levels count nothing: 4 + 2 + n + 2.
    EXPECT_EQ(check({photo(QString(), QStringLiteral("B"), QStringLiteral("C"), 252)}), std::nullopt);
    EXPECT_EQ(check({photo(QString(), QStringLiteral("B"), QStringLiteral("C"), 253)}), 261);
    // An empty table is not checked at all.
    EXPECT_EQ(check({}), std::nullopt);
}

TEST_F(PhotoPathLengthTest, CountsTheNameTheNamingChoiceWrites)
{
    // The Japanese name is long, the file name short.
    const std::vector<PhotoRow> rows{photo(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), 255)};
    EXPECT_EQ(check(rows, {1, 0}), 4 + 2 + 3 + 255 + 5);
    EXPECT_EQ(check(rows, {0, 1}), std::nullopt);
    // Neither choice: no name at all.
    EXPECT_EQ(check(rows, {0, 0}), std::nullopt);
}

TEST_F(PhotoPathLengthTest, ReadsEachAlbumLabelOnce)
{
    check({photo(QStringLiteral("A"), {}, {}, 1), photo(QStringLiteral("A"), {}, {}, 1, AlbumB), photo(QStringLiteral("A"), {}, {}, 1),
           photo(QStringLiteral("A"), {}, {}, 1, AlbumB)});
    EXPECT_EQ(labelReads, QStringList({AlbumA + QStringLiteral("KOUJI.XML"), AlbumB + QStringLiteral("KOUJI.XML")}));
}
