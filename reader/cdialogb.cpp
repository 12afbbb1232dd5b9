#include "cdialogb.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"
#include "ui/wizardsheet.h"
#include "ui_page138_hierarchy.h"

namespace reader {

CDialogB::CDialogB(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::hierarchy::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page138Hierarchy>())
{
    m_ui->setupUi(this);
}

CDialogB::~CDialogB() = default;

bool CDialogB::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

} // namespace reader
