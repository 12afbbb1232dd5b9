#include "cdialog3.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page135_photoinfo.h"

namespace writer {

CDialog3::CDialog3(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::photoinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page135PhotoInfo>())
{
    m_ui->setupUi(this);
}

CDialog3::~CDialog3() = default;

bool CDialog3::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

} // namespace writer
