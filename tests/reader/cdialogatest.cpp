#include "cwizsheet.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "platform/winpath.h"
#include "ui/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace reader;
namespace rootfolder = reader::ids::rootfolder;

namespace {

const QString StandardUndetermined = QStringLiteral("電子納品データの要領が判定できません。");

class CDialogATest : public ReaderWizardTest
{
protected:
    QLineEdit *folderBox() { return qobject_cast<QLineEdit *>(control(rootfolder::Folder)); }

    // Enter in the folder box presses Next without moving the focus.
    void pressEnterInFolderBox()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(folderBox(), &press);
    }

    // A new wizard, the folder typed and Next pressed.
    void nextOn(const QString &folder)
    {
        startWizard();
        enterText(rootfolder::Folder, folder);
        next();
    }
};

} // namespace

TEST_F(CDialogATest, StandardDeliveryIsReadOnceForItsFolder)
{
    generateDelivery(QStringLiteral("deliv"));
    generateDelivery(QStringLiteral("deliv2"));
    nextOn(QStringLiteral("D:\\deliv"));
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(settings().m_nDeliveryKind, StandardDelivery);
    EXPECT_TRUE(settings().m_bXmlRead);
    EXPECT_EQ(settings().m_strDataPath, QStringLiteral("D:\\deliv"));

    back();
    next();
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(dnXmlReadCalls(), 1);

    // Another folder is read afresh; the flags go with the text.
    back();
    enterText(rootfolder::Folder, QStringLiteral("D:\\deliv2"));
    EXPECT_FALSE(settings().m_bXmlRead);
    EXPECT_EQ(settings().m_nDeliveryKind, UndeterminedDelivery);
    EXPECT_EQ(settings().m_strDataPath, QStringLiteral("D:\\deliv2"));
    next();
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(dnXmlReadRoots(), QStringList({QStringLiteral("D:\\deliv"), QStringLiteral("D:\\deliv2")}));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialogATest, EditingTheFolderClearsWhatDependsOnIt)
{
    startWizard();
    settings().m_bXmlRead = true;
    settings().m_bPhotoListLoaded = true;
    settings().m_nDeliveryKind = StandardDelivery;
    enterText(rootfolder::Folder, QStringLiteral("D:\\a"));
    EXPECT_FALSE(settings().m_bXmlRead);
    EXPECT_FALSE(settings().m_bPhotoListLoaded);
    EXPECT_EQ(settings().m_nDeliveryKind, UndeterminedDelivery);
}

TEST_F(CDialogATest, ThePhotoFolderItselfIsReadFromItsParent)
{
    generateDelivery(QStringLiteral("deliv"));
    nextOn(QStringLiteral("D:\\deliv\\PHOTO"));
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(dnXmlReadRoots(), QStringList({QStringLiteral("D:\\deliv")}));
    // The folder written for the host is the one chosen.
    EXPECT_EQ(settings().m_strDataPath, QStringLiteral("D:\\deliv\\PHOTO"));
}

TEST_F(CDialogATest, RefusedReadStaysWithTheFocusInTheFolderBox)
{
    generateDelivery(QStringLiteral("deliv"));
    refuseDnXmlRead(true);
    nextOn(QStringLiteral("D:\\deliv"));
    EXPECT_EQ(currentPage(), 137);
    EXPECT_EQ(takeMessages(), QStringList({StandardUndetermined}));
    EXPECT_TRUE(folderBox()->hasFocus());
    EXPECT_FALSE(settings().m_bXmlRead);

    // Read again on the next press.
    refuseDnXmlRead(false);
    next();
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(dnXmlReadCalls(), 2);
}

TEST_F(CDialogATest, FolderShapes)
{
    generateEizen(QStringLiteral("eizen"));
    makeFolder(QStringLiteral("empty"));
    writeFile(QStringLiteral("memo/memo.doc"), "x");
    writeFile(QStringLiteral("lower/index.xml"), "<x/>");
    writeFile(QStringLiteral("lower/photo.dtd"), "");
    writeFile(QStringLiteral("photos/a.JPG"), "x");
    writeFile(QStringLiteral("photos/b.txt"), "x");
    struct Shape
    {
        const char *folder;
        int page;
        QStringList messages;
    };
    const QList<Shape> shapes = {
        {"eizen", 142, {}},
        {"empty", 142, {}},
        {"photos", 142, {}},
        {"memo", 137, {StandardUndetermined}},
        // xml and dtd in lower case are no delivery's own files.
        {"lower", 137, {StandardUndetermined}},
    };
    for (const Shape &shape : shapes) {
        SCOPED_TRACE(shape.folder);
        nextOn(QStringLiteral("D:\\") + QLatin1String(shape.folder));
        EXPECT_EQ(currentPage(), shape.page);
        EXPECT_EQ(takeMessages(), shape.messages);
    }
    EXPECT_EQ(dnXmlReadCalls(), 0);
}

