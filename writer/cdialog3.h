#pragma once

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

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page135PhotoInfo> m_ui;
};

} // namespace writer
