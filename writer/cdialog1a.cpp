#include "cdialog1a.h"

#include "exportsettings.h"
#include "optionspage.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/wizardsheet.h"
#include "ui_page130_options.h"

namespace writer {

namespace {

// The agricultural design and completion standards and the NEXCO one take
// XML-only output as a formal delivery without asking the client, so the
// note advising it is not shown for them.
bool hidesFormalDeliveryNote(int code)
{
    constexpr int FirstAgriculturalCode = 70;
    constexpr int LastAgriculturalCode = 75;
    constexpr int NexcoCode = 8;
    return code == NexcoCode || (code >= FirstAgriculturalCode && code <= LastAgriculturalCode);
}

} // namespace

CDialog1A::CDialog1A(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::options::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page130Options>())
{
    m_ui->setupUi(this);
    connect(m_ui->startMediaEdit, &QLineEdit::textChanged, this,
            &CDialog1A::onStartMediaChanged);
    connect(m_ui->japaneseNamesCheck, &QCheckBox::clicked, this,
            &CDialog1A::onJapaneseNamesClicked);
    connect(m_ui->xmlOnlyCheck, &QCheckBox::clicked, this, &CDialog1A::onXmlOnlyClicked);
}

CDialog1A::~CDialog1A() = default;

void CDialog1A::doDataExchange(ui::DataExchange &exchange)
{
    exchange.unsignedInteger(ids::options::StartMedia, m_nStartMedia, MinStartMedia,
                             MaxStartMedia);
}

void CDialog1A::onInitDialog()
{
    // Showing the variables is no typing: the box is checked from the
    // activation on.
    m_bShowing = true;
    ui::PropertyPage::onInitDialog();
    m_bShowing = false;
}

bool CDialog1A::onSetActive()
{
    showOptions();
    return ui::PropertyPage::onSetActive();
}

void CDialog1A::showOptions()
{
    m_bShowing = true;
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    m_ui->formalDeliveryNote->setVisible(!hidesFormalDeliveryNote(m_settings.m_nStandardCode));
    showValidStartMedia(m_ui->startMediaEdit, m_nStartMedia, m_settings);
    m_bShowing = false;
}

void CDialog1A::onStartMediaChanged()
{
    if (m_bShowing)
        return;
    if (!updateData(true)) {
        updateData(false);
        m_ui->startMediaEdit->selectAll();
    }
    m_settings.m_nStartMedia = int(m_nStartMedia);
    showOptions();
}

void CDialog1A::onJapaneseNamesClicked()
{
    updateData(true);
    m_settings.m_nJapaneseNames = m_settings.m_nJapaneseNames ? 0 : 1;
    ui::setCheckState(m_ui->japaneseNamesCheck, m_settings.m_nJapaneseNames);
    // The photo list shows the Japanese names only when asked for.
    m_settings.m_bPhotoListLoaded = false;
}

void CDialog1A::onXmlOnlyClicked()
{
    updateData(true);
    m_settings.m_nXmlOnly = m_settings.m_nXmlOnly ? 0 : 1;
    ui::setCheckState(m_ui->xmlOnlyCheck, m_settings.m_nXmlOnly);
}

int CDialog1A::onWizardNext()
{
    if (!takeOverAndCheckIdentifiers(*this, m_ui->startMediaEdit, m_settings))
        return ui::WizardSheet::Stay;
    return ids::basicinfo::Template;
}

} // namespace writer
