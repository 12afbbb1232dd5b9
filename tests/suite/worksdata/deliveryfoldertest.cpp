// CheckPhotoFolder and GetPlanFlag on the folders the reader classifies.
#include "worksdatatest.h"

#include <QDir>

namespace {

class DeliveryFolderTest : public WorksdataTest
{
protected:
    QString folderWith(const QString &relative, const QStringList &files) const
    {
        makeFolder(relative);
        for (const QString &file : files)
            writeFile(relative + u'/' + file, "x");
        return winPath(relative);
    }
};

} // namespace

TEST_F(DeliveryFolderTest, GeneratedDeliveryIsAStandardDelivery)
{
    const QString root =
        generateDelivery(QStringLiteral("disc"),
                         {3, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    // The reader's XML and DTD test compares extensions case-sensitively.
    const QStringList files = QDir(hostPath(QStringLiteral("disc"))).entryList(QDir::Files);
    EXPECT_EQ(files, (QStringList {QStringLiteral("INDE_C04.DTD"), QStringLiteral("INDEX_C.XML")}));

    QString buffer;
    EXPECT_EQ(library().getPlanFlag(root, &buffer), 1);
    EXPECT_EQ(buffer, QStringLiteral("INDEX_C.XML"));
    EXPECT_EQ(library().checkPhotoFolder(root + QStringLiteral("\\PHOTO")), 1);
    EXPECT_EQ(library().checkPhotoFolder(root + QStringLiteral("\\photo\\")), 1);
    EXPECT_EQ(library().checkPhotoFolder(root), 0);
    EXPECT_EQ(library().checkPhotoFolder(root + QStringLiteral("\\PHOTO\\PIC")), 0);
}

TEST_F(DeliveryFolderTest, PhotoFolderHoldsItsManagementFileOrDtd)
{
    EXPECT_EQ(library().checkPhotoFolder(
                  folderWith(QStringLiteral("a/PHOTO"), {QStringLiteral("PHOTO02N.DTD")})),
              1);
    EXPECT_EQ(library().checkPhotoFolder(
                  folderWith(QStringLiteral("b/Photo"), {QStringLiteral("photo05.dtd")})),
              1);
    EXPECT_EQ(library().checkPhotoFolder(
                  folderWith(QStringLiteral("c/PHOTO"), {QStringLiteral("photo.xml")})),
              1);
    EXPECT_EQ(library().checkPhotoFolder(
                  folderWith(QStringLiteral("d/PHOTO"),
                             {QStringLiteral("P0000001.JPG"), QStringLiteral("PHOTO.DTD")})),
              0);
    EXPECT_EQ(library().checkPhotoFolder(
                  folderWith(QStringLiteral("e/FOTO"), {QStringLiteral("PHOTO.XML")})),
              0);
    // A folder named like the file does not count.
    makeFolder(QStringLiteral("f/PHOTO/PHOTO.XML"));
    EXPECT_EQ(library().checkPhotoFolder(winPath(QStringLiteral("f/PHOTO"))), 0);
    EXPECT_EQ(library().checkPhotoFolder(winPath(QStringLiteral("missing/PHOTO"))), 0);
    EXPECT_EQ(library().checkPhotoFolder(QStringLiteral("D:\\")), 0);
    EXPECT_EQ(library().CheckPhotoFolder(nullptr), 0);
}

TEST_F(DeliveryFolderTest, PlanFlagTellsTheIndexFile)
{
    QString buffer;
    EXPECT_EQ(library().getPlanFlag(
                  folderWith(QStringLiteral("design"),
                             {QStringLiteral("INDEX_D.XML"), QStringLiteral("INDE_D05.DTD")}),
                  &buffer),
              2);
    EXPECT_EQ(buffer, QStringLiteral("INDEX_D.XML"));
    EXPECT_EQ(library().getPlanFlag(
                  folderWith(QStringLiteral("both"),
                             {QStringLiteral("index_d.xml"), QStringLiteral("index_c.xml")}),
                  &buffer),
              1);
    EXPECT_EQ(buffer, QStringLiteral("index_c.xml"));
    // An older index beside a photo DTD in the root: still a delivery.
    EXPECT_EQ(library().getPlanFlag(
                  folderWith(QStringLiteral("old"),
                             {QStringLiteral("INDEX.XML"), QStringLiteral("PHOTO.DTD")}),
                  &buffer),
              3);
    EXPECT_EQ(buffer, QStringLiteral("INDEX.XML"));
    EXPECT_EQ(library().getPlanFlag(
                  folderWith(QStringLiteral("none"), {QStringLiteral("MEMO.XML")}), &buffer),
              0);
    EXPECT_EQ(buffer, QString());
    EXPECT_EQ(library().getPlanFlag(winPath(QStringLiteral("missing")), &buffer), 0);
    EXPECT_EQ(library().GetPlanFlag(nullptr, nullptr), 0);
}
