#include "cshelfwardenapp.h"
#include "netprofresetdlg.h"
#include "shelfwardenids.h"
#include "suitesample.h"
#include "testsuiteservices.h"

#include "platform/profile.h"
#include "ui/controls.h"
#include "ui/queuedanswerer.h"

#include "suitesampletest.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

using namespace shelfwarden;

using namespace shelfwarden_ids;

namespace {

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

void selectItem(QListWidget *list, const QString &text)
{
    // The user clicks into the list: it gets the focus, then the selection.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(list, &focusIn);
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found.first());
}

} // namespace

// The dialog on generated suite data: three bookshelves, the first two
// shared, the third without its data.
class NetProfResetDlgTest : public SuiteSampleTest
{
protected:
    NetProfResetDlgTest() : SuiteSampleTest(3) {}

    void SetUp() override
    {
        SuiteSampleTest::SetUp();
        qputenv("TESSERA_SUITE_DATA", "D:\\suite");
        qputenv("TESSERA_REGISTRY",
                QFile::encodeName(hostPath(QStringLiteral("suite/") + SuiteSample::RegistryFileName)));
    }

    void TearDown() override
    {
        qunsetenv("TESSERA_SUITE_DATA");
        qunsetenv("TESSERA_REGISTRY");
        SuiteSampleTest::TearDown();
    }

    CShelfWardenApp &app()
    {
        if (!m_app) {
            m_app = std::make_unique<CShelfWardenApp>(m_suite);
            m_app->locateDataRoot(winPath(QStringLiteral("prog\\")));
            m_app->discoverShelves();
        }
        return *m_app;
    }

    template <typename Widget>
    Widget *control(const NetProfResetDlg &dialog, int id)
    {
        Widget *widget = ui::control<Widget>(&dialog, id);
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    QString shelfFolder(int number) const
    {
        return winPath(QStringLiteral("suite\\shelves\\shelf0%1").arg(number));
    }

    const suiteapi::SuiteCommonFunctions m_suite = testSuiteCommon();
    std::unique_ptr<CShelfWardenApp> m_app;
    ui::QueuedAnswerer m_answerer;
};

TEST_F(NetProfResetDlgTest, OpensOnTheActiveBookshelfAndOwnGroup)
{
    NetProfResetDlg dialog(app());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("共有本棚の利用情報確認"));
    auto *combo = control<QComboBox>(dialog, IDC_SHELF_LIST);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("2号 道路改良工事"));
    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(), shelfFolder(2));
    EXPECT_TRUE(control<QRadioButton>(dialog, IDC_SHELF_MODE)->isChecked());
    EXPECT_FALSE(control<QPushButton>(dialog, IDC_BROWSE)->isEnabled());
    EXPECT_TRUE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());

    auto *tabs = control<QTabBar>(dialog, IDC_GROUP_TAB);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("自共有グループ"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("他共有グループ"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    // Sorted list boxes.
    EXPECT_EQ(items(control<QListWidget>(dialog, IDC_SHARING_LIST)),
              (QStringList{QStringLiteral("GENBA-01"), QStringLiteral("工務課ノート"),
                           QStringLiteral("設計室PC")}));
    EXPECT_EQ(items(control<QListWidget>(dialog, IDC_USING_LIST)),
              (QStringList{QStringLiteral("GENBA-01"), QStringLiteral("設計室PC")}));

    tabs->setCurrentIndex(1);
    EXPECT_EQ(items(control<QListWidget>(dialog, IDC_USING_LIST)),
              (QStringList{QStringLiteral("KOUMU-PC"), QStringLiteral("SITE-OFFICE-2"),
                           QStringLiteral("事務所")}));
    EXPECT_TRUE(m_answerer.messageBoxes().isEmpty());
}

TEST_F(NetProfResetDlgTest, EmptyOwnGroupSwitchesToOtherGroupsOnce)
{
    qunsetenv("TESSERA_REGISTRY");  // no installation identifier
    NetProfResetDlg dialog(app());
    auto *tabs = control<QTabBar>(dialog, IDC_GROUP_TAB);
    auto *sharing = control<QListWidget>(dialog, IDC_SHARING_LIST);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(sharing->count(), 7);

    tabs->setCurrentIndex(0);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(sharing->count(), 0);

    // Choosing a bookshelf again keeps the tab the user chose.
    auto *combo = control<QComboBox>(dialog, IDC_SHELF_LIST);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(), shelfFolder(1));
}

