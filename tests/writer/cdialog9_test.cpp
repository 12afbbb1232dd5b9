#include "cdialog9.h"
#include "cwizsheet.h"
#include "writerids.h"

#include "photodatabasefixture.h"
#include "writerwizardtest.h"

#include "ui/reportlist.h"

#include <QDir>
#include <QFileInfo>

using namespace writer;

namespace {

int alwaysWritable(char16_t *)
{
    return 1;
}

int g_errInfCalls = 0;
QString g_errInfPath;

int fakeErrInfMake4(char16_t *path, int)
{
    ++g_errInfCalls;
    g_errInfPath = QString::fromUtf16(path);
    return 1;
}

class CDialog9Test : public WriterWizardTest
{
protected:
    // Code 28 walked to the summary with an empty output folder.
    void walkToSummary()
    {
        g_errInfCalls = 0;
        suite().suiteCommon.isThisDriveWritable = alwaysWritable;
        suite().worksdata.dnErrInfMake4 = fakeErrInfMake4;
        ASSERT_TRUE(writePhotoDatabase(tempHostPath(QStringLiteral("G_PHOTO.mdb")), {}));
        makeFolder(QStringLiteral("out"));
        startWizard(28);
        nextFromAlbums();
        next();
        enterText(ids::destination::Folder, winPath(QStringLiteral("out")));
        next();
        ASSERT_EQ(currentPage(), ids::summary::Template);
    }
};

} // namespace

TEST_F(CDialog9Test, ListsTheRowsAndFinishesOnceTheFileIsWritten)
{
    walkToSummary();
    auto *list = qobject_cast<ui::ReportList *>(control(ids::summary::SummaryList));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->itemCount(), 9);
    EXPECT_EQ(list->itemText(6, 1), winPath(QStringLiteral("out")));
    EXPECT_EQ(list->columnHeading(0), QStringLiteral("  "));

    finish();
    EXPECT_EQ(sheet().result(), ui::WizardSheet::FinishResult);
    EXPECT_EQ(g_errInfCalls, 1);
    EXPECT_EQ(g_errInfPath, QStringLiteral("D:\\shelf\\KOUJI.XML"));
    const QByteArray file = readHostFile(tempHostPath(QStringLiteral("G_OUTPUTXML.dat")));
    EXPECT_TRUE(file.startsWith(utf16le(QStringLiteral("[XMLOUT]\r\nfoldertype=28\r\n"))));
}

TEST_F(CDialog9Test, StaysWhenTheFileCannotBeWritten)
{
    walkToSummary();
    // A folder in the file's place: it cannot be opened.
    QDir().mkpath(tempHostPath(QStringLiteral("G_OUTPUTXML.dat")));
    finish();
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("ファイル(%1)のオープンに失敗しました。")
                              .arg(tempWinPath() + QStringLiteral("G_OUTPUTXML.dat"))});
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_TRUE(QFileInfo(tempHostPath(QStringLiteral("G_OUTPUTXML.dat"))).isDir());
}
