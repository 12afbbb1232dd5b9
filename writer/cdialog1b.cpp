#include "cdialog1b.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page131_extendedoptions.h"

namespace writer {

CDialog1B::CDialog1B(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::extendedoptions::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page131ExtendedOptions>())
{
    m_ui->setupUi(this);
}

CDialog1B::~CDialog1B() = default;

bool CDialog1B::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

} // namespace writer
