#pragma once

#include "photolistcolumns.h"

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page135PhotoInfo;
}

namespace writer {

struct ExportSettings;

// Page 135: the photos of the chosen albums, from G_PHOTO.mdb.
class CDialog3 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog3(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog3() override;

    bool onSetActive() override;

    // Reads 写真情報 of the temp folder's G_PHOTO.mdb into the list, one
    // row per photo in serial order; a database error is reported to the
    // user and leaves the list empty. 1 when the list was filled.
    int FillPhotoList();

private:
    void makeColumns(const QList<PhotoListColumns::Column> &columns);

    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page135PhotoInfo> m_ui;
    // The columns the list has now.
    QList<PhotoListColumns::Column> m_columns;
};

} // namespace writer
