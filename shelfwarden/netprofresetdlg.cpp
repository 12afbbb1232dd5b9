#include "netprofresetdlg.h"
#include "ui_netprofresetdlg.h"

#include "computerremoval.h"
#include "cshelfwardenapp.h"
#include "installationid.h"
#include "sharedshelfcheck.h"
#include "shelfpaths.h"
#include "usagelists.h"

#include "netprof/netprofile.h"
#include "pathchecks.h"
#include "platform/findfile.h"
#include "platform/pathnames.h"
#include "suitemessages.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/waitcursor.h"

#include <QSignalBlocker>

namespace shelfwarden {

namespace {

constexpr int OwnGroupTab = 0;
constexpr int OtherGroupsTab = 1;

const QString NothingSelectedText = QStringLiteral("クリアする対象が選択されていません。");
const QString RemovalCaption = QStringLiteral("共有本棚の利用情報の初期化");
const QString RemovalDoneText = QStringLiteral("利用情報の初期化を完了しました");
const QString RemovalFailedText = QStringLiteral(
    "利用情報の初期化に失敗しました。NetProf.datに書き込めません。\n"
    "次のコンピュータは一覧に残っています。\n%1");
const QString BrowseTitle = QStringLiteral("共有する本棚のデータフォルダを選択してください");
const QString NotSharedText = QStringLiteral("指定されたフォルダは、共有本棚ではありません。");
const QString NewerText =
    QStringLiteral("指定された共有本棚は、使用中のバージョンより新しい為修正できません。");

} // namespace

NetProfResetDlg::NetProfResetDlg(CShelfWardenApp &app, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::NetProfResetDlg)
    , m_app(app)
    , m_ownGroupSection(netprof::groupSection(installationId()))
{
    m_ui->setupUi(this);
    connect(m_ui->shelfCombo, &QComboBox::activated, this, &NetProfResetDlg::onShelfSelected);
    connect(m_ui->groupTab, &QTabBar::currentChanged, this, &NetProfResetDlg::onTabChanged);
    connect(m_ui->shelfModeRadio, &QRadioButton::clicked, this, &NetProfResetDlg::onShelfMode);
    connect(m_ui->folderModeRadio, &QRadioButton::clicked, this, &NetProfResetDlg::onFolderMode);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &NetProfResetDlg::onBrowse);
    connect(m_ui->changeButton, &QPushButton::clicked, this, &NetProfResetDlg::onChange);
    connect(m_ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    // Only one list holds a selection: the one the user turned to last.
    ui::onFocusGained(m_ui->sharingList, [this] { m_ui->usingList->clearSelection(); });
    ui::onFocusGained(m_ui->usingList, [this] { m_ui->sharingList->clearSelection(); });

    m_ui->shelfCombo->addItems(m_app.shelfNames());
    const bool hasShelves = !m_app.shelfNames().isEmpty();
    if (!hasShelves) {
        m_ui->changeButton->setEnabled(false);
        m_ui->shelfModeRadio->setEnabled(false);
        m_ui->folderModeRadio->setChecked(true);
        m_ui->shelfCombo->setEnabled(false);
        m_bShelfMode = 0;
    } else {
        m_ui->shelfModeRadio->setChecked(true);
        m_ui->browseButton->setEnabled(false);
        m_bShelfMode = 1;
        m_ui->shelfCombo->setCurrentIndex(m_app.activeShelf());
        m_strFolder = longDataDir(m_app.activeShelf());
        showFolder();
    }

    {
        // Inserting tabs is no user's tab change.
        const QSignalBlocker blocker(m_ui->groupTab);
        m_ui->groupTab->insertTab(OwnGroupTab, QStringLiteral("自共有グループ"));
        m_ui->groupTab->insertTab(OtherGroupsTab, QStringLiteral("他共有グループ"));
    }
    m_bFirstLoad = 1;
    m_nGroupTab = OwnGroupTab;
    if (hasShelves)
        selectShelf(m_app.activeShelf());
}

NetProfResetDlg::~NetProfResetDlg() = default;

void NetProfResetDlg::onShelfSelected()
{
    if (m_ui->shelfCombo->count() == 0)
        return;
    const int position = m_ui->shelfCombo->currentIndex();
    m_app.setActiveShelf(position);
    m_strFolder = longDataDir(position);
    showFolder();
    selectShelf(position);
}

void NetProfResetDlg::onTabChanged(int tab)
{
    m_nGroupTab = tab;
    if (m_bShelfMode) {
        if (m_ui->shelfCombo->count() > 0)
            selectShelf(m_app.activeShelf());
    } else if (!m_strFolder.isEmpty()) {
        ReadUsageLists(win::joinPath(m_strFolder, netprof::FileName));
    }
}

void NetProfResetDlg::onShelfMode()
{
    m_ui->changeButton->setEnabled(true);
    m_ui->browseButton->setEnabled(false);
    m_ui->shelfCombo->setEnabled(true);
    m_bShelfMode = 1;
    onShelfSelected();
}

void NetProfResetDlg::onFolderMode()
{
    if (m_bShelfMode) {
        clearLists();
        m_ui->changeButton->setEnabled(false);
        m_strFolder.clear();
        showFolder();
        m_ui->browseButton->setEnabled(true);
        m_ui->shelfCombo->setEnabled(false);
    }
    m_bShelfMode = 0;
}

void NetProfResetDlg::onBrowse()
{
    for (;;) {
        const std::optional<QString> chosen =
            ui::browseForFolder(this, BrowseTitle, m_browseSelection);
        if (!chosen || chosen->isEmpty())
            return;
        const QString folder = *chosen;

        win::FileFinder finder;
        const bool listed = finder.findFirst(win::joinPath(folder, QStringLiteral("*.*")));
        const win::ErrorCode error = listed ? win::error::Success : win::lastError();
        // An empty drive root lists nothing, yet it exists.
        const bool exists = listed || error == win::error::AccessDenied
            || error == win::error::FileNotFound;
        if (!exists) {
            ui::messageBox(this, PathMissingMessage(folder), suitemsg::ErrorCaption.toString(), ui::Buttons::Ok,
                           ui::Icon::Error, true);
            m_browseSelection = folder;
            continue;
        }
        switch (CheckSharedShelf(folder)) {
        case SharedShelf::NotShared:
            ui::messageBox(this, NotSharedText, QString(), ui::Buttons::Ok, ui::Icon::Warning);
            if (error != win::error::AccessDenied)
                m_browseSelection = folder;
            continue;
        case SharedShelf::Newer:
            ui::messageBox(this, NewerText, QString(), ui::Buttons::Ok, ui::Icon::Warning);
            m_browseSelection = folder;
            continue;
        case SharedShelf::Changeable:
            break;
        }
        m_strFolder = folder;
        showFolder();
        ReadUsageLists(win::joinPath(m_strFolder, netprof::FileName));
        m_ui->changeButton->setEnabled(true);
        return;
    }
}

void NetProfResetDlg::onChange()
{
    QString computer;
    bool fromSharingList = false;
    const QString question = removalQuestion(&computer, &fromSharingList);
    if (question.isEmpty()) {
        ui::messageBox(this, NothingSelectedText, suitemsg::ErrorCaption.toString(), ui::Buttons::Ok,
                       ui::Icon::Warning);
        return;
    }
    if (ui::messageBox(this, question, RemovalCaption, ui::Buttons::YesNo, ui::Icon::Question)
        != ui::IDYES)
        return;

    const QString folder = m_bShelfMode ? m_app.dataDirs().value(m_app.activeShelf()) : m_strFolder;
    const QString profile = win::joinPath(folder, netprof::FileName);
    bool removed = false;
    {
        const ui::WaitCursor wait;
        removed = RemoveComputer(profile, computer, fromSharingList);
    }
    if (removed) {
        ui::messageBox(this, RemovalDoneText, RemovalCaption, ui::Buttons::Ok);
        ReadUsageLists(profile);
        return;
    }
    // The lists show what the profile still holds before the user is told.
    ReadUsageLists(profile);
    ui::messageBox(this, RemovalFailedText.arg(computer), RemovalCaption, ui::Buttons::Ok,
                   ui::Icon::Warning);
}

QString NetProfResetDlg::removalQuestion(QString *computer, bool *fromSharingList) const
{
    const QString shelf =
        m_bShelfMode ? m_app.shelfNames().value(m_app.activeShelf()) : m_strFolder;
    const QList<QListWidgetItem *> sharing = m_ui->sharingList->selectedItems();
    if (!sharing.isEmpty()) {
        *computer = sharing.first()->text();
        *fromSharingList = true;
        return QStringLiteral("共有本棚 ") + shelf + QStringLiteral("\n登録コンピュータ ")
            + *computer + QStringLiteral("\nの共有を解除します。\n\nよろしいですか？");
    }
    const QList<QListWidgetItem *> using_ = m_ui->usingList->selectedItems();
    if (!using_.isEmpty()) {
        *computer = using_.first()->text();
        *fromSharingList = false;
        return QStringLiteral("共有本棚 ") + shelf + QStringLiteral("\n使用中コンピュータ ")
            + *computer + QStringLiteral("\nの利用中の情報をクリアします。\n\nよろしいですか？");
    }
    return QString();
}

void NetProfResetDlg::selectShelf(int position)
{
    if (m_app.folderStates().value(position) != CShelfWardenApp::FolderPresent) {
        // Nothing of another bookshelf may stay on show as this one's: the
        // change button would clear it in a profile that is not there.
        clearLists();
        m_ui->changeButton->setEnabled(false);
        return;
    }
    const QString profile = win::joinPath(m_app.dataDirs().at(position), netprof::FileName);
    if (ProfileIsNewer(profile)) {
        // Refused as in folder mode: this tool does not know the form of a
        // newer profile and must not rewrite it.
        clearLists();
        m_ui->changeButton->setEnabled(false);
        ui::messageBox(this, NewerText, QString(), ui::Buttons::Ok, ui::Icon::Warning);
        return;
    }
    m_ui->changeButton->setEnabled(true);
    ReadUsageLists(profile);
}

void NetProfResetDlg::ReadUsageLists(const QString &profilePath)
{
    UsageLists lists = m_nGroupTab == OwnGroupTab
        ? UsageLists::readOwnGroup(profilePath, m_ownGroupSection)
        : UsageLists::readOtherGroups(profilePath, m_ownGroupSection);
    if (m_nGroupTab == OwnGroupTab && lists.sharing.isEmpty() && m_bFirstLoad) {
        m_nGroupTab = OtherGroupsTab;
        lists = UsageLists::readOtherGroups(profilePath, m_ownGroupSection);
        const QSignalBlocker blocker(m_ui->groupTab);
        m_ui->groupTab->setCurrentIndex(OtherGroupsTab);
    }
    m_bFirstLoad = 0;

    clearLists();
    m_ui->sharingList->addItems(lists.sharing);
    m_ui->usingList->addItems(lists.inUse);
}

void NetProfResetDlg::showFolder()
{
    m_ui->folderEdit->setText(m_strFolder);
}

void NetProfResetDlg::clearLists()
{
    m_ui->sharingList->clear();
    m_ui->usingList->clear();
}

QString NetProfResetDlg::longDataDir(int position) const
{
    return suiteapi::longPath(m_app.suite(), m_app.dataDirs().value(position));
}

} // namespace shelfwarden
