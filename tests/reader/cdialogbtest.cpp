#include "foldertreetest.h"

#include "cdialogb.h"
#include "readerids.h"

#include "ui/wizardsheet.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using reader::CDialogB;
using reader::CKaisouTree;
namespace ids = reader::ids;

namespace {

const QString NoPhotos = QStringLiteral("指定した階層に写真ファイルがないので、もう一度選択してください。");

// Another page of the wizard, reduced to where its Back leads.
class OtherPage : public ui::PropertyPage
{
public:
    OtherPage(int templateId, int back)
        : ui::PropertyPage(templateId, QStringLiteral("page"))
        , m_back(back)
    {
    }

    bool onSetActive() override
    {
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
        return true;
    }
    int onWizardBack() override { return m_back; }

private:
    int m_back;
};

} // namespace

// The hierarchy page in a sheet of the wizard's eight pages in their order;
// the others only lead on as the government-building route needs.
class CDialogBTest : public FolderTreeTest
{
protected:
    void SetUp() override
    {
        FolderTreeTest::SetUp();
        settings().m_strProgramDir = QStringLiteral("P:\\");
        m_sheet = std::make_unique<ui::WizardSheet>();
        m_sheet->addPage(new OtherPage(ids::rootfolder::Template, 0));
        m_sheet->addPage(new OtherPage(ids::standardversion::Template, 0));
        m_page = new CDialogB(settings());
        m_sheet->addPage(m_page);
        for (int id : {ids::basicinfo::Template, ids::photoinfo::Template, ids::albummethod::Template})
            m_sheet->addPage(new OtherPage(id, 0));
        m_sheet->addPage(new OtherPage(ids::importmode::Template, ids::hierarchy::Template));
        m_sheet->addPage(new OtherPage(ids::summary::Template, 0));
        showActive(m_sheet.get());
        ASSERT_TRUE(m_sheet->activateFirstPage());
    }

    void TearDown() override
    {
        m_sheet.reset();
        FolderTreeTest::TearDown();
    }

    // On to the version page of a government-building delivery.
    void toVersionPage(const QString &root, bool h24)
    {
        settings().m_strDataPath = winPath(root);
        settings().m_nStd2012 = h24 ? 1 : 0;
        settings().m_nStd2002 = h24 ? 0 : 1;
        settings().m_bTreeBuilt = false;
        next();
        ASSERT_EQ(currentPage(), ids::standardversion::Template);
    }

    void next() { m_sheet->pressButton(ui::WizardSheet::NextButton); }
    void back() { m_sheet->pressButton(ui::WizardSheet::BackButton); }
    int currentPage() const { return m_sheet->currentPage()->templateId(); }
    CKaisouTree &pageTree() const { return *m_page->tree(); }

    std::unique_ptr<ui::WizardSheet> m_sheet;
    CDialogB *m_page = nullptr;
};

TEST_F(CDialogBTest, NextPlansTheAlbumsAndGoesToTheImportModePage)
{
    makeFolders({{QStringLiteral("r/A"), 2}, {QStringLiteral("r/B"), 3}});
    toVersionPage(QStringLiteral("r"), true);
    next();
    ASSERT_EQ(currentPage(), ids::hierarchy::Template);
    EXPECT_EQ(m_sheet->wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    EXPECT_EQ(QApplication::focusWidget(), &pageTree());
    EXPECT_TRUE(settings().m_bTreeBuilt);
    EXPECT_EQ(pageTree().rootItem()->childCount(), 2);

    next();
    EXPECT_EQ(currentPage(), ids::importmode::Template);
    EXPECT_EQ(settings().m_nAlbumNum, 2);
    EXPECT_EQ(settings().m_nPhotoCount, 5);
    EXPECT_TRUE(m_answerer.messageBoxes().isEmpty());
}

TEST_F(CDialogBTest, NoPhotosUnderTheTickedFoldersKeepsThePage)
{
    makeFolders({{QStringLiteral("r/A"), 0}, {QStringLiteral("r/B"), 3}});
    toVersionPage(QStringLiteral("r"), false);
    next();
    pageTree().toggleItem(pageTree().rootItem());
    pageTree().toggleItem(pageTree().rootItem()->child(1));
    next();
    EXPECT_EQ(currentPage(), ids::hierarchy::Template);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).text, NoPhotos);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).buttons, ui::Buttons::Ok);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).icon, ui::Icon::Warning);
    EXPECT_EQ(settings().m_nPhotoCount, 0);
}

