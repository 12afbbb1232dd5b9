#include "cdialog3.h"

#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"
#include "ui/controls.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page136_photoinfo.h"

#include "jetdao/cdaoexception.h"
#include "ui/messagerules.h"

namespace reader {

CDialog3::CDialog3(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::photoinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page136PhotoInfo>())
{
    m_ui->setupUi(this);
    m_ui->photoList->setSortedByFirstColumn(true);
    connect(m_ui->photoNameRadio, &QAbstractButton::clicked, this, &CDialog3::onFileNameClicked);
    connect(m_ui->japaneseNameRadio, &QAbstractButton::clicked, this, &CDialog3::onFileNameClicked);
}

CDialog3::~CDialog3() = default;

bool CDialog3::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    // Enabled again for a later delivery whose standard has the names.
    const bool choosable = PhotoListLayout::hasJapaneseFileNames(m_settings.m_strStandardName);
    m_ui->japaneseNameRadio->setEnabled(choosable);
    m_ui->photoNameRadio->setEnabled(choosable);
    m_ui->fileNameLabel->setEnabled(choosable);

    if (!m_settings.m_bPhotoListLoaded) {
        m_ui->photoList->deleteAllItems();
        // Shown as the proposal only: the settings change by a click alone.
        ui::setCheckState(m_ui->photoNameRadio, 1);
        FillPhotoList();
        m_ui->photoList->viewport()->update();
        // Also after a failure: the message is not repeated on every visit.
        m_settings.m_bPhotoListLoaded = true;
    }
    return ui::PropertyPage::onSetActive();
}

int CDialog3::onWizardNext()
{
    QString failure;
    {
        const ui::WaitCursor wait;
        failure = m_classificationMaster.BuildClassificationTree(m_settings.m_strProgramDir);
    }
    if (!failure.isEmpty())
        ui::showMessage(this, failure);
    return 0;
}

int CDialog3::FillPhotoList()
{
    const std::optional<QList<PhotoInfoRecord>> records = readPhotoInfo();
    if (!records)
        return 0;

    const ui::WaitCursor wait;
    const PhotoListLayout layout(m_settings.m_strStandardName, *records);
    if (layout.columns() != m_columns)
        makeColumns(layout);
    QList<QStringList> rows;
    rows.reserve(records->size());
    for (const PhotoInfoRecord &record : *records)
        rows.append(layout.cells(record));
    m_ui->photoList->appendRows(rows);
    return 1;
}

void CDialog3::onFileNameClicked()
{
    updateData(true);
    m_settings.m_nFileNameByPhoto = ui::checkState(m_ui->photoNameRadio);
    m_settings.m_nFileNameByJapanese = ui::checkState(m_ui->japaneseNameRadio);
    onSetActive();
}

std::optional<QList<PhotoInfoRecord>> CDialog3::readPhotoInfo()
{
    try {
        const ui::WaitCursor wait;
        return PhotoInfoTable::readAll(PhotoInfoTable::databasePath());
    } catch (const JETDAO::CDaoException &e) {
        ui::showMessage(this, e.GetErrorMessage());
        return std::nullopt;
    }
}

void CDialog3::makeColumns(const PhotoListLayout &layout)
{
    ui::ReportList *list = m_ui->photoList;
    list->deleteAllColumns();
    int position = 0;
    for (const PhotoListLayout::Column &column : layout.columns()) {
        list->insertHeadingColumn(position++, column.heading, column.alignment,
                                  PhotoListLayout::HeadingMargin);
    }
    m_columns = layout.columns();
}

} // namespace reader
