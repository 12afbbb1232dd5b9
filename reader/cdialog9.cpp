#include "cdialog9.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"

#include "pathchecks.h"
#include "platform/fileops.h"
#include "suitemessages.h"
#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/dialogs.h"
#include "ui/messagerules.h"
#include "ui/wizardsheet.h"
#include "ui_page133_importmode.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace reader {

namespace {

const QString PathIncorrect = QStringLiteral("入力したパス(%1)が正しくありません。\n\n再入力してください。");
const QString CreatePath = QStringLiteral("パス(%1)を\n\n新規に作成しますか？");
const QString FolderHoldsData = QStringLiteral(
    "指定されたフォルダに既存データがあります。データのないフォルダを選択してください。");
const QString BrowseTitle = QStringLiteral("本棚作成フォルダパスを選択してください");

} // namespace

CDialog9::CDialog9(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::importmode::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page133ImportMode>())
{
    m_ui->setupUi(this);
    for (QRadioButton *radio : {m_ui->importNewRadio, m_ui->referOnlyRadio})
        connect(radio, &QRadioButton::clicked, this, &CDialog9::onModeClicked);
    connect(m_ui->shelfEdit, &QLineEdit::textChanged, this, &CDialog9::onFolderChanged);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &CDialog9::onBrowse);
}

CDialog9::~CDialog9() = default;

void CDialog9::doDataExchange(ui::DataExchange &exchange)
{
    exchange.check(ids::importmode::ImportNew, m_settings.m_nImportNew);
    exchange.check(ids::importmode::ReferOnly, m_settings.m_nReferOnly);
    exchange.text(ids::importmode::ShelfPath, m_settings.m_strShelfPath);
}

bool CDialog9::onSetActive()
{
    // Before the proposal raises the folder handler, which takes the radios
    // over into the settings.
    if (m_settings.m_nImportNew != 0)
        ui::setCheckState(m_ui->importNewRadio, 1);
    if (m_settings.m_nImportNew == 1) {
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
        m_ui->shelfEdit->setEnabled(true);
        m_ui->browseButton->setEnabled(true);
        if (m_settings.m_bShelfDefaultSet != 1) {
            m_settings.m_bShelfDefaultSet = 1;
            proposeFolder();
        }
    }
    if (m_settings.m_nReferOnly == 1) {
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
        m_ui->shelfEdit->setEnabled(false);
        m_ui->browseButton->setEnabled(false);
    }
    if (m_settings.m_nNoNewShelf != 0)
        m_ui->importNewRadio->setEnabled(false);
    updateData(false);
    return true;
}

void CDialog9::proposeFolder()
{
    // Once per run: later activations keep whatever the box holds.
    m_settings.m_strShelfDefault = m_settings.m_nShelfNumber != 0
        ? QStringLiteral("%1\\data%2").arg(m_settings.m_strDataRoot).arg(m_settings.m_nShelfNumber)
        : QStringLiteral("%1\\data").arg(m_settings.m_strDataRoot);
    // Raises the folder-changed handler, which takes the proposal over.
    ui::setControlText(m_ui->shelfEdit, m_settings.m_strShelfDefault);
}

int CDialog9::onWizardNext()
{
    return acceptShelfFolder() ? 0 : ui::WizardSheet::Stay;
}

int CDialog9::onWizardBack()
{
    return m_settings.m_nDeliveryKind == StandardDelivery ? ids::albummethod::Template
                                                          : ids::hierarchy::Template;
}

bool CDialog9::acceptShelfFolder()
{
    const QString &path = m_settings.m_strShelfPath;
    // Reference only, an emptied box and the proposal are left to the host
    // application.
    if (m_settings.m_nImportNew != 1 || path.isEmpty() || path == m_settings.m_strShelfDefault)
        return true;

    switch (CheckShelfPathSyntax(path)) {
    case ShelfPathSyntax::TooShort:
        ui::showMessage(this, PathIncorrect.arg(path));
        m_ui->shelfEdit->setFocus();
        return false;
    case ShelfPathSyntax::Malformed:
        ui::showMessage(this, PathMissingMessage(path));
        m_ui->shelfEdit->setFocus();
        return false;
    case ShelfPathSyntax::Acceptable:
        break;
    }

    if (!FolderHasEntries(path, false) && !createShelfFolder(path))
        return false;
    if (FolderHasEntries(path, true)) {
        ui::showMessage(this, FolderHoldsData);
        m_ui->browseButton->setFocus();
        return false;
    }
    return true;
}

bool CDialog9::createShelfFolder(const QString &path)
{
    if (ui::showMessage(this, CreatePath.arg(path), ui::Buttons::YesNo) != ui::IDYES) {
        m_ui->shelfEdit->setFocus();
        return false;
    }
    win::createDirectory(path);
    // A folder that may not be listed may still take the bookshelf.
    if (!FolderExists(path, true) && win::lastError() != win::error::AccessDenied) {
        ui::messageBox(nullptr, PathMissingMessage(path), suitemsg::ErrorCaption.toString(), ui::Buttons::Ok,
                       ui::Icon::Error, true);
        m_ui->shelfEdit->setFocus();
        return false;
    }
    return true;
}

void CDialog9::onModeClicked()
{
    updateData(true);
    m_settings.m_nImportNew = ui::checkState(m_ui->importNewRadio);
    m_settings.m_nReferOnly = ui::checkState(m_ui->referOnlyRadio);
    onSetActive();
}

void CDialog9::onFolderChanged()
{
    m_settings.m_strShelfPath = m_ui->shelfEdit->text();
    updateData(true);
    onSetActive();
}

void CDialog9::onBrowse()
{
    if (const std::optional<QString> folder = ui::browseForFolder(this, BrowseTitle))
        m_settings.m_strShelfPath = *folder;
    // Raises the folder-changed handler when the folder is another one.
    ui::setControlText(m_ui->shelfEdit, m_settings.m_strShelfPath);
    updateData(true);
    onSetActive();
}

} // namespace reader
