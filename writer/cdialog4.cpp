#include "cdialog4.h"

#include "exportsettings.h"
#include "photopathlength.h"
#include "standardcodes.h"
#include "suitefunctions.h"
#include "writerids.h"
#include "writermessages.h"

#include "jetdao/cdaoexception.h"
#include "pathchecks.h"
#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "platform/winpath.h"
#include "settingsfile.h"
#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/dialogs.h"
#include "ui/messagerules.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page136_destination.h"

#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace writer {

namespace {

// The folder box takes at most this many characters.
constexpr int MaxFolderChars = 256;

const QString ChooseFolder = QStringLiteral("出力先フォルダを選択してください");
const QString FolderInstruction = QStringLiteral("出力先フォルダを指定してください。");
const QString PathTooShort =
    QStringLiteral("入力したパス(%1)が正しくありません。\n\n再入力してください。");
const QString PathMalformed = QStringLiteral("入力したパス(%1)が正しくありません。\n%2再入力してください。");
const QString NotWritable = QStringLiteral("選択されたフォルダへの書き込みは出来ません。");
const QString CreatePath = QStringLiteral("パス(%1)を\n\n新規に作成しますか？");
const QString FolderHoldsData = QStringLiteral(
    "指定されたフォルダに既存データがあります。データのないフォルダを選択してください。");
const QString PathTooLong = QStringLiteral(
    "出力するフォルダ名を含めたファイル名が最大値260文字を超えているため出力処理を続行できません。現在[%1]文字");
const QString SplitSizeOutOfRange = QStringLiteral("1から65535までの整数を入力してください。");
const QString BrowseTitle = QStringLiteral("出力先のフォルダを選択してください。");

bool splitSizeInRange(unsigned size)
{
    return size >= unsigned(MinSplitSize) && size <= unsigned(MaxSplitSize);
}

} // namespace

CDialog4::CDialog4(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent)
    : ui::PropertyPage(ids::destination::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_suite(suite),
      m_ui(std::make_unique<Ui::Page136Destination>()),
      m_nSplitSize(unsigned(settings.m_nSplitSize)),
      m_strFolder(settings.m_strOutputFolder)
{
    m_ui->setupUi(this);
    // Folder names and sizes are typed in plain characters: no input method
    // while either box has the focus.
    for (QLineEdit *edit : {m_ui->folderEdit, m_ui->splitSizeEdit})
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(m_ui->folderEdit, &QLineEdit::textChanged, this, &CDialog4::onFolderChanged);
    connect(m_ui->splitSizeEdit, &QLineEdit::textChanged, this, &CDialog4::onSplitSizeChanged);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &CDialog4::onBrowse);
}

CDialog4::~CDialog4() = default;

void CDialog4::doDataExchange(ui::DataExchange &exchange)
{
    // The box is empty while the output goes to other software.
    if (m_settings.m_nCooperate != 1)
        exchange.unsignedInteger(ids::destination::SplitSize, m_nSplitSize, MinSplitSize,
                                 MaxSplitSize);
    exchange.text(ids::destination::Folder, m_strFolder, MaxFolderChars);
}

bool CDialog4::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    m_settings.m_nOutputKind = OutputToFolder;
    for (QWidget *widget : {static_cast<QWidget *>(m_ui->folderEdit),
                            static_cast<QWidget *>(m_ui->folderLabel),
                            static_cast<QWidget *>(m_ui->browseButton)})
        widget->setEnabled(true);

    const bool governmentBuilding = standards::isGovernmentBuildingCode(m_settings.m_nStandardCode);
    if (governmentBuilding || m_settings.m_nCooperate == 1) {
        m_ui->splitSizeEdit->setEnabled(false);
        if (governmentBuilding) {
            m_ui->instructionLabel->setText(FolderInstruction);
            for (QWidget *widget : {static_cast<QWidget *>(m_ui->splitSizeEdit),
                                    static_cast<QWidget *>(m_ui->splitSizeLabel),
                                    static_cast<QWidget *>(m_ui->splitSizeUnit)})
                widget->hide();
        }
        if (m_settings.m_nCooperate == 1)
            m_ui->splitSizeEdit->clear();
    } else {
        m_ui->splitSizeEdit->setEnabled(true);
        if (m_ui->splitSizeEdit->text().isEmpty()) {
            m_nSplitSize = DefaultSplitSize;
            m_ui->splitSizeEdit->setText(QString::number(m_nSplitSize));
        }
    }
    return ui::PropertyPage::onSetActive();
}

