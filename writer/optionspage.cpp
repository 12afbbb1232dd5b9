#include "optionspage.h"

#include "exportsettings.h"
#include "identifierchecks.h"
#include "writermessages.h"

#include "platform/crtinteger.h"
#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/dialogs.h"
#include "ui/wizardsheet.h"

#include <QCheckBox>
#include <QLineEdit>

namespace writer {

namespace {

const QString CheckCaption = QStringLiteral("エラー");

} // namespace

OptionsPage::OptionsPage(int templateId, int startMediaId, ExportSettings &settings,
                         QWidget *parent)
    : ui::PropertyPage(templateId, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_startMediaId(startMediaId)
{
}

void OptionsPage::connectCommonControls(QLineEdit *startMedia, QCheckBox *japaneseNames,
                                        QCheckBox *xmlOnly)
{
    m_startMediaEdit = startMedia;
    m_japaneseNamesCheck = japaneseNames;
    m_xmlOnlyCheck = xmlOnly;
    connect(startMedia, &QLineEdit::textChanged, this, &OptionsPage::onStartMediaChanged);
    connect(japaneseNames, &QCheckBox::clicked, this, &OptionsPage::onJapaneseNamesClicked);
    connect(xmlOnly, &QCheckBox::clicked, this, &OptionsPage::onXmlOnlyClicked);
}

void OptionsPage::doDataExchange(ui::DataExchange &exchange)
{
    exchange.unsignedInteger(m_startMediaId, m_nStartMedia, MinStartMedia, MaxStartMedia);
}

void OptionsPage::onInitDialog()
{
    // Showing the variables is no typing: the box is checked from the
    // activation on.
    m_bShowing = true;
    ui::PropertyPage::onInitDialog();
    m_bShowing = false;
}

bool OptionsPage::onSetActive()
{
    refresh();
    return ui::PropertyPage::onSetActive();
}

void OptionsPage::refresh()
{
    m_bShowing = true;
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    showOptions();
    m_bShowing = false;
}

void OptionsPage::showValidStartMedia()
{
    if (m_nStartMedia != 0 && m_nStartMedia <= unsigned(MaxStartMedia))
        return;
    m_nStartMedia = MinStartMedia;
    m_settings.m_nStartMedia = MinStartMedia;
    m_startMediaEdit->setText(QString::number(MinStartMedia));
    m_startMediaEdit->selectAll();
}

bool OptionsPage::takeOverAndCheckIdentifiers()
{
    m_settings.m_nStartMedia = win::wtoi(m_startMediaEdit->text());
    const IdentifierCheckResult result =
        checkInformationIdentifiers(m_settings, m_settings.m_strProgramFolder);
    if (!result.passed && !result.message.isEmpty())
        ui::messageBox(this, result.message, CheckCaption, ui::Buttons::Ok, ui::Icon::Warning);
    return result.passed;
}

void OptionsPage::onStartMediaChanged()
{
    if (m_bShowing)
        return;
    if (!updateData(true)) {
        updateData(false);
        m_startMediaEdit->selectAll();
    }
    m_settings.m_nStartMedia = int(m_nStartMedia);
    // Only the box's own rule of the activation: the rest (on page 131 the
    // CALS.mdb probe with its error report and the list of other delivery
    // software) has nothing to do with a keystroke.
    m_bShowing = true;
    showValidStartMedia();
    m_bShowing = false;
}

void OptionsPage::onJapaneseNamesClicked()
{
    updateData(true);
    m_settings.m_nJapaneseNames = m_settings.m_nJapaneseNames ? 0 : 1;
    ui::setCheckState(m_japaneseNamesCheck, m_settings.m_nJapaneseNames);
    // The photo list shows the Japanese names only when asked for.
    m_settings.m_bPhotoListLoaded = false;
}

void OptionsPage::onXmlOnlyClicked()
{
    updateData(true);
    m_settings.m_nXmlOnly = m_settings.m_nXmlOnly ? 0 : 1;
    ui::setCheckState(m_xmlOnlyCheck, m_settings.m_nXmlOnly);
}

} // namespace writer
