#include "cdialog1.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/wizardsheet.h"
#include "ui_page129_filenaming.h"

#include <QRadioButton>

namespace writer {

CDialog1::CDialog1(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::filenaming::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page129FileNaming>())
{
    m_ui->setupUi(this);
    for (QRadioButton *radio : {m_ui->renameRadio, m_ui->keepRadio})
        connect(radio, &QRadioButton::clicked, this, &CDialog1::onNamingClicked);
}

CDialog1::~CDialog1() = default;

void CDialog1::doDataExchange(ui::DataExchange &exchange)
{
    exchange.check(ids::filenaming::RenameSerial, m_nRename);
    exchange.check(ids::filenaming::KeepFileName, m_nKeep);
}

bool CDialog1::onSetActive()
{
    showChoice();
    return ui::PropertyPage::onSetActive();
}

void CDialog1::onNamingClicked()
{
    updateData(true);
    m_settings.m_nRenameSerial = m_nRename;
    m_settings.m_nKeepFileName = m_nKeep;
    showChoice();
    // The framework's activation shows the members in the controls.
    updateData(false);
}

void CDialog1::showChoice()
{
    m_nRename = m_settings.m_nRenameSerial;
    if (m_settings.m_nKeepFileName != 0)
        m_nKeep = 1;
    const bool chosen = m_settings.m_nRenameSerial == 1 || m_settings.m_nKeepFileName == 1;
    setWizardButtons(chosen ? ui::WizardSheet::Back | ui::WizardSheet::Next
                            : ui::WizardSheet::Back);
}

} // namespace writer
