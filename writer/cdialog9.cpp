#include "cdialog9.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page133_summary.h"

namespace writer {

CDialog9::CDialog9(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::summary::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page133Summary>())
{
    m_ui->setupUi(this);
}

CDialog9::~CDialog9() = default;

bool CDialog9::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Finish);
    return ui::PropertyPage::onSetActive();
}

} // namespace writer
