#include "cdialog4.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page136_destination.h"

namespace writer {

CDialog4::CDialog4(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::destination::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page136Destination>())
{
    m_ui->setupUi(this);
}

CDialog4::~CDialog4() = default;

bool CDialog4::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

} // namespace writer
