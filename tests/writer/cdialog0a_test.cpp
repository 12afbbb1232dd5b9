#include "cdialog0a.h"
#include "cwizsheet.h"
#include "writerids.h"

#include "platform/profile.h"

#include "writerwizardtest.h"

#include <QCoreApplication>
#include <QLabel>

using namespace writer;

namespace {

class CDialog0ATest : public WriterWizardTest
{
protected:
    // G_ALBUMLIST.dat as the host writes it.
    void writeAlbumList(int count, const QList<qint32> &albums)
    {
        const QString file = tempWinPath() + QStringLiteral("G_ALBUMLIST.dat");
        const QString section = QStringLiteral("COMMON");
        win::writePrivateProfileString(section, QStringLiteral("DataDir"),
                                       QStringLiteral("D:\\TesseraData"), file);
        win::writePrivateProfileString(section, QStringLiteral("SelectedBks"),
                                       QStringLiteral("2"), file);
        win::writePrivateProfileString(section, QStringLiteral("SelectedAbmNum"),
                                       QString::number(count), file);
        QByteArray block;
        for (const qint32 album : albums)
            block.append(reinterpret_cast<const char *>(&album), sizeof album);
        win::writePrivateProfileStruct(section, QStringLiteral("SelectedAbm"), block, file);
    }
};

} // namespace

TEST_F(CDialog0ATest, HandsTheHostsSelectionToTheTreeOnce)
{
    writeAlbumList(3, {4, 7, 9});
    startWizard(25);
    EXPECT_EQ(workstree().createWorksTree, 1);
    EXPECT_EQ(workstree().dataFolder, QStringLiteral("D:\\TesseraData"));
    EXPECT_EQ(workstree().shelfNumber, 2);
    EXPECT_EQ(workstree().albumNumbers, QList<int>({4, 7, 9}));
    EXPECT_EQ(workstree().rectangle, QRect(QPoint(48, 60), QPoint(720, 448)));
    EXPECT_EQ(workstree().parentWindow, sheet().pageByTemplate(ids::albums::Template));
    EXPECT_EQ(settings().m_nTreeCreated, 1);
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Next);
}

TEST_F(CDialog0ATest, ABlockWrittenForAnotherCountReachesTheTreeAsZeros)
{
    writeAlbumList(3, {4, 7});
    startWizard(25);
    EXPECT_EQ(workstree().albumNumbers, QList<int>({0, 0, 0}));

    writeAlbumList(0, {});
    workstree() = WorkstreeCalls();
    startWizard(25);
    EXPECT_TRUE(workstree().albumNumbers.isEmpty());
    EXPECT_EQ(workstree().shelfNumber, 2);
}

TEST_F(CDialog0ATest, AboveNinetySixDotsPerInchTheTreeFollowsThePageSize)
{
    startWizard(25);
    auto *page = static_cast<CDialog0A *>(sheet().pageByTemplate(ids::albums::Template));
    EXPECT_EQ(page->treeRectangle(96), QRect(QPoint(48, 60), QPoint(720, 448)));
    EXPECT_EQ(page->treeRectangle(120),
              QRect(QPoint(52, 80), QPoint(page->width() - 65, page->height() - 80)));
}

TEST_F(CDialog0ATest, TheInstructionTextsFitWhollyAboveAndBelowTheTree)
{
    startWizard(25);
    const QWidget *page = sheet().pageByTemplate(ids::albums::Template);
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 2);
    for (const QLabel *label : labels) {
        SCOPED_TRACE(qPrintable(label->text().left(8)));
        EXPECT_FALSE(label->geometry().intersects(workstree().rectangle));
        EXPECT_TRUE(page->rect().contains(label->geometry()));
        // Wrapped at its width, the whole text fits the label's height.
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    }
}

TEST_F(CDialog0ATest, ATreeThatCannotBeMadeIsReportedOnceAndThePageStaysUsable)
{
    workstree().treeCreated = false;
    startWizard(25);
    EXPECT_EQ(takeMessages(), QStringList({QStringLiteral("ツリービューが作成できません。")}));
    nextFromAlbums();
    back();
    EXPECT_EQ(workstree().createWorksTree, 1);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog0ATest, WithoutPhotosTheWarningNamesWhatIsMissingAndThePageStays)
{
    for (const auto &[code, text] :
         {std::pair{28, QStringLiteral("工事写真が１枚も登録されていません")},
          std::pair{25, QStringLiteral("工事写真情報が１件も登録されていません")}}) {
        SCOPED_TRACE(code);
        workstree().hasPhotos = false;
        startWizard(code);
        m_answerer.clearRecords();
        next();
        // The wizard takes no input until workstree has answered.
        EXPECT_FALSE(sheet().isEnabled());
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(sheet().isEnabled());
        EXPECT_EQ(currentPage(), ids::albums::Template);
        ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
        const ui::MessageBoxRequest box = m_answerer.messageBoxes().constFirst();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, QStringLiteral("Tessera　Orbis"));
        EXPECT_EQ(box.icon, ui::Icon::Warning);
    }
}

TEST_F(CDialog0ATest, TheChosenBookshelfsOtherDataFlagIsTakenAfterEachBuild)
{
    workstree().otherData = 1;
    startWizard(25);
    nextFromAlbums();
    EXPECT_EQ(settings().m_nOtherData, 1);
    back();
    workstree().otherData = 0;
    nextFromAlbums();
    EXPECT_EQ(settings().m_nOtherData, 0);
}
