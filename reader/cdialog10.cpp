#include "cdialog10.h"

#include "importsettings.h"
#include "importsummary.h"
#include "inputsettingsfile.h"
#include "readerids.h"
#include "readermessages.h"

#include "suitemessages.h"
#include "ui/messagerules.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "ui_page141_summary.h"

namespace reader {

namespace {

// Room beside each heading's text; the value column gets more.
constexpr int ColumnMargin = 15;
constexpr int ValueColumnExtra = 30;

} // namespace

CDialog10::CDialog10(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::summary::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page141Summary>())
{
    m_ui->setupUi(this);
}

CDialog10::~CDialog10() = default;

bool CDialog10::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Finish);
    fillSummary();
    return true;
}

int CDialog10::onWizardBack()
{
    return ids::importmode::Template;
}

bool CDialog10::onWizardFinish()
{
    // The host application carries out whatever file it finds after exit
    // code 1, so the wizard ends only once this run's settings are written
    // whole; otherwise the user may retry or cancel.
    const QString path = inputSettingsPath();
    if (!writeInputSettings(m_settings, path)) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(path));
        return false;
    }
    return true;
}

void CDialog10::fillSummary()
{
    ui::ReportList *list = m_ui->summaryList;
    if (!m_bColumnsAdded) {
        const QString labelHeading = summaryLabelHeading();
        const QString valueHeading = summaryValueHeading(m_settings);
        list->insertHeadingColumn(0, labelHeading, Qt::AlignLeft, ColumnMargin);
        list->insertHeadingColumn(1, valueHeading, Qt::AlignLeft, ColumnMargin + ValueColumnExtra);
        m_bColumnsAdded = true;
    }
    list->deleteAllItems();
    QList<QStringList> rows;
    for (const SummaryRow &row : importSummaryRows(m_settings))
        rows.append({row.label, row.value});
    list->appendRows(rows);
}

} // namespace reader
