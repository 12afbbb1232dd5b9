#include "cdialog10.h"
#include "cdialog9.h"
#include "cwizsheet.h"
#include "importsummary.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "ui/reportlist.h"

#include <functional>

using namespace reader;
namespace ids = reader::ids;

namespace {

class CDialog10Test : public ReaderWizardTest
{
protected:
    void SetUp() override
    {
        ReaderWizardTest::SetUp();
        settings().m_strDataRoot = QStringLiteral("D:\\本棚");
    }

    // The standard route on a generated delivery, up to the summary, with
    // what the user does on the album method and import mode pages.
    void standardRoute(const std::function<void()> &onAlbumMethod,
                       const std::function<void()> &onImportMode)
    {
        generateDelivery(QStringLiteral("納品/工事Ａ"));
        startWizard();
        enterText(ids::rootfolder::Folder, QStringLiteral("D:\\納品\\工事Ａ"));
        for (int page : {130, 136, 134}) {
            next();
            ASSERT_EQ(currentPage(), page);
        }
        onAlbumMethod();
        next();
        ASSERT_EQ(currentPage(), ids::importmode::Template);
        onImportMode();
        next();
        ASSERT_EQ(currentPage(), ids::summary::Template);
    }

    // The last two pages, as the government-building route reaches them.
    void governmentBuildingRoute()
    {
        settings().m_strDataPath = QStringLiteral("D:\\営繕\\庁舎改修");
        settings().m_nDeliveryKind = GovernmentBuildingDelivery;
        settings().m_nPhotoCount = 0;
        settings().m_nAlbumNum = 1;
        settings().m_albums[0].albumName = QStringLiteral("庁舎改修");
        auto *wizard = new ui::WizardSheet;
        wizard->addPage(new CDialog9(settings()));
        wizard->addPage(new CDialog10(settings()));
        startWizard(wizard);
        next();
        ASSERT_EQ(currentPage(), ids::summary::Template);
    }

    QByteArray finishAndRead()
    {
        finish();
        EXPECT_EQ(sheet().result(), ui::WizardSheet::FinishResult);
        return readHostFile(tempHostPath(QStringLiteral("G_INPUTXML.dat")));
    }

    ui::ReportList *list() { return qobject_cast<ui::ReportList *>(control(ids::summary::SummaryList)); }
};

void nothing() {}

} // namespace

TEST_F(CDialog10Test, ProposedFolderKept)
{
    standardRoute(nothing, nothing);
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Finish);
    EXPECT_EQ(finishAndRead(), testData(QStringLiteral("reader/standard_new_proposed.dat")));
}

TEST_F(CDialog10Test, ProposedFolderEmptied)
{
    standardRoute(nothing, [this] { enterText(ids::importmode::ShelfPath, QString()); });
    // The summary names the folder the host will take.
    bool proposalShown = false;
    for (int row = 0; row < list()->itemCount(); ++row) {
        proposalShown = proposalShown
            || (list()->itemText(row, 0) == QStringLiteral("　本棚作成フォルダパス")
                && list()->itemText(row, 1) == QStringLiteral("D:\\本棚\\data"));
    }
    EXPECT_TRUE(proposalShown);
    EXPECT_EQ(finishAndRead(), testData(QStringLiteral("reader/standard_new_emptied.dat")));
}

TEST_F(CDialog10Test, OtherFolderChosen)
{
    makeFolder(QStringLiteral("本棚"));
    standardRoute(nothing, [this] {
        m_answerer.queueAnswer(ui::IDYES);
        enterText(ids::importmode::ShelfPath, QStringLiteral("D:\\本棚\\新しい本棚"));
    });
    EXPECT_EQ(finishAndRead(), testData(QStringLiteral("reader/standard_new_changed.dat")));
}

TEST_F(CDialog10Test, ReferenceOnly)
{
    standardRoute(nothing, [this] { click(ids::importmode::ReferOnly); });
    EXPECT_EQ(finishAndRead(), testData(QStringLiteral("reader/standard_refer_only.dat")));
}

TEST_F(CDialog10Test, ByClassificationWithJapaneseNames)
{
    standardRoute(
        [this] {
            click(ids::albummethod::ByClass);
            click(ids::albummethod::Level3);
            // As the photo information page leaves the name choice.
            settings().m_nFileNameByPhoto = 0;
            settings().m_nFileNameByJapanese = 1;
        },
        nothing);
    EXPECT_EQ(finishAndRead(), testData(QStringLiteral("reader/standard_by_class_japanese.dat")));
}

TEST_F(CDialog10Test, GovernmentBuildingEditions)
{
    governmentBuildingRoute();
    EXPECT_EQ(finishAndRead(),
              testData(QStringLiteral("reader/government_album_without_folders.dat")));

    // The 2002 revision has no file name line.
    settings().m_nStd2012 = 0;
    settings().m_nStd2002 = 1;
    governmentBuildingRoute();
    const QByteArray written = finishAndRead();
    EXPECT_TRUE(written.contains(utf16le(QStringLiteral("type=3\r\nphotonum=0\r\nsize=1\r\n"), false)));
    EXPECT_FALSE(written.contains(utf16le(QStringLiteral("filename="), false)));
}

TEST_F(CDialog10Test, ColumnsAreSizedAtTheFirstShowing)
{
    standardRoute(nothing, nothing);
    const QString heading = summaryValueHeading(settings());
    EXPECT_EQ(list()->columnCount(), 2);
    EXPECT_EQ(list()->columnHeading(0), QString(35, u' '));
    EXPECT_EQ(list()->columnWidth(0), list()->textWidth(QString(35, u' ')) + 15);
    EXPECT_EQ(list()->columnHeading(1), heading);
    EXPECT_EQ(list()->columnWidth(1), list()->textWidth(heading) + 45);

    // Shown again after a longer folder was typed: new rows, same columns.
    back();
    makeFolder(QStringLiteral("本棚"));
    m_answerer.queueAnswer(ui::IDYES);
    enterText(ids::importmode::ShelfPath, QStringLiteral("D:\\本棚\\とても長い名前の新しい本棚フォルダ"));
    next();
    ASSERT_EQ(currentPage(), ids::summary::Template);
    EXPECT_EQ(list()->columnCount(), 2);
    EXPECT_EQ(list()->columnHeading(1), heading);
    EXPECT_EQ(list()->columnWidth(1), list()->textWidth(heading) + 45);
    const QList<SummaryRow> expected = importSummaryRows(settings());
    ASSERT_EQ(list()->itemCount(), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(list()->itemText(row, 0), expected.at(row).label);
        EXPECT_EQ(list()->itemText(row, 1), expected.at(row).value);
    }
}

TEST_F(CDialog10Test, SettingsFileThatCannotBeWrittenKeepsTheWizardOpen)
{
    standardRoute(nothing, nothing);
    qputenv("TMP", "D:\\gone\\");
    finish();
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_EQ(takeMessages(),
              QStringList({QStringLiteral("ファイル(D:\\gone\\G_INPUTXML.dat)のオープンに失敗しました。")}));

    // The user makes room and tries again.
    makeFolder(QStringLiteral("gone"));
    finish();
    EXPECT_EQ(sheet().result(), ui::WizardSheet::FinishResult);
    EXPECT_EQ(readFile(QStringLiteral("gone/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/standard_new_proposed.dat")));
}
