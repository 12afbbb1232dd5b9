#include "jetdao/cdaoexception.h"

#include "ui/dialogs.h"

namespace JETDAO {

CDaoException::CDaoException(const QString &errorMessage)
    : m_strError(errorMessage)
{
}

void CDaoException::ReportError(unsigned, unsigned) const
{
    ui::messageBox(nullptr, m_strError, QString(), ui::Buttons::Ok, ui::Icon::Warning);
}

} // namespace JETDAO
