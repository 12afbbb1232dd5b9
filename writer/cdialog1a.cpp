#include "cdialog1a.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page130_options.h"

namespace writer {

CDialog1A::CDialog1A(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::options::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page130Options>())
{
    m_ui->setupUi(this);
}

CDialog1A::~CDialog1A() = default;

bool CDialog1A::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

int CDialog1A::onWizardNext()
{
    return ids::basicinfo::Template;
}

} // namespace writer
