#include "cdialog2.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessagebox.h"
#include "readermessages.h"

#include "gxtemp.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "ui_page130_basicinfo.h"

namespace reader {

namespace {

// The line that ends the part of GXTemp whose values decide the width of
// the value column; the long free texts come after it.
const QString SectionEndLabel = QStringLiteral("準拠する要領");
const QString ReadError = QStringLiteral("工事情報の読み込みエラーが発生しました。");
// Room beside each heading's text.
constexpr int LabelColumnMargin = 15;
constexpr int ValueColumnMargin = 60;

// The longest label and value of the width section, first pass.
struct ColumnWidths
{
    QString longestLabel;
    QString longestValue;
};

ColumnWidths measure(GXTemp &file)
{
    ColumnWidths widths;
    GXTemp::Line line;
    bool first = true;
    while (file.readLine(&line)) {
        if (first || line.label.size() > widths.longestLabel.size())
            widths.longestLabel = line.label;
        if (first || (file.inWidthSection() && line.value.size() > widths.longestValue.size()))
            widths.longestValue = line.value;
        first = false;
    }
    return widths;
}

// A value longer than the width limit goes on in rows without a label.
void appendLine(const GXTemp::Line &line, qsizetype limit, QList<QStringList> &rows)
{
    // Without a limit (no value in the width section) the value stays whole
    // rather than being cut into pieces of nothing.
    if (limit <= 0 || line.value.size() <= limit) {
        rows.append({line.label, line.value});
        return;
    }
    rows.append({line.label, line.value.left(limit)});
    for (qsizetype start = limit; start < line.value.size(); start += limit)
        rows.append({QString(), line.value.mid(start, limit)});
}

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
        showMessage(this, msg::FileOpenFailed.arg(GXTemp::path()));
        return;
    }
    const ColumnWidths widths = measure(file);
    file.close();

    ui::ReportList *view = list();
    view->deleteAllItems();
    if (!m_bColumnsMade) {
        view->deleteAllColumns();
        view->insertColumn(0, widths.longestLabel, Qt::AlignLeft,
                           view->textWidth(widths.longestLabel) + LabelColumnMargin);
        view->insertColumn(1, widths.longestValue, Qt::AlignLeft,
                           view->textWidth(widths.longestValue) + ValueColumnMargin);
        m_bColumnsMade = true;
    }

    if (!file.open()) {
        showMessage(this, msg::FileOpenFailed.arg(GXTemp::path()));
        return;
    }
    const qsizetype limit = widths.longestValue.size();
    QList<QStringList> rows;
    GXTemp::Line line;
    bool first = true;
    while (file.readLine(&line)) {
        if (first)
            m_settings.m_strStandardName = line.value;
        first = false;
        appendLine(line, limit, rows);
    }
    view->appendRows(rows);
    if (file.hasReadError())
        showMessage(this, ReadError);
    file.close();
}

ui::ReportList *CDialog2::list() const
{
    return m_ui->infoList;
}

} // namespace reader
