#include "cdialog9.h"

#include "exportsettings.h"
#include "exportsummary.h"
#include "outputsettingsfile.h"
#include "standardcodes.h"
#include "writerids.h"
#include "writermessages.h"

#include "platform/winpath.h"
#include "suiteapi/worksdatafunctions.h"
#include "suitemessages.h"
#include "ui/messagerules.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "ui_page133_summary.h"

#include <algorithm>
#include <vector>

namespace writer {

namespace {

// Room beside the widest texts of the two columns.
constexpr int LabelColumnMargin = 15;
constexpr int ValueColumnMargin = 45;
const QString ColumnHeading = QStringLiteral("  ");
const QString ConstructionFileName = QStringLiteral("KOUJI.XML");

} // namespace

CDialog9::CDialog9(ExportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
                   QWidget *parent)
    : ui::PropertyPage(ids::summary::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_worksdata(worksdata),
      m_ui(std::make_unique<Ui::Page133Summary>())
{
    m_ui->setupUi(this);
}

CDialog9::~CDialog9() = default;

bool CDialog9::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Finish);
    fillSummary();
    return ui::PropertyPage::onSetActive();
}

bool CDialog9::onWizardFinish()
{
    if (standards::isGovernmentBuildingCode(m_settings.m_nStandardCode))
        makeErrorInformation();
    // The host application carries out whatever file it finds after exit
    // code 1, so the wizard ends only once this run's settings are written
    // whole; otherwise the user may retry or cancel.
    const QString path = outputSettingsPath();
    if (!writeOutputSettings(m_settings, path)) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(path));
        return false;
    }
    return true;
}

void CDialog9::makeErrorInformation()
{
    const QString koujiXml = m_settings.m_strKoujiFolder + u'\\' + ConstructionFileName;
    std::vector<char16_t> buffer(win::MaxPath, u'\0');
    std::copy_n(koujiXml.utf16(), std::min<qsizetype>(koujiXml.size(), win::MaxPath - 1),
                buffer.begin());
    // Its result changes nothing here.
    m_worksdata.dnErrInfMake4(buffer.data(), m_settings.m_nStandardCode);
}

void CDialog9::fillSummary()
{
    ui::ReportList *list = m_ui->summaryList;
    if (!m_bColumnsAdded) {
        list->insertColumn(0, ColumnHeading, Qt::AlignLeft,
                           list->textWidth(summaryWidestLabel()) + LabelColumnMargin);
        list->insertColumn(1, ColumnHeading, Qt::AlignLeft,
                           list->textWidth(summaryWidestValue(m_settings)) + ValueColumnMargin);
        m_bColumnsAdded = true;
    }
    list->deleteAllItems();
    QList<QStringList> rows;
    for (const SummaryRow &row : exportSummaryRows(m_settings))
        rows.append({row.label, row.value});
    list->appendRows(rows);
}

} // namespace writer