TEST_F(NetProfResetDlgTest, BookshelfWithoutDataLoadsNoLists)
{
    NetProfResetDlg dialog(app());
    auto *combo = control<QComboBox>(dialog, IDC_SHELF_LIST);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(),
              shelfFolder(3) + QStringLiteral("（データフォルダが見つかりません）"));
    EXPECT_EQ(app().activeShelf(), 2);
    EXPECT_EQ(control<QListWidget>(dialog, IDC_SHARING_LIST)->count(), 0);
    EXPECT_EQ(control<QListWidget>(dialog, IDC_USING_LIST)->count(), 0);
    EXPECT_FALSE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());
}

TEST_F(NetProfResetDlgTest, ChangeNeedsASelection)
{
    NetProfResetDlg dialog(app());
    control<QPushButton>(dialog, IDC_CHANGE)->click();
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    const ui::MessageBoxRequest &box = m_answerer.messageBoxes().first();
    EXPECT_EQ(box.text, QStringLiteral("クリアする対象が選択されていません。"));
    EXPECT_EQ(box.caption, QStringLiteral("エラー"));
    EXPECT_EQ(box.icon, ui::Icon::Warning);
}

TEST_F(NetProfResetDlgTest, ClearsAUsingComputer)
{
    NetProfResetDlg dialog(app());
    auto *sharing = control<QListWidget>(dialog, IDC_SHARING_LIST);
    auto *using_ = control<QListWidget>(dialog, IDC_USING_LIST);
    selectItem(sharing, QStringLiteral("設計室PC"));
    // Turning to the using list drops the sharing list's selection.
    selectItem(using_, QStringLiteral("GENBA-01"));
    EXPECT_TRUE(sharing->selectedItems().isEmpty());

    m_answerer.queueAnswer(ui::IDYES);
    m_answerer.queueAnswer(ui::IDOK);
    control<QPushButton>(dialog, IDC_CHANGE)->click();

    ASSERT_EQ(m_answerer.messageBoxes().size(), 2);
    const ui::MessageBoxRequest &question = m_answerer.messageBoxes().at(0);
    EXPECT_EQ(question.text, QStringLiteral("共有本棚 2号 道路改良工事\n使用中コンピュータ GENBA-01\n"
                                            "の利用中の情報をクリアします。\n\nよろしいですか？"));
    EXPECT_EQ(question.caption, QStringLiteral("共有本棚の利用情報の初期化"));
    EXPECT_EQ(question.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(question.icon, ui::Icon::Question);
    const ui::MessageBoxRequest &done = m_answerer.messageBoxes().at(1);
    EXPECT_EQ(done.text, QStringLiteral("利用情報の初期化を完了しました"));
    EXPECT_EQ(done.caption, QStringLiteral("共有本棚の利用情報の初期化"));
    EXPECT_EQ(done.buttons, ui::Buttons::Ok);

    EXPECT_EQ(items(using_), QStringList{QStringLiteral("設計室PC")});
    EXPECT_EQ(items(sharing).size(), 3);
    // Only the active bookshelf's profile changed.
    EXPECT_EQ(readFile(QStringLiteral("suite/shelves/shelf01/NetProf.dat")).count("LOCK"), 1);
    EXPECT_EQ(readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat")).count("LOCK"), 0);
}

TEST_F(NetProfResetDlgTest, UnregistersASharingComputerOnlyOnYes)
{
    NetProfResetDlg dialog(app());
    auto *sharing = control<QListWidget>(dialog, IDC_SHARING_LIST);
    selectItem(sharing, QStringLiteral("工務課ノート"));
    const QByteArray before = readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat"));

    m_answerer.queueAnswer(ui::IDNO);
    control<QPushButton>(dialog, IDC_CHANGE)->click();
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().first().text,
              QStringLiteral("共有本棚 2号 道路改良工事\n登録コンピュータ 工務課ノート\n"
                             "の共有を解除します。\n\nよろしいですか？"));
    EXPECT_EQ(readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat")), before);

    m_answerer.queueAnswer(ui::IDYES);
    control<QPushButton>(dialog, IDC_CHANGE)->click();
    EXPECT_EQ(items(sharing), (QStringList{QStringLiteral("GENBA-01"), QStringLiteral("設計室PC")}));
}

// A read-only NetProf.dat: nothing is removed, and the user is told so and
// which computer is still listed, never that the change was made.
TEST_F(NetProfResetDlgTest, RefusedWriteIsReportedAsAFailure)
{
    const QString profile = hostPath(QStringLiteral("suite/shelves/shelf02/NetProf.dat"));
    QFile::setPermissions(profile, QFileDevice::ReadOwner);
    const QByteArray before = readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat"));
    NetProfResetDlg dialog(app());
    auto *using_ = control<QListWidget>(dialog, IDC_USING_LIST);
    selectItem(using_, QStringLiteral("GENBA-01"));
    m_answerer.queueAnswer(ui::IDYES);
    control<QPushButton>(dialog, IDC_CHANGE)->click();

    ASSERT_EQ(m_answerer.messageBoxes().size(), 2);
    const ui::MessageBoxRequest &failed = m_answerer.messageBoxes().at(1);
    EXPECT_EQ(failed.text, QStringLiteral("利用情報の初期化に失敗しました。NetProf.datに書き込めません。\n"
                                          "次のコンピュータは一覧に残っています。\nGENBA-01"));
    EXPECT_EQ(failed.caption, QStringLiteral("共有本棚の利用情報の初期化"));
    EXPECT_EQ(failed.icon, ui::Icon::Warning);
    EXPECT_EQ(items(using_), (QStringList{QStringLiteral("GENBA-01"), QStringLiteral("設計室PC")}));
    EXPECT_EQ(readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat")), before);
}

// A profile newer than the tool is refused in bookshelf mode as in folder
// mode: warned, no lists, nothing to change, the file as it was.
TEST_F(NetProfResetDlgTest, NewerProfileIsRefusedInBookshelfModeToo)
{
    const QString profile = shelfFolder(2) + QStringLiteral("\\NetProf.dat");
    ASSERT_TRUE(win::writePrivateProfileString(QStringLiteral("VERSION"), QStringLiteral("Version"),
                                               QStringLiteral("14"), profile));
    const QByteArray before = readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat"));
    NetProfResetDlg dialog(app());
    ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).text,
              QStringLiteral("指定された共有本棚は、使用中のバージョンより新しい為修正できません。"));
    EXPECT_EQ(m_answerer.messageBoxes().at(0).icon, ui::Icon::Warning);
    EXPECT_EQ(control<QListWidget>(dialog, IDC_SHARING_LIST)->count(), 0);
    EXPECT_EQ(control<QListWidget>(dialog, IDC_USING_LIST)->count(), 0);
    EXPECT_FALSE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());
    EXPECT_EQ(readFile(QStringLiteral("suite/shelves/shelf02/NetProf.dat")), before);
}

