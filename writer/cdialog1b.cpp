#include "cdialog1b.h"

#include "calsdatabase.h"
#include "exportsettings.h"
#include "outputsettingsfile.h"
#include "standardcodes.h"
#include "suitefunctions.h"
#include "writerids.h"

#include "platform/pathnames.h"
#include "suiteapi/pathbuffer.h"
#include "ui/controls.h"
#include "ui/wizardsheet.h"
#include "ui_page131_extendedoptions.h"

namespace writer {

namespace {

// The NEXCO standard of 2012 delivers without the Japanese file names.
constexpr int NexcoH24Code = 90;

const QString CooperationFileName = QStringLiteral("Cooperation.ini");

} // namespace

CDialog1B::CDialog1B(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent)
    : OptionsPage(ids::extendedoptions::Template, ids::extendedoptions::StartMedia, settings,
                  parent),
      m_suite(suite),
      m_ui(std::make_unique<Ui::Page131ExtendedOptions>())
{
    m_ui->setupUi(this);
    connectCommonControls(m_ui->startMediaEdit, m_ui->japaneseNamesCheck, m_ui->xmlOnlyCheck);
    connect(m_ui->styleSheetCheck, &QCheckBox::clicked, this, &CDialog1B::onStyleSheetClicked);
    connect(m_ui->launchBrowserCheck, &QCheckBox::clicked, this,
            &CDialog1B::onLaunchBrowserClicked);
    connect(m_ui->otherDataCheck, &QCheckBox::clicked, this, &CDialog1B::onOtherDataClicked);
    connect(m_ui->cooperateCheck, &QCheckBox::clicked, this, &CDialog1B::onCooperateClicked);
    connect(m_ui->cooperatorsCombo, &QComboBox::activated, this,
            &CDialog1B::onCooperatorSelected);
}

CDialog1B::~CDialog1B() = default;

void CDialog1B::showOptions()
{
    // Set here only, never cleared: the user's choices stand.
    if (m_settings.m_nStyleSheet == 1)
        ui::setCheckState(m_ui->styleSheetCheck, 1);
    if (m_settings.m_nLaunchBrowser == 1)
        ui::setCheckState(m_ui->launchBrowserCheck, 1);
    if (m_settings.m_nStyleSheetFormat == StyleSheetPhotoInfo && m_settings.m_nCooperate == 0)
        ui::setCheckState(m_ui->formatPhotoInfoRadio, 1);
    listCooperators();
    showOtherData();
    showValidStartMedia();
    m_ui->cooperateCheck->setEnabled(m_settings.m_nCooperatorFound == 1);
    m_ui->cooperatorsCombo->setEnabled(m_ui->cooperateCheck->isEnabled()
                                       && m_ui->cooperateCheck->isChecked());
    if (m_settings.m_nStandardCode == NexcoH24Code) {
        m_ui->japaneseNamesCheck->setEnabled(false);
        m_ui->japaneseNamesNote->setEnabled(false);
    }
}

void CDialog1B::listCooperators()
{
    m_ui->cooperatorsCombo->clear();
    m_settings.m_anCooperatorId.fill(0);
    const suiteapi::WorksdataFunctions &worksdata = m_suite.worksdata;
    if (worksdata.getCooperatorCount && worksdata.isCooperatorInstalled
        && worksdata.getCooperatorAppName) {
        const QString ini = win::joinPath(m_settings.m_strProgramFolder, CooperationFileName);
        const suiteapi::PathBuffer path = suiteapi::toPathBuffer(ini);
        int listed = 0;
        // The file may change meanwhile: the count is asked at every step.
        // The list has ten slots; further programs are not offered.
        for (int number = 0; number < worksdata.getCooperatorCount(path.data())
                             && listed < CooperatorSlots;
             ++number) {
            if (worksdata.isCooperatorInstalled(path.data(), number,
                                                m_settings.m_nStandardCode)
                == 0)
                continue;
            m_settings.m_nCooperatorFound = 1;
            suiteapi::PathBuffer name{};
            worksdata.getCooperatorAppName(path.data(), number, name.data(), int(name.size()));
            m_ui->cooperatorsCombo->addItem(suiteapi::fromPathBuffer(name));
            m_settings.m_anCooperatorId[std::size_t(listed++)] = number;
        }
    }
    m_ui->cooperatorsCombo->setCurrentIndex(m_settings.m_nCooperatorIndex);
}

void CDialog1B::showOtherData()
{
    if (!standards::standardCode(m_settings.m_nStandardCode).calsOnOptionsPage)
        return;
    ui::setCheckState(m_ui->otherDataCheck, 0);
    m_ui->otherDataCheck->setEnabled(false);
    if (!probeCalsDatabase(m_settings.m_strCalsFolder))
        return;
    ui::setCheckState(m_ui->otherDataCheck, m_settings.m_nOtherData);
    m_ui->otherDataCheck->setEnabled(true);
    m_settings.m_nOtherFolder = 1;
}

void CDialog1B::onStyleSheetClicked()
{
    updateData(true);
    m_settings.m_nStyleSheet = m_settings.m_nStyleSheet ? 0 : 1;
    ui::setCheckState(m_ui->styleSheetCheck, m_settings.m_nStyleSheet);
    enableStyleSheetFormat(m_settings.m_nStyleSheet == 1);
}

void CDialog1B::onLaunchBrowserClicked()
{
    updateData(true);
    m_settings.m_nLaunchBrowser = m_settings.m_nLaunchBrowser ? 0 : 1;
    ui::setCheckState(m_ui->launchBrowserCheck, m_settings.m_nLaunchBrowser);
}

void CDialog1B::onOtherDataClicked()
{
    updateData(true);
    if (standards::standardCode(m_settings.m_nStandardCode).calsOnOptionsPage) {
        if (probeCalsDatabase(m_settings.m_strCalsFolder)) {
            const int chosen = m_settings.m_nOtherData ? 0 : 1;
            m_settings.m_nOtherFolder = chosen;
            m_settings.m_nOtherData = chosen;
        }
        // A database gone since the activation changes no setting, and the
        // box keeps showing the setting.
        ui::setCheckState(m_ui->otherDataCheck, m_settings.m_nOtherData);
    } else {
        ui::setCheckState(m_ui->otherDataCheck, 0);
        m_settings.m_nOtherData = 0;
    }
    if (m_suite.workstree.setOtherData)
        m_suite.workstree.setOtherData(m_settings.m_nOtherData);
}

void CDialog1B::onCooperateClicked()
{
    updateData(true);
    const bool on = m_settings.m_nCooperate == 0;
    ui::setCheckState(m_ui->cooperateCheck, on ? 1 : 0);
    m_settings.m_nCooperate = on ? 1 : 0;
    m_ui->cooperatorsCombo->setEnabled(on);
    if (on) {
        // The receiving program numbers the media itself and shows no
        // stylesheet or XML-only output.
        m_ui->startMediaEdit->setText(QString::number(MinStartMedia));
        ui::setCheckState(m_ui->styleSheetCheck, 0);
        m_settings.m_nStyleSheet = 0;
        ui::setCheckState(m_ui->xmlOnlyCheck, 0);
        m_settings.m_nXmlOnly = 0;
        enableStyleSheetFormat(false);
    }
    for (QWidget *control : {static_cast<QWidget *>(m_ui->startMediaEdit),
                             static_cast<QWidget *>(m_ui->styleSheetCheck),
                             static_cast<QWidget *>(m_ui->xmlOnlyCheck)})
        control->setEnabled(!on);
}

void CDialog1B::onCooperatorSelected(int index)
{
    m_settings.m_nCooperatorIndex = index;
}

void CDialog1B::enableStyleSheetFormat(bool enable)
{
    for (QWidget *control :
         {static_cast<QWidget *>(m_ui->formatPhotoInfoRadio),
          static_cast<QWidget *>(m_ui->formatListRadio),
          static_cast<QWidget *>(m_ui->formatSearchRadio),
          static_cast<QWidget *>(m_ui->launchBrowserCheck),
          static_cast<QWidget *>(m_ui->styleSheetFormatGroup),
          static_cast<QWidget *>(m_ui->searchNote), static_cast<QWidget *>(m_ui->javaScriptNote)})
        control->setEnabled(enable);
}

void CDialog1B::recordStyleSheetFormat()
{
    const std::pair<const QWidget *, int> formats[] = {
        {m_ui->formatPhotoInfoRadio, StyleSheetPhotoInfo},
        {m_ui->formatListRadio, StyleSheetListAndPhotoInfo},
        {m_ui->formatSearchRadio, StyleSheetWithSearch},
    };
    for (const auto &[radio, format] : formats) {
        if (ui::checkState(radio) == 1) {
            m_settings.m_nStyleSheetFormat = format;
            return;
        }
    }
}

int CDialog1B::onWizardBack()
{
    recordStyleSheetFormat();
    return ui::PropertyPage::onWizardBack();
}

int CDialog1B::onWizardNext()
{
    if (!takeOverAndCheckIdentifiers())
        return ui::WizardSheet::Stay;
    if (standards::standardCode(m_settings.m_nStandardCode).otherData) {
        // Finish writes both keys again with the whole file, so a failure
        // here loses nothing the host would read.
        writeOtherDataOptions(m_settings, outputSettingsPath());
    }
    recordStyleSheetFormat();
    return ids::basicinfo::Template;
}

} // namespace writer
