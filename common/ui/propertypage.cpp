#include "propertypage.h"

#include "controls.h"
#include "dataexchange.h"
#include "dialogunits.h"
#include "wizardsheet.h"

namespace ui {

PropertyPage::PropertyPage(int templateId, const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_templateId(templateId)
    , m_caption(caption)
{
}

PropertyPage::~PropertyPage() = default;

WizardSheet *PropertyPage::sheet() const
{
    for (QObject *object = parent(); object; object = object->parent()) {
        if (auto *sheet = qobject_cast<WizardSheet *>(object))
            return sheet;
    }
    return nullptr;
}

void PropertyPage::setTemplateSize(int widthUnits, int heightUnits)
{
    setMinimumSize(dialogUnitsToPixels(QSize(widthUnits, heightUnits), font()));
}

void PropertyPage::onInitDialog()
{
    updateData(false);
}

bool PropertyPage::onSetActive()
{
    updateData(false);
    return true;
}

bool PropertyPage::onKillActive()
{
    return updateData(true);
}

int PropertyPage::onWizardNext()
{
    return 0;
}

int PropertyPage::onWizardBack()
{
    return 0;
}

bool PropertyPage::onWizardFinish()
{
    return true;
}

bool PropertyPage::updateData(bool saveAndValidate)
{
    DataExchange exchange(this, saveAndValidate);
    doDataExchange(exchange);
    return !exchange.failed();
}

QWidget *PropertyPage::control(int controlId) const
{
    return findControl(this, controlId);
}

void PropertyPage::doDataExchange(DataExchange &)
{
}

void PropertyPage::setWizardButtons(int buttons)
{
    if (WizardSheet *wizard = sheet())
        wizard->setWizardButtons(buttons);
}

bool PropertyPage::declineActivationFor(int templateId)
{
    m_declinedFor = templateId;
    return false;
}

} // namespace ui
