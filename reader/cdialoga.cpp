#include "cdialoga.h"

#include "deliveryclassification.h"
#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"

#include "pathchecks.h"
#include "suiteapi/worksdatafunctions.h"
#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/dialogs.h"
#include "ui/messagerules.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page137_rootfolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace reader {

namespace {

const QString PathMissing = QStringLiteral("パス(%1)が存在しません。");
const QString StandardUndetermined = QStringLiteral("電子納品データの要領が判定できません。");
const QString ConstructionFolderWanted =
    QStringLiteral("営繕工事の場合は工事名称のフォルダを指定してください");
const QString BrowseTitle = QStringLiteral("電子納品データのルートフォルダを選択してください。");

// A folder such as the disc drive E:\ itself.
bool isDriveRoot(const QString &folder)
{
    return folder.size() >= 2 && folder.at(folder.size() - 2) == u':';
}

bool canBeListed(const QString &folder)
{
    // A folder the user may not list is left to the later steps.
    const win::ErrorCode probe = ProbeFolder(folder, true);
    return probe == win::error::Success || probe == win::error::AccessDenied;
}

} // namespace

CDialogA::CDialogA(ImportSettings &settings, const suiteapi::WorksdataFunctions &worksdata, QWidget *parent)
    : ui::PropertyPage(ids::rootfolder::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_worksdata(worksdata),
      m_ui(std::make_unique<Ui::Page137RootFolder>())
{
    m_ui->setupUi(this);
    connect(folderEdit(), &QLineEdit::textChanged, this, &CDialogA::onFolderChanged);
    ui::onFocusLost(folderEdit(), [this] { onFolderFocusLost(); });
    connect(control<QPushButton>(ids::rootfolder::Browse), &QPushButton::clicked, this,
            &CDialogA::onBrowse);
}

CDialogA::~CDialogA()
{
    // A box destroyed with the focus in it reports the loss from its own
    // destructor, when this page is gone: it loses it now, quietly.
    const QScopedValueRollback quiet(m_bFolderCheckQuiet, true);
    folderEdit()->clearFocus();
}

void CDialogA::doDataExchange(ui::DataExchange &exchange)
{
    exchange.text(ids::rootfolder::Folder, m_strFolder);
}

bool CDialogA::onSetActive()
{
    setWizardButtons(m_strFolder.isEmpty() ? 0 : ui::WizardSheet::Next);
    // The hierarchy tree is rebuilt for whatever folder comes next.
    m_settings.m_bTreeBuilt = false;
    // One of the two government-building editions is always chosen.
    if (m_settings.m_nStd2002 == 0 && m_settings.m_nStd2012 == 0) {
        m_settings.m_nStd2012 = 1;
        m_settings.m_nStd2002 = 0;
    }
    updateData(false);
    return true;
}

int CDialogA::onWizardNext()
{
    m_strFolder = folderEdit()->text();
    if (!canBeListed(m_strFolder)) {
        reportMissingFolder();
        return ui::WizardSheet::Stay;
    }

    const DeliveryClassification classification = ClassifyDeliveryFolder(m_strFolder, m_worksdata);
    m_settings.m_nDeliveryKind = classification.kind;
    switch (classification.kind) {
    case StandardDelivery:
        return readStandardDelivery(classification.root, classification.planFlag);
    case GovernmentBuildingDelivery:
        if (isDriveRoot(m_strFolder)) {
            ui::showMessage(this, ConstructionFolderWanted);
            return ui::WizardSheet::Stay;
        }
        return ids::standardversion::Template;
    default:
        ui::showMessage(this, StandardUndetermined);
        return ui::WizardSheet::Stay;
    }
}

int CDialogA::readStandardDelivery(const QString &root, int planFlag)
{
    // Read once per folder: a change of the folder text clears the flag.
    if (m_settings.m_bXmlRead)
        return ids::basicinfo::Template;
    bool read = false;
    {
        const ui::WaitCursor wait;
        read = m_worksdata.dnXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), planFlag)
            != 0;
    }
    if (!read) {
        ui::showMessage(this, StandardUndetermined);
        folderEdit()->setFocus();
        return ui::WizardSheet::Stay;
    }
    m_settings.m_bXmlRead = true;
    return ids::basicinfo::Template;
}

void CDialogA::onFolderChanged()
{
    m_strFolder = folderEdit()->text();
    updateData(true);
    m_settings.m_strDataPath = m_strFolder;
    // A new folder is classified and read afresh.
    m_settings.m_bXmlRead = false;
    m_settings.m_nDeliveryKind = UndeterminedDelivery;
    m_settings.m_bPhotoListLoaded = false;
    onSetActive();
}

void CDialogA::onFolderFocusLost()
{
    // The focus also goes when the page is left or the wizard closes: no
    // folder to check then.
    if (m_bFolderCheckQuiet || isHidden() || window()->isHidden() || m_strFolder.isEmpty())
        return;
    if (!canBeListed(m_strFolder))
        reportMissingFolder();
}

void CDialogA::onBrowse()
{
    if (const std::optional<QString> folder = ui::browseForFolder(this, BrowseTitle))
        m_strFolder = *folder;
    // Raises the folder-changed handler when the folder is another one.
    ui::setControlText(folderEdit(), m_strFolder);
    updateData(true);
    m_settings.m_strDataPath = m_strFolder;
    onSetActive();
}

void CDialogA::reportMissingFolder()
{
    // Next pressed with Enter leaves the focus in the folder box, so its
    // focus-loss check has not spoken: this message is the only one the
    // user gets, and the box must not repeat it when the message box takes
    // the focus away.
    const QScopedValueRollback quiet(m_bFolderCheckQuiet, true);
    ui::showMessage(this, PathMissing.arg(m_strFolder));
}

QLineEdit *CDialogA::folderEdit() const
{
    return m_ui->folderEdit;
}

} // namespace reader
