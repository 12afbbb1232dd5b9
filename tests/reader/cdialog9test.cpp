#include "cdialog9.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "ui/controls.h"

#include <QDir>

using namespace reader;
namespace importmode = reader::ids::importmode;

namespace {

const QString Malformed = QStringLiteral(
    "パス(%1)が存在しません。\n"
    "パス名に使用できない文字、もしくは環境依存文字(JIS X 0208以外の文字)が使用されている可能性があります。");
const QString HoldsData = QStringLiteral(
    "指定されたフォルダに既存データがあります。データのないフォルダを選択してください。");

class CDialog9Test : public ReaderWizardTest
{
protected:
    // The page before a stand-in for the summary page.
    void startPage()
    {
        auto *wizard = new ui::WizardSheet;
        wizard->addPage(new CDialog9(settings()));
        wizard->addPage(new StandInPage(ids::summary::Template));
        startWizard(wizard);
        ASSERT_EQ(currentPage(), importmode::Template);
    }

    QString shelfText() { return ui::controlText(control(importmode::ShelfPath)); }

    // Next on the folder typed into the box.
    void nextOn(const QString &folder)
    {
        enterText(importmode::ShelfPath, folder);
        next();
    }

    bool folderExists(const QString &relative) { return QDir(hostPath(relative)).exists(); }
};

} // namespace

TEST_F(CDialog9Test, ProposesAFolderUnderTheDataRootOnce)
{
    startPage();
    EXPECT_EQ(shelfText(), QStringLiteral("D:\\shelves\\data"));
    EXPECT_EQ(settings().m_strShelfDefault, QStringLiteral("D:\\shelves\\data"));
    EXPECT_EQ(settings().m_strShelfPath, QStringLiteral("D:\\shelves\\data"));
    EXPECT_EQ(settings().m_bShelfDefaultSet, 1);
    EXPECT_EQ(ui::checkState(control(importmode::ImportNew)), 1);
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);

    // Shown again, the page keeps what the box holds.
    enterText(importmode::ShelfPath, QString());
    next();
    back();
    EXPECT_EQ(currentPage(), importmode::Template);
    EXPECT_EQ(shelfText(), QString());
    EXPECT_EQ(settings().m_strShelfDefault, QStringLiteral("D:\\shelves\\data"));
}

TEST_F(CDialog9Test, TheShelfNumberNamesTheProposedFolder)
{
    settings().m_nShelfNumber = 2;
    startPage();
    EXPECT_EQ(shelfText(), QStringLiteral("D:\\shelves\\data2"));
}

TEST_F(CDialog9Test, ProposalAndEmptyBoxAreLeftToTheHost)
{
    writeFile(QStringLiteral("shelves/data/old.dat"), "x");
    startPage();
    next();
    EXPECT_EQ(currentPage(), ids::summary::Template);
    back();
    nextOn(QString());
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog9Test, NewFolderIsCreatedWhenTheUserAgrees)
{
    makeFolder(QStringLiteral("shelves"));
    startPage();
    m_answerer.queueAnswer(ui::IDNO);
    nextOn(QStringLiteral("D:\\shelves\\new"));
    EXPECT_EQ(currentPage(), importmode::Template);
    EXPECT_FALSE(folderExists(QStringLiteral("shelves/new")));
    EXPECT_TRUE(control(importmode::ShelfPath)->hasFocus());

    m_answerer.queueAnswer(ui::IDYES);
    next();
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(folderExists(QStringLiteral("shelves/new")));

    ASSERT_EQ(m_answerer.messageBoxes().size(), 2);
    for (const ui::MessageBoxRequest &box : m_answerer.messageBoxes()) {
        EXPECT_EQ(box.text, QStringLiteral("パス(D:\\shelves\\new)を\n\n新規に作成しますか？"));
        EXPECT_EQ(box.buttons, ui::Buttons::YesNo);
        EXPECT_EQ(box.icon, ui::Icon::Question);
    }
}

