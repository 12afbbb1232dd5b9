#include "cdialog7.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"

#include "ui/controls.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page142_standardversion.h"

#include <QRadioButton>

namespace reader {

CDialog7::CDialog7(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::standardversion::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page142StandardVersion>())
{
    m_ui->setupUi(this);
    for (QRadioButton *radio : {m_ui->std2012Radio, m_ui->std2002Radio})
        connect(radio, &QRadioButton::clicked, this, &CDialog7::onEditionClicked);
}

CDialog7::~CDialog7() = default;

bool CDialog7::onSetActive()
{
    ui::setCheckState(m_ui->std2002Radio, m_settings.m_nStd2002);
    ui::setCheckState(m_ui->std2012Radio, m_settings.m_nStd2012);
    if (m_settings.m_nStd2002 == 1 || m_settings.m_nStd2012 == 1)
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    // The tree is built for the edition chosen here.
    m_settings.m_bTreeBuilt = false;
    return true;
}

int CDialog7::onWizardNext()
{
    // The press is acknowledged with the wait cursor; the tree itself is
    // built by the hierarchy page under its own.
    const ui::WaitCursor acknowledge;
    return ids::hierarchy::Template;
}

int CDialog7::onWizardBack()
{
    return ids::rootfolder::Template;
}

void CDialog7::onEditionClicked()
{
    m_settings.m_nStd2012 = ui::checkState(m_ui->std2012Radio);
    m_settings.m_nStd2002 = ui::checkState(m_ui->std2002Radio);
    onSetActive();
}

} // namespace reader