TEST_F(NetProfResetDlgTest, FolderModeAndTheBrowserRefusals)
{
    writeFile(QStringLiteral("newer/kouji.xml"), "<kouji/>");
    writeFile(QStringLiteral("newer/NetProf.dat"), "[VERSION]\r\nVersion=14\r\n");

    NetProfResetDlg dialog(app());
    control<QRadioButton>(dialog, IDC_FOLDER_MODE)->click();
    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(), QString());
    EXPECT_EQ(control<QListWidget>(dialog, IDC_SHARING_LIST)->count(), 0);
    EXPECT_EQ(control<QListWidget>(dialog, IDC_USING_LIST)->count(), 0);
    EXPECT_FALSE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());
    EXPECT_FALSE(control<QComboBox>(dialog, IDC_SHELF_LIST)->isEnabled());
    ASSERT_TRUE(control<QPushButton>(dialog, IDC_BROWSE)->isEnabled());

    const QString missing = winPath(QStringLiteral("nowhere"));
    m_answerer.queueFolder(missing);
    m_answerer.queueFolder(winPath(QStringLiteral("suite")));
    m_answerer.queueFolder(winPath(QStringLiteral("newer")));
    m_answerer.queueFolder(shelfFolder(1));
    control<QPushButton>(dialog, IDC_BROWSE)->click();

    const QList<ui::FolderBrowseRequest> &browses = m_answerer.folderBrowses();
    ASSERT_EQ(browses.size(), 4);
    EXPECT_EQ(browses.at(0).title, QStringLiteral("共有する本棚のデータフォルダを選択してください"));
    EXPECT_EQ(browses.at(0).initialFolder, QString());
    EXPECT_EQ(browses.at(1).initialFolder, missing);
    EXPECT_EQ(browses.at(2).initialFolder, winPath(QStringLiteral("suite")));
    EXPECT_EQ(browses.at(3).initialFolder, winPath(QStringLiteral("newer")));

    const QList<ui::MessageBoxRequest> &boxes = m_answerer.messageBoxes();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes.at(0).text,
              QStringLiteral("パス(%1)が存在しません。\nパス名に使用できない文字、もしくは環境依存文字"
                             "(JIS X 0208以外の文字)が使用されている可能性があります。")
                  .arg(missing));
    EXPECT_EQ(boxes.at(0).caption, QStringLiteral("エラー"));
    EXPECT_EQ(boxes.at(0).icon, ui::Icon::Error);
    EXPECT_TRUE(boxes.at(0).foreground);
    EXPECT_EQ(boxes.at(1).text, QStringLiteral("指定されたフォルダは、共有本棚ではありません。"));
    EXPECT_EQ(boxes.at(1).icon, ui::Icon::Warning);
    EXPECT_EQ(boxes.at(2).text,
              QStringLiteral("指定された共有本棚は、使用中のバージョンより新しい為修正できません。"));

    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(), shelfFolder(1));
    EXPECT_EQ(control<QListWidget>(dialog, IDC_SHARING_LIST)->count(), 3);
    EXPECT_TRUE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());

    // The removal question names the folder.
    selectItem(control<QListWidget>(dialog, IDC_USING_LIST), QStringLiteral("設計室PC"));
    m_answerer.queueAnswer(ui::IDNO);
    control<QPushButton>(dialog, IDC_CHANGE)->click();
    EXPECT_TRUE(m_answerer.messageBoxes().last().text.startsWith(
        QStringLiteral("共有本棚 ") + shelfFolder(1) + QLatin1Char('\n')));

    // A cancelled browser leaves the target as it was.
    control<QPushButton>(dialog, IDC_BROWSE)->click();
    EXPECT_EQ(control<QLineEdit>(dialog, IDC_FOLDER)->text(), shelfFolder(1));
}

TEST_F(NetProfResetDlgTest, NoBookshelvesOpensInFolderMode)
{
    qputenv("TESSERA_SUITE_DATA", "D:\\empty");
    NetProfResetDlg dialog(app());
    EXPECT_TRUE(control<QRadioButton>(dialog, IDC_FOLDER_MODE)->isChecked());
    EXPECT_FALSE(control<QRadioButton>(dialog, IDC_SHELF_MODE)->isChecked());
    EXPECT_FALSE(control<QRadioButton>(dialog, IDC_SHELF_MODE)->isEnabled());
    EXPECT_FALSE(control<QComboBox>(dialog, IDC_SHELF_LIST)->isEnabled());
    EXPECT_FALSE(control<QPushButton>(dialog, IDC_CHANGE)->isEnabled());
    EXPECT_TRUE(control<QPushButton>(dialog, IDC_BROWSE)->isEnabled());
}
