#include "cdialog3.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"
#include "ui/wizardsheet.h"
#include "ui_page136_photoinfo.h"

namespace reader {

CDialog3::CDialog3(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::photoinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page136PhotoInfo>())
{
    m_ui->setupUi(this);
}

CDialog3::~CDialog3() = default;

bool CDialog3::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

} // namespace reader