TEST_F(CDialogBTest, MoreThanHundredAlbumsKeepThePage)
{
    for (int i = 1; i <= reader::MaxAlbums + 1; ++i)
        makeFolders({{QStringLiteral("r/%1").arg(i), 1}});
    toVersionPage(QStringLiteral("r"), false);
    next();
    next();
    EXPECT_EQ(currentPage(), ids::hierarchy::Template);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).text,
              QStringLiteral("作成するアルバムが100個を超えるため、階層を指定し直してください。"));
    EXPECT_EQ(settings().m_nAlbumNum, 0);
}

TEST_F(CDialogBTest, ComingBackKeepsTheTicksUntilTheFlagIsCleared)
{
    makeFolders({{QStringLiteral("r/A"), 2}});
    toVersionPage(QStringLiteral("r"), false);
    next();
    pageTree().toggleItem(pageTree().rootItem()->child(0));
    // A folder made meanwhile shows only after a rebuild.
    makeFolders({{QStringLiteral("r/B"), 1}});
    next();
    ASSERT_EQ(currentPage(), ids::importmode::Template);
    back();
    ASSERT_EQ(currentPage(), ids::hierarchy::Template);
    EXPECT_FALSE(CKaisouTree::isTicked(pageTree().rootItem()->child(0)));
    EXPECT_EQ(pageTree().rootItem()->childCount(), 1);

    settings().m_bTreeBuilt = false;
    next();
    back();
    ASSERT_EQ(currentPage(), ids::hierarchy::Template);
    EXPECT_TRUE(CKaisouTree::isTicked(pageTree().rootItem()->child(0)));
    EXPECT_EQ(pageTree().rootItem()->childCount(), 2);
}

// Neither a folder name over the limit nor a template that cannot be copied
// lets the wizard past the version page: what follows must follow a tree
// that was built whole. The next visit builds it again.
TEST_F(CDialogBTest, FailedBuildKeepsTheWizardOnTheVersionPage)
{
    const QString longName = QStringLiteral("r/A/") + QString(CKaisouTree::MaxFolderNameLength + 1, u'x');
    makeFolders({{QStringLiteral("r/A"), 1}, {longName, 1}});
    toVersionPage(QStringLiteral("r"), false);
    next();
    EXPECT_EQ(currentPage(), ids::standardversion::Template);
    EXPECT_EQ(settings().m_nTreeError, 1);
    EXPECT_FALSE(settings().m_bTreeBuilt);
    next();
    EXPECT_EQ(currentPage(), ids::standardversion::Template);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 2) << "built and refused again";

    // A read-only KOUJIMASTER.MDB left in the temp folder: the import is
    // interrupted, as the message says, and no false "no photos" follows.
    ASSERT_TRUE(QDir(hostPath(longName)).removeRecursively());
    writeFile(QStringLiteral("temp/KOUJIMASTER.MDB"), "stale");
    QFile::setPermissions(tempHostPath(QStringLiteral("KOUJIMASTER.MDB")), QFileDevice::ReadOwner);
    m_answerer.clearRecords();
    next();
    EXPECT_EQ(currentPage(), ids::standardversion::Template);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).text, reader::KoujiMaster::TemplateCopyFailed.toString());
    EXPECT_EQ(readFile(QStringLiteral("temp/KOUJIMASTER.MDB")), QByteArray("stale"));

    // Mended, the tree is built; backward from the import mode page a
    // failed rebuild leads to the version page as well.
    QFile::setPermissions(tempHostPath(QStringLiteral("KOUJIMASTER.MDB")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    next();
    ASSERT_EQ(currentPage(), ids::hierarchy::Template);
    next();
    ASSERT_EQ(currentPage(), ids::importmode::Template);
    makeFolders({{longName, 1}});
    settings().m_bTreeBuilt = false;
    back();
    EXPECT_EQ(currentPage(), ids::standardversion::Template);
}
