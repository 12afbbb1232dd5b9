#include "cdialog2.h"

#include "exportsettings.h"
#include "standardcodes.h"
#include "writerids.h"
#include "writermessages.h"

#include "ui/wizardsheet.h"
#include "ui_page134_basicinfo.h"

namespace writer {

CDialog2::CDialog2(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::basicinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page134BasicInfo>())
{
    m_ui->setupUi(this);
}

CDialog2::~CDialog2() = default;

bool CDialog2::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return ui::PropertyPage::onSetActive();
}

int CDialog2::onWizardBack()
{
    // Without the stylesheet option the options page of the sequence is
    // 130 or 131.
    if (m_settings.m_nStyleSheet == 0)
        return SimpleOptionsPage + m_settings.m_nExtendedOptions;
    return 0;
}

} // namespace writer
