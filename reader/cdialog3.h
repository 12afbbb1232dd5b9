#pragma once

#include "classificationmaster.h"
#include "photodb/photoinfotable.h"
#include "photolistlayout.h"

#include "ui/propertypage.h"

#include <memory>
#include <optional>

namespace Ui {
class Page136PhotoInfo;
}

namespace reader {

using photodb::PhotoInfoRecord;
using photodb::PhotoInfoTable;

struct ImportSettings;

// Page 136: the photos a standard delivery describes (写真情報 of
// G_PHOTO.mdb), listed once per delivery, and the choice between the photo
// file names and the Japanese file names for the import. Leaving the page
// by Next builds KOUJIMASTER.MDB from the delivery's classifications.
class CDialog3 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog3(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog3() override;

    // Fills the list when the delivery was read anew (m_bPhotoListLoaded
    // clear); the name choice is only offered when the delivery's standard
    // has Japanese file names.
    bool onSetActive() override;
    // Builds the classification master, then moves on unless the template
    // could not be copied.
    int onWizardNext() override;

    // Adds a row for each photo of G_PHOTO.mdb to the list, in ascending
    // serial order, with the columns the delivery's standard has. 1 when the
    // table was read, 0 when it could not be (the database's reason shown;
    // nothing added).
    int FillPhotoList();

private:
    void onFileNameClicked();
    std::optional<QList<PhotoInfoRecord>> readPhotoInfo();
    void makeColumns(const PhotoListLayout &layout);

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page136PhotoInfo> m_ui;
    ClassificationMaster m_classificationMaster;
    // The list's columns; none until the first fill. A later delivery
    // that needs the same columns keeps them, with the widths the user
    // gave them.
    QList<PhotoListLayout::Column> m_columns;
};

} // namespace reader
