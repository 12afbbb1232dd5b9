#include "optionspage.h"

#include "exportsettings.h"
#include "identifierchecks.h"

#include "platform/crtinteger.h"
#include "ui/dialogs.h"
#include "ui/propertypage.h"

#include <QLineEdit>

namespace writer {

namespace {

const QString CheckCaption = QStringLiteral("エラー");

} // namespace

void showValidStartMedia(QLineEdit *box, unsigned &pageNumber, ExportSettings &settings)
{
    if (pageNumber != 0 && pageNumber <= unsigned(MaxStartMedia))
        return;
    pageNumber = MinStartMedia;
    settings.m_nStartMedia = MinStartMedia;
    box->setText(QString::number(MinStartMedia));
    box->selectAll();
}

bool takeOverAndCheckIdentifiers(ui::PropertyPage &page, const QLineEdit *box,
                                 ExportSettings &settings)
{
    settings.m_nStartMedia = win::wtoi(box->text());
    const IdentifierCheckResult result = checkInformationIdentifiers(settings, settings.m_strProgramFolder);
    if (!result.passed && !result.message.isEmpty())
        ui::messageBox(&page, result.message, CheckCaption, ui::Buttons::Ok, ui::Icon::Warning);
    return result.passed;
}

} // namespace writer