void CDialog4::onFolderChanged()
{
    updateData(true);
    m_settings.m_strOutputFolder = m_strFolder;
}

void CDialog4::onSplitSizeChanged()
{
    if (updateData(true)) {
        m_settings.m_nSplitSize = int(m_nSplitSize);
        return;
    }
    if (!splitSizeInRange(m_nSplitSize)) {
        m_nSplitSize = DefaultSplitSize;
        m_settings.m_nSplitSize = DefaultSplitSize;
    }
    // Writing the page back raises this handler again, with a valid text.
    updateData(false);
    m_ui->splitSizeEdit->selectAll();
}

void CDialog4::onBrowse()
{
    const std::optional<QString> folder = ui::browseForFolder(this, BrowseTitle, m_strFolder);
    if (!folder)
        return;
    m_strFolder = *folder;
    ui::setControlText(m_ui->folderEdit, m_strFolder);
    m_settings.m_strOutputFolder = m_strFolder;
}

int CDialog4::onWizardNext()
{
    const QString &folder = m_settings.m_strOutputFolder;
    if (folder.isEmpty()) {
        ui::showMessage(this, ChooseFolder);
        m_ui->folderEdit->setFocus();
        return ui::WizardSheet::Stay;
    }
    if (!checkFolderSyntax())
        return ui::WizardSheet::Stay;
    if (!suiteapi::isThisDriveWritable(m_suite.suiteCommon, folder)) {
        ui::showMessage(this, NotWritable);
        m_ui->folderEdit->setFocus();
        return ui::WizardSheet::Stay;
    }
    if (!offerFolderCreation())
        return ui::WizardSheet::Stay;
    if (FolderHasEntries(folder, true)) {
        ui::showMessage(this, FolderHoldsData);
        m_ui->browseButton->setFocus();
        return ui::WizardSheet::Stay;
    }
    if (!checkPhotoPathLengths())
        return ui::WizardSheet::Stay;
    if (!splitSizeInRange(unsigned(m_settings.m_nSplitSize))) {
        ui::showMessage(this, SplitSizeOutOfRange);
        ui::setControlText(m_ui->splitSizeEdit, QString::number(DefaultSplitSize));
        m_ui->splitSizeEdit->setFocus();
        return ui::WizardSheet::Stay;
    }
    return 0;
}

bool CDialog4::checkFolderSyntax()
{
    const QString &folder = m_settings.m_strOutputFolder;
    switch (CheckShelfPathSyntax(folder.left(win::MaxPath - 1))) {
    case ShelfPathSyntax::TooShort:
        ui::showMessage(this, PathTooShort.arg(folder));
        break;
    case ShelfPathSyntax::Malformed:
        ui::showMessage(this, PathMalformed.arg(folder, MalformedPathHint));
        break;
    case ShelfPathSyntax::Acceptable:
        return true;
    }
    m_ui->folderEdit->setFocus();
    return false;
}

bool CDialog4::offerFolderCreation()
{
    const QString &folder = m_settings.m_strOutputFolder;
    // A drive root is a folder too, though a search for it finds nothing.
    if (GetPathKind(folder) == PathKindFolder)
        return true;
    if (ui::showMessage(this, CreatePath.arg(folder), ui::Buttons::YesNo) != ui::IDYES) {
        m_ui->folderEdit->setFocus();
        return false;
    }
    // One level only; when it cannot be made the host's export says so.
    win::createDirectory(folder);
    return true;
}

bool CDialog4::checkPhotoPathLengths()
{
    const auto albumLabel = [this](const QString &koujiXml) {
        std::vector<char16_t> path(win::MaxPath, u'\0');
        std::copy_n(koujiXml.utf16(), std::min<qsizetype>(koujiXml.size(), win::MaxPath - 1),
                    path.begin());
        std::vector<char16_t> label(win::MaxPath, u'\0');
        m_suite.worksdata.dnKoujiInfGet2(path.data(), label.data());
        label.back() = u'\0';
        return QString::fromUtf16(label.data());
    };
    try {
        const ui::WaitCursor wait;
        const std::optional<int> length = findOverlongPhotoPath(
            settingsfile::tempFilePath(photodb::FileName), m_settings.m_strOutputFolder,
            {m_settings.m_nKeepFileName, m_settings.m_nRenameSerial}, albumLabel);
        if (!length)
            return true;
        ui::showMessage(this, PathTooLong.arg(*length));
    } catch (const JETDAO::CDaoException &e) {
        // Without the photos the lengths are unknown: the page stays.
        e.ReportError();
    }
    return false;
}

} // namespace writer
