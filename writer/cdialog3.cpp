#include "cdialog3.h"

#include "exportsettings.h"
#include "writerids.h"
#include "writermessages.h"

#include "jetdao/cdaoexception.h"
#include "photodb/photoinfotable.h"
#include "ui/reportlist.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page135_photoinfo.h"

namespace writer {

CDialog3::CDialog3(ExportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::photoinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page135PhotoInfo>())
{
    m_ui->setupUi(this);
    m_ui->photoList->setSortedByFirstColumn(true);
}

CDialog3::~CDialog3() = default;

bool CDialog3::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    // Read on every activation: the albums and the Japanese-names option
    // may have changed since.
    FillPhotoList();
    return ui::PropertyPage::onSetActive();
}

int CDialog3::FillPhotoList()
{
    ui::ReportList *list = m_ui->photoList;
    list->deleteAllItems();
    PhotoListColumns::updateOptionalColumns(m_settings);
    const QList<PhotoListColumns::Column> columns = PhotoListColumns::columns(m_settings);
    if (columns != m_columns)
        makeColumns(columns);

    QList<photodb::PhotoInfoRecord> records;
    try {
        const ui::WaitCursor wait;
        records = photodb::PhotoInfoTable::readAll(photodb::PhotoInfoTable::databasePath());
    } catch (const JETDAO::CDaoException &e) {
        e.ReportError();
        return 0;
    }

    const ui::WaitCursor wait;
    const int category = m_settings.m_nPhotoStandard;
    QList<QStringList> rows;
    rows.reserve(records.size());
    for (const photodb::PhotoInfoRecord &record : std::as_const(records)) {
        QStringList cells;
        cells.reserve(columns.size());
        for (const PhotoListColumns::Column &column : columns)
            cells.append(PhotoListColumns::cellText(record, column.field, category));
        rows.append(cells);
    }
    list->appendRows(rows);
    return 1;
}

void CDialog3::makeColumns(const QList<PhotoListColumns::Column> &columns)
{
    ui::ReportList *list = m_ui->photoList;
    list->deleteAllColumns();
    int position = 0;
    for (const PhotoListColumns::Column &column : columns)
        list->insertHeadingColumn(position++, column.heading, column.alignment,
                                  PhotoListColumns::HeadingMargin);
    m_columns = columns;
}

} // namespace writer