TEST_F(CDialogATest, GovernmentBuildingDriveRootIsRefused)
{
    generateEizen(QStringLiteral("disc"));
    win::mapDrive(QLatin1Char('E'), hostPath(QStringLiteral("disc")));
    nextOn(QStringLiteral("E:\\"));
    EXPECT_EQ(currentPage(), 137);
    EXPECT_EQ(takeMessages(),
              QStringList({QStringLiteral("営繕工事の場合は工事名称のフォルダを指定してください")}));
    EXPECT_EQ(settings().m_nDeliveryKind, GovernmentBuildingDelivery);
}

TEST_F(CDialogATest, MissingFolderIsReportedByTheBoxThenByNext)
{
    const QStringList missing({QStringLiteral("パス(D:\\nope)が存在しません。")});
    nextOn(QStringLiteral("D:\\nope"));
    // The box reported it on losing the focus, and the click went to that
    // message.
    EXPECT_EQ(currentPage(), 137);
    EXPECT_EQ(takeMessages(), missing);

    next();
    EXPECT_EQ(currentPage(), 137);
    EXPECT_EQ(takeMessages(), missing);
}

TEST_F(CDialogATest, LeavingTheBoxChecksTheFolderOnlyWhenThereIsOne)
{
    startWizard();
    QWidget *browse = control(rootfolder::Browse);
    enterText(rootfolder::Folder, QString());
    browse->setFocus();
    EXPECT_TRUE(takeMessages().isEmpty());

    makeFolder(QStringLiteral("here"));
    enterText(rootfolder::Folder, QStringLiteral("D:\\here"));
    browse->setFocus();
    EXPECT_TRUE(takeMessages().isEmpty());

    enterText(rootfolder::Folder, QStringLiteral("D:\\nope"));
    browse->setFocus();
    EXPECT_EQ(takeMessages(), QStringList({QStringLiteral("パス(D:\\nope)が存在しません。")}));
}

TEST_F(CDialogATest, EnterOnAMissingFolderIsReportedOnce)
{
    startWizard();
    enterText(rootfolder::Folder, QStringLiteral("D:\\nope"));
    // The box showing takes the focus from the folder box, whose own check
    // must not report the folder again.
    FocusTakingAnswerer answerer;
    pressEnterInFolderBox();
    EXPECT_EQ(currentPage(), 137);
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("パス(D:\\nope)が存在しません。")}));
    EXPECT_TRUE(folderBox()->hasFocus());
}

TEST_F(CDialogATest, BrowsedFolderTakesThePlaceOfTheTypedOne)
{
    makeFolder(QStringLiteral("chosen"));
    startWizard();
    m_answerer.queueFolder(QStringLiteral("D:\\chosen"));
    click(rootfolder::Browse);
    ASSERT_EQ(m_answerer.folderBrowses().size(), 1);
    EXPECT_EQ(m_answerer.folderBrowses().at(0).title,
              QStringLiteral("電子納品データのルートフォルダを選択してください。"));
    EXPECT_EQ(folderBox()->text(), QStringLiteral("D:\\chosen"));
    EXPECT_EQ(settings().m_strDataPath, QStringLiteral("D:\\chosen"));
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Next);

    // Cancelled: the folder stays, and so does what was read for it.
    settings().m_bXmlRead = true;
    m_answerer.queueFolder(std::nullopt);
    click(rootfolder::Browse);
    EXPECT_EQ(folderBox()->text(), QStringLiteral("D:\\chosen"));
    EXPECT_TRUE(settings().m_bXmlRead);
}

TEST_F(CDialogATest, EscapeClosesWithoutCheckingTheFolder)
{
    startWizard();
    enterText(rootfolder::Folder, QStringLiteral("D:\\nope"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(folderBox(), &press);
    QApplication::processEvents();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(sheet().result(), ui::WizardSheet::CancelResult);
    EXPECT_TRUE(takeMessages().isEmpty());
}