TEST_F(CDialog9Test, FolderThatCannotBeCreatedIsAnError)
{
    startPage();
    m_answerer.queueAnswer(ui::IDYES);
    nextOn(QStringLiteral("D:\\missing\\new"));
    EXPECT_EQ(currentPage(), importmode::Template);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 2);
    const ui::MessageBoxRequest &error = m_answerer.messageBoxes().at(1);
    EXPECT_EQ(error.text, Malformed.arg(QStringLiteral("D:\\missing\\new")));
    EXPECT_EQ(error.caption, QStringLiteral("エラー"));
    EXPECT_EQ(error.icon, ui::Icon::Error);
    EXPECT_TRUE(error.foreground);
}

TEST_F(CDialog9Test, FolderWithDataIsRefused)
{
    writeFile(QStringLiteral("used/a.txt"), "x");
    makeFolder(QStringLiteral("unused"));
    startPage();
    nextOn(QStringLiteral("D:\\used"));
    EXPECT_EQ(currentPage(), importmode::Template);
    EXPECT_EQ(takeMessages(), QStringList({HoldsData}));
    EXPECT_TRUE(control(importmode::Browse)->hasFocus());

    // An existing empty folder takes the bookshelf without a question.
    nextOn(QStringLiteral("D:\\unused"));
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog9Test, MalformedPathsAreRefused)
{
    writeFile(QStringLiteral("file.txt"), "x");
    startPage();
    const QList<std::pair<QString, QString>> refusals = {
        {QStringLiteral("D:"), QStringLiteral("入力したパス(D:)が正しくありません。\n\n再入力してください。")},
        {QStringLiteral("D:\\a?b"), Malformed.arg(QStringLiteral("D:\\a?b"))},
        {QStringLiteral("D:\\a\\"), Malformed.arg(QStringLiteral("D:\\a\\"))},
        {QStringLiteral("D:\\file.txt"), Malformed.arg(QStringLiteral("D:\\file.txt"))},
    };
    for (const auto &[path, message] : refusals) {
        SCOPED_TRACE(path.toStdString());
        nextOn(path);
        EXPECT_EQ(currentPage(), importmode::Template);
        EXPECT_EQ(takeMessages(), QStringList({message}));
        EXPECT_TRUE(control(importmode::ShelfPath)->hasFocus());
    }
}

TEST_F(CDialog9Test, ReferenceOnlyNeverChecksTheFolder)
{
    startPage();
    enterText(importmode::ShelfPath, QStringLiteral("D:\\a?b"));
    click(importmode::ReferOnly);
    EXPECT_EQ(settings().m_nImportNew, 0);
    EXPECT_EQ(settings().m_nReferOnly, 1);
    EXPECT_FALSE(control(importmode::ShelfPath)->isEnabled());
    EXPECT_FALSE(control(importmode::Browse)->isEnabled());
    next();
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_TRUE(takeMessages().isEmpty());

    // The typed folder waits for the user's return to a new bookshelf.
    back();
    click(importmode::ImportNew);
    EXPECT_TRUE(control(importmode::ShelfPath)->isEnabled());
    EXPECT_EQ(shelfText(), QStringLiteral("D:\\a?b"));
    EXPECT_EQ(settings().m_nImportNew, 1);
}

TEST_F(CDialog9Test, NoNewBookshelfLeavesOnlyReferenceOnlyToChoose)
{
    settings().m_nNoNewShelf = 1;
    startPage();
    EXPECT_EQ(ui::checkState(control(importmode::ImportNew)), 1);
    EXPECT_FALSE(control(importmode::ImportNew)->isEnabled());
    click(importmode::ReferOnly);
    EXPECT_EQ(settings().m_nReferOnly, 1);
    click(importmode::ImportNew);
    EXPECT_EQ(settings().m_nImportNew, 0);
}

TEST_F(CDialog9Test, BrowsedFolderGoesIntoTheBox)
{
    startPage();
    m_answerer.queueFolder(QStringLiteral("D:\\elsewhere"));
    click(importmode::Browse);
    ASSERT_EQ(m_answerer.folderBrowses().size(), 1);
    EXPECT_EQ(m_answerer.folderBrowses().at(0).title, QStringLiteral("本棚作成フォルダパスを選択してください"));
    EXPECT_EQ(shelfText(), QStringLiteral("D:\\elsewhere"));
    EXPECT_EQ(settings().m_strShelfPath, QStringLiteral("D:\\elsewhere"));

    m_answerer.queueFolder(std::nullopt);
    click(importmode::Browse);
    EXPECT_EQ(shelfText(), QStringLiteral("D:\\elsewhere"));
}
