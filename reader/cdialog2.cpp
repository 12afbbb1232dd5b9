#include "cdialog2.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"

#include "gxtemp.h"
#include "gxtemplayout.h"
#include "suitemessages.h"
#include "ui/messagerules.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "ui_page130_basicinfo.h"

namespace reader {

namespace {

// The line that ends the part of GXTemp whose values decide the width of
// the value column; the long free texts come after it.
const QString SectionEndLabel = QStringLiteral("準拠する要領");
// Room beside each heading's text.
constexpr int LabelColumnMargin = 15;
constexpr int ValueColumnMargin = 60;

} // namespace

CDialog2::CDialog2(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::basicinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page130BasicInfo>())
{
    m_ui->setupUi(this);
}

CDialog2::~CDialog2() = default;

bool CDialog2::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    fillList();
    return true;
}

int CDialog2::onWizardBack()
{
    // Another folder may be chosen: its file gets columns of its own.
    m_bColumnsMade = false;
    return ids::rootfolder::Template;
}

void CDialog2::fillList()
{
    GXTemp file(SectionEndLabel);
    if (!file.open()) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(GXTemp::path()));
        return;
    }
    const gxtemplayout::Widest widest = gxtemplayout::measure(
        file, [](const QString &text) { return int(text.size()); });
    file.close();

    ui::ReportList *view = list();
    view->deleteAllItems();
    if (!m_bColumnsMade) {
        view->deleteAllColumns();
        view->insertHeadingColumn(0, widest.label, Qt::AlignLeft, LabelColumnMargin);
        view->insertHeadingColumn(1, widest.value, Qt::AlignLeft, ValueColumnMargin);
        m_bColumnsMade = true;
    }

    if (!file.open()) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(GXTemp::path()));
        return;
    }
    const qsizetype limit = widest.value.size();
    QList<QStringList> rows;
    GXTemp::Line line;
    bool first = true;
    while (file.readLine(&line)) {
        if (first)
            m_settings.m_strStandardName = line.value;
        first = false;
        gxtemplayout::appendRows(line, limit, rows);
    }
    view->appendRows(rows);
    if (file.hasReadError())
        ui::showMessage(this, suitemsg::GXTempReadError.toString());
    file.close();
}

ui::ReportList *CDialog2::list() const
{
    return m_ui->infoList;
}

} // namespace reader
